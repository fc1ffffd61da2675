<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="57"/>
        <source>A program for young children to learn forty kinds of fish.</source>
        <translation>小さな子どもが四十種類の魚をおぼえるためのプログラムです。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="49"/>
        <source>Use the media folder DIR.</source>
        <translation>メディアのフォルダ DIR を使います。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="51"/>
        <source>Check the media folder DIR (or the one the program would use), report every problem and end. Exit status 0: complete; 1: the program would stop; 2: warnings only.</source>
        <translation>メディアのフォルダ DIR（指定がなければプログラムが使うフォルダ）を調べ、問題をすべて知らせて終わります。終了コード 0: 問題なし、1: プログラムが止まる問題あり、2: 注意だけ。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="54"/>
        <source>Start full screen, every screen scaled to fill it. F11 switches, Escape leaves.</source>
        <translation>全画面で始めます。どの画面も画面いっぱいに拡大します。F11 で切り替え、Esc で戻ります。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="55"/>
        <source>With --check-media: the folder to check.</source>
        <translation>--check-media と一緒に: 調べるフォルダ。</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="137"/>
        <source>No media folder found; looked in: %1</source>
        <translation>メディアのフォルダが見つかりません。探した場所: %1</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="178"/>
        <source>the sound is missing; the program is silent there</source>
        <translation>音がありません。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="177"/>
        <source>the sound cannot be read (%1); the program is silent there</source>
        <translation>音を読めません（%1）。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="176"/>
        <source>%1; the program is silent there</source>
        <translation>%1。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="214"/>
        <source>entry %1 (%2) is too wide for its line: %3 pixels of %4</source>
        <translation>%1 番目の項目（%2）が長すぎて行に入りません: %4 ピクセルのところ %3 ピクセルあります</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="225"/>
        <source>the name list cannot be read (%1)</source>
        <translation>名前のファイルを読めません（%1）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="233"/>
        <source>not code page 932 (Shift_JIS): entries %1 cannot be read</source>
        <translation>
            <numerusform>CP932（シフトJIS）ではありません: %1 番目の項目を読めません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="231"/>
        <source>read as UTF-8, but entries %1 are not UTF-8</source>
        <translation>
            <numerusform>UTF-8 として読みましたが、%1 番目の項目が UTF-8 ではありません</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="75"/>
        <source>put in a GIF, PNG or JPEG picture named one of %1</source>
        <translation>GIF・PNG・JPEG の絵を、%1 のどれかの名前で入れてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="77"/>
        <source>put in a GIF, PNG or JPEG picture under this name</source>
        <translation>この名前で GIF・PNG・JPEG の絵を入れてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="79"/>
        <source>put a picture file in its place</source>
        <translation>かわりに絵のファイルを置いてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="81"/>
        <source>save it as a GIF, PNG or JPEG picture</source>
        <translation>GIF・PNG・JPEG の絵として保存し直してください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="83"/>
        <source>save it again smaller (at most 32 MB)</source>
        <translation>小さくして保存し直してください（32 MB まで）</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="85"/>
        <source>copy it again from where it came from, or save it anew</source>
        <translation>元の場所からもう一度コピーするか、保存し直してください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="100"/>
        <source>turned upright as its EXIF orientation says</source>
        <translation>EXIF の向きのとおりに回して表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="107"/>
        <source>the picture cannot be shown (%1); %2</source>
        <translation>絵を表示できません（%1）。%2</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="121"/>
        <source>found a %1 picture under a .%2 name; it is shown all the same</source>
        <translation>名前は .%2 ですが中身は %1 の絵です。そのまま表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="136"/>
        <source>the picture is %1 × %2 pixels, larger than the lookup screen&apos;s frame of %3 × %4; it will be shown scaled to %5 × %6 there, and at its own size in the drill</source>
        <translation>絵が %1 × %2 ピクセルで、魚しらべの枠の %3 × %4 より大きいので、そこでは %5 × %6 に縮めて表示します。ドリルではそのままの大きさです</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="139"/>
        <source>the picture is %1 × %2 pixels, larger than its frames; it will be shown scaled to %3 × %4 in the lookup screen and %5 × %6 in the drill</source>
        <translation>絵が %1 × %2 ピクセルで枠より大きいので、魚しらべでは %3 × %4、ドリルでは %5 × %6 に縮めて表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="157"/>
        <source>the program shows fish 1 to %1 only; this picture is never shown</source>
        <translation>魚は 1 から %1 までです。この絵は表示されません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="160"/>
        <source>never shown: %1 comes first for fish %2; remove one of the two</source>
        <translation>表示されません: %2 番の魚には %1 が先に使われます。どちらかを取り除いてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="163"/>
        <source>never shown: for fish %1 the program looks for %2; rename it to one of those</source>
        <translation>表示されません: %1 番の魚の絵は %2 の名前で探します。そのどれかに名前を変えてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="199"/>
        <source>the list goes on after entry %1; the program never shows what follows</source>
        <translation>%1 番目より後にも項目があります。後の項目は表示されません</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="220"/>
        <source>only %n entries; the lookup screen needs %1</source>
        <translation>
            <numerusform>項目が %n 個しかありません。魚しらべの画面には %1 個いります</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="239"/>
        <source>read as UTF-8</source>
        <translation>UTF-8 として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="241"/>
        <source>read as code page 932 (Shift_JIS)</source>
        <translation>CP932（シフトJIS）として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="268"/>
        <source>note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="279"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="280"/>
        <source>%n errors</source>
        <translation>
            <numerusform>エラー %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="281"/>
        <source>%n warnings</source>
        <translation>
            <numerusform>注意 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="266"/>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="267"/>
        <source>warning</source>
        <translation>注意</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="277"/>
        <source>%1: the media folder is complete</source>
        <translation>%1: メディアのフォルダに問題はありません</translation>
    </message>
</context>
<context>
    <name>MediaError</name>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="25"/>
        <source>the file is missing</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="26"/>
        <source>the file cannot be read</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="29"/>
        <source>not a regular file (a folder)</source>
        <translation>ふつうのファイルではありません（フォルダです）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="30"/>
        <source>not a regular file (a named pipe)</source>
        <translation>ふつうのファイルではありません（名前付きパイプです）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="31"/>
        <source>not a regular file (a socket)</source>
        <translation>ふつうのファイルではありません（ソケットです）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="32"/>
        <source>not a regular file (a device)</source>
        <translation>ふつうのファイルではありません（装置です）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="33"/>
        <source>not a regular file (another kind of file)</source>
        <translation>ふつうのファイルではありません（ファイルの種類がちがいます）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="36"/>
        <source>not a regular file</source>
        <translation>ふつうのファイルではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="37"/>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="38"/>
        <source>the picture file is empty</source>
        <translation>絵のファイルが空です</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="39"/>
        <source>the picture file is cut short</source>
        <translation>絵のファイルが途中で切れています</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="40"/>
        <source>the file is not a GIF, PNG or JPEG picture</source>
        <translation>GIF・PNG・JPEG の絵ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="42"/>
        <source>the picture cannot be read (the file is damaged or too large)</source>
        <translation>絵を読み込めません（ファイルがこわれているか、大きすぎます）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="43"/>
        <source>entry %1 is too long (at most %2 bytes)</source>
        <translation>%1番目の項目が長すぎます（%2バイトまでです）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="45"/>
        <source>entry %1 holds characters that cannot be read as Shift_JIS</source>
        <translation>%1番目の項目に、シフトJISとして読めない文字があります</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="47"/>
        <source>entry %1 holds characters that cannot be read as UTF-8</source>
        <translation>%1番目の項目に、UTF-8として読めない文字があります</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="49"/>
        <source>this computer has no way to read Shift_JIS characters</source>
        <translation>シフトJISの文字を読む仕組みがこのパソコンにありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="50"/>
        <source>fewer than %2 entries (only %1)</source>
        <translation>項目が%2個ありません（%1個しかありません）</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="52"/>
        <source>the media folders (音, 画像, 説明) are not found</source>
        <translation>メディアのフォルダ（音・画像・説明）が見つかりません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="53"/>
        <source>not a WAV sound</source>
        <translation>WAV の音ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="54"/>
        <source>the sound&apos;s format block is cut short</source>
        <translation>音の形式の部分が途中で切れています</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="56"/>
        <source>the sound is not in a format the program plays (PCM WAV)</source>
        <translation>プログラムが鳴らせる形式（PCM の WAV）ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="58"/>
        <source>the sound has no format block before its samples</source>
        <translation>音のデータの前に形式の部分がありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="59"/>
        <source>the sound holds no samples</source>
        <translation>音のデータが入っていません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="60"/>
        <source>the sound is cut short</source>
        <translation>音のファイルが途中で切れています</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="22"/>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="23"/>
        <location filename="../src/app/commandline.cpp" line="105"/>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションも含めてヘルプを表示する。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="131"/>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="131"/>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="133"/>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="136"/>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="77"/>
        <source>No display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set): run sakana in a desktop session.</source>
        <translation>ウィンドウを開く画面がありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。デスクトップのセッションの中で sakana を起動してください。</translation>
    </message>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="81"/>
        <source>This is a Wayland session, but Qt&apos;s Wayland platform plugin (%1) is not installed: install qt6-wayland.</source>
        <translation>Wayland のセッションですが、Qt の Wayland 用プラットフォームプラグイン（%1）がインストールされていません。qt6-wayland をインストールしてください。</translation>
    </message>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="85"/>
        <source>Qt&apos;s platform plugin %1 is not installed.</source>
        <translation>Qt のプラットフォームプラグイン %1 がインストールされていません。</translation>
    </message>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="88"/>
        <source>Cannot connect to the Wayland display %1.</source>
        <translation>Wayland のディスプレイ %1 に接続できません。</translation>
    </message>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="91"/>
        <source>Cannot open the display %1.</source>
        <translation>ディスプレイ %1 を開けません。</translation>
    </message>
    <message>
        <location filename="../src/app/windowsystem.cpp" line="94"/>
        <source>The window system %1 cannot start.</source>
        <translation>ウィンドウシステム %1 を起動できません。</translation>
    </message>
</context>
</TS>
