<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="74"/>
        <source>A program for young children to learn forty kinds of fish.</source>
        <translation>小さな子どもが四十種類の魚をおぼえるためのプログラムです。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <source>Use the media folder DIR.</source>
        <translation>メディアのフォルダ DIR を使います。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="52"/>
        <source>Check the media folder DIR (or the one the program would use), report every problem and end. Exit status 0: complete; 1: the program would stop; 2: warnings only.</source>
        <translation>メディアのフォルダ DIR（指定がなければプログラムが使うフォルダ）を調べ、問題をすべて知らせて終わります。終了コード 0: 問題なし、1: プログラムが止まる問題あり、2: 注意だけ。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="55"/>
        <source>Start full screen, every screen scaled to fill it. F11 switches, Escape leaves.</source>
        <translation>全画面で始めます。どの画面も画面いっぱいに拡大します。F11 で切り替え、Esc で戻ります。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="57"/>
        <source>Classroom mode: start full screen and stay so. The window&apos;s close button, Alt+F4, Escape and F11 neither end nor shrink it; the menu&apos;s お わ り button ends the program only when held down for three seconds, counting down on its face.</source>
        <translation>教室モード: 全画面で始め、全画面のままにします。ウィンドウの閉じるボタン、Alt+F4、Esc、F11 では終わらず、小さくもなりません。メニューの「お わ り」ボタンは三秒おしつづけたときだけプログラムを終わります（ボタンに残りの秒数が出ます）。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="61"/>
        <source>Use FILE as the drill set instead of the media folder&apos;s 説明/drill.txt: one fish a line, by number (1-40) or by name in hiragana, # starting a comment, in UTF-8 or code page 932. The drill asks only those fish and dims the other names. Also the set that --check-media checks and --print-cards prints.</source>
        <translation>メディアのフォルダの 説明/drill.txt のかわりに FILE をドリルの魚の組として使います。一行に魚ひとつを番号（1〜40）かひらがなの名前で書き、# から後はコメントです（UTF-8 かコードページ 932）。ドリルはその魚だけを出し、ほかの名前はうすく表示します。--check-media が調べ、--print-cards が印刷するのもこの組です。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="67"/>
        <source>Write an A4 PDF of fish cards to FILE and end, without opening a window: each fish&apos;s picture and name with cut lines between the cards, then a page of the names to tick; all forty fish, or those of the drill set. Nothing is written if it fails (exit status 1). The only file the program ever writes.</source>
        <translation>魚カードの A4 の PDF を FILE に書いて終わります（ウィンドウは開きません）。カードごとに魚の絵と名前、カードの間に切り取り線、最後にチェックするための名前の一覧のページがつきます。四十種類すべてか、ドリルの組の魚です。失敗したときは何も書きません（終了コード 1）。プログラムが書くファイルはこれだけです。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="72"/>
        <source>With --check-media: the folder to check.</source>
        <translation>--check-media と一緒に: 調べるフォルダ。</translation>
    </message>
    <message>
        <location filename="../src/app/cardprinter.cpp" line="99"/>
        <source>cannot write the fish cards to %1: %2</source>
        <translation>魚カードを %1 に書けません: %2</translation>
    </message>
    <message>
        <location filename="../src/app/cardprinter.cpp" line="155"/>
        <location filename="../src/app/startup.cpp" line="137"/>
        <source>No media folder found; looked in: %1</source>
        <translation>メディアのフォルダが見つかりません。探した場所: %1</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="194"/>
        <source>the sound is missing; the program is silent there</source>
        <translation>音がありません。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="193"/>
        <source>the sound cannot be read (%1); the program is silent there</source>
        <translation>音を読めません（%1）。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="192"/>
        <source>%1; the program is silent there</source>
        <translation>%1。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="252"/>
        <source>entry %1 (%2) is too wide for its line: %3 pixels of %4</source>
        <translation>%1 番目の項目（%2）が長すぎて行に入りません: %4 ピクセルのところ %3 ピクセルあります</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="263"/>
        <source>the name list cannot be read (%1)</source>
        <translation>名前のファイルを読めません（%1）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="271"/>
        <source>not code page 932 (Shift_JIS): entries %1 cannot be read</source>
        <translation>
            <numerusform>CP932（シフトJIS）ではありません: %1 番目の項目を読めません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="269"/>
        <source>read as UTF-8, but entries %1 are not UTF-8</source>
        <translation>
            <numerusform>UTF-8 として読みましたが、%1 番目の項目が UTF-8 ではありません</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="80"/>
        <source>put in a GIF, PNG or JPEG picture named one of %1</source>
        <translation>GIF・PNG・JPEG の絵を、%1 のどれかの名前で入れてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="82"/>
        <source>put in a GIF, PNG or JPEG picture under this name</source>
        <translation>この名前で GIF・PNG・JPEG の絵を入れてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="84"/>
        <source>put a picture file in its place</source>
        <translation>かわりに絵のファイルを置いてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="86"/>
        <source>save it as a GIF, PNG or JPEG picture</source>
        <translation>GIF・PNG・JPEG の絵として保存し直してください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="88"/>
        <source>save it again smaller (at most 32 MB)</source>
        <translation>小さくして保存し直してください（32 MB まで）</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="90"/>
        <source>copy it again from where it came from, or save it anew</source>
        <translation>元の場所からもう一度コピーするか、保存し直してください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="105"/>
        <source>turned upright as its EXIF orientation says</source>
        <translation>EXIF の向きのとおりに回して表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="112"/>
        <source>the picture cannot be shown (%1); %2</source>
        <translation>絵を表示できません（%1）。%2</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="126"/>
        <source>found a %1 picture under a .%2 name; it is shown all the same</source>
        <translation>名前は .%2 ですが中身は %1 の絵です。そのまま表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="141"/>
        <source>the picture is %1 × %2 pixels, larger than the lookup screen&apos;s frame of %3 × %4; it will be shown scaled to %5 × %6 there, and at its own size in the drill</source>
        <translation>絵が %1 × %2 ピクセルで、魚しらべの枠の %3 × %4 より大きいので、そこでは %5 × %6 に縮めて表示します。ドリルではそのままの大きさです</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="144"/>
        <source>the picture is %1 × %2 pixels, larger than its frames; it will be shown scaled to %3 × %4 in the lookup screen and %5 × %6 in the drill</source>
        <translation>絵が %1 × %2 ピクセルで枠より大きいので、魚しらべでは %3 × %4、ドリルでは %5 × %6 に縮めて表示します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="162"/>
        <source>the program shows fish 1 to %1 only; this picture is never shown</source>
        <translation>魚は 1 から %1 までです。この絵は表示されません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="165"/>
        <source>never shown: %1 comes first for fish %2; remove one of the two</source>
        <translation>表示されません: %2 番の魚には %1 が先に使われます。どちらかを取り除いてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="168"/>
        <source>never shown: for fish %1 the program looks for %2; rename it to one of those</source>
        <translation>表示されません: %1 番の魚の絵は %2 の名前で探します。そのどれかに名前を変えてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="184"/>
        <source>the folder of spoken names is missing; names and prompts are not spoken</source>
        <translation>名前を読み上げる声のフォルダーがありません。名前も問いかけも声で聞こえません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="213"/>
        <source>the name lasts %1 s, but after the answer&apos;s sound only %2 s of the pause are left; it runs on into the next question: make it shorter</source>
        <translation>名前の声が %1 秒ありますが、答えの音のあとの間は %2 秒しか残りません。次の問題まで続いてしまうので、短くしてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="237"/>
        <source>the list goes on after entry %1; the program never shows what follows</source>
        <translation>%1 番目より後にも項目があります。後の項目は表示されません</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="258"/>
        <source>only %n entries; the lookup screen needs %1</source>
        <translation>
            <numerusform>項目が %n 個しかありません。魚しらべの画面には %1 個いります</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="277"/>
        <source>read as UTF-8</source>
        <translation>UTF-8 として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="279"/>
        <source>read as code page 932 (Shift_JIS)</source>
        <translation>CP932（シフトJIS）として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="290"/>
        <source>line %1: no fish is called &quot;%2&quot;; write a number from 1 to 40 or a name as the list shows it</source>
        <translation>%1 行目: 「%2」という魚はいません。1 から 40 の番号か、一覧にあるとおりの名前を書いてください</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="295"/>
        <source>line %1: &quot;%2&quot; is named before; the drill asks it once</source>
        <translation>%1 行目: 「%2」は前の行にもあります。ドリルでは一度だけ出します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="300"/>
        <source>the drill set names no fish</source>
        <translation>ドリルの組に魚がひとつもありません</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="302"/>
        <source>the drill asks %n fish</source>
        <translation>
            <numerusform>ドリルは %n 種類の魚を出します</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="305"/>
        <source>the drill set cannot be read (%1)</source>
        <translation>ドリルの組が読めません（%1）</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="335"/>
        <source>note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="346"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="347"/>
        <source>%n errors</source>
        <translation>
            <numerusform>エラー %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="348"/>
        <source>%n warnings</source>
        <translation>
            <numerusform>注意 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="333"/>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="334"/>
        <source>warning</source>
        <translation>注意</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="344"/>
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
        <location filename="../src/media/mediaerror.cpp" line="51"/>
        <source>line %1: no fish is called &quot;%3&quot;</source>
        <translation>%1行目: 「%3」という魚はいません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="52"/>
        <source>the drill set names no fish</source>
        <translation>ドリルの組に魚がひとつもありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="54"/>
        <source>the media folders (音, 画像, 説明) are not found</source>
        <translation>メディアのフォルダ（音・画像・説明）が見つかりません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="55"/>
        <source>not a WAV sound</source>
        <translation>WAV の音ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="56"/>
        <source>the sound&apos;s format block is cut short</source>
        <translation>音の形式の部分が途中で切れています</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="58"/>
        <source>the sound is not in a format the program plays (PCM WAV)</source>
        <translation>プログラムが鳴らせる形式（PCM の WAV）ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="60"/>
        <source>the sound has no format block before its samples</source>
        <translation>音のデータの前に形式の部分がありません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="61"/>
        <source>the sound holds no samples</source>
        <translation>音のデータが入っていません</translation>
    </message>
    <message>
        <location filename="../src/media/mediaerror.cpp" line="62"/>
        <source>the sound is cut short</source>
        <translation>音のファイルが途中で切れています</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="23"/>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="24"/>
        <location filename="../src/app/commandline.cpp" line="126"/>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションも含めてヘルプを表示する。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="155"/>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="155"/>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="157"/>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="160"/>
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
