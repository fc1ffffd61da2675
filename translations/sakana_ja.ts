<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/main.cpp" line="99"/>
        <source>A program for young children to learn forty kinds of fish.</source>
        <translation>小さな子どもが四十種類の魚をおぼえるためのプログラムです。</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="102"/>
        <source>Use the media folder DIR.</source>
        <translation>メディアのフォルダ DIR を使います。</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="105"/>
        <source>Check the media folder DIR (or the one the program would use), report every problem and end. Exit status 0: complete; 1: the program would stop; 2: warnings only.</source>
        <translation>メディアのフォルダ DIR（指定がなければプログラムが使うフォルダ）を調べ、問題をすべて知らせて終わります。終了コード 0: 問題なし、1: プログラムが止まる問題あり、2: 注意だけ。</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="109"/>
        <source>Start full screen, every screen scaled to fill it. F11 switches, Escape leaves.</source>
        <translation>全画面で始めます。どの画面も画面いっぱいに拡大します。F11 で切り替え、Esc で戻ります。</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="110"/>
        <source>With --check-media: the folder to check.</source>
        <translation>--check-media と一緒に: 調べるフォルダ。</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="125"/>
        <source>No media folder found; looked in: %1</source>
        <translation>メディアのフォルダが見つかりません。探した場所: %1</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="64"/>
        <source>the picture is %1 × %2 pixels, larger than its frame of %3 × %4; it reaches beyond it</source>
        <translation>絵が %1 × %2 ピクセルで、枠の %3 × %4 より大きく、はみ出します</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="69"/>
        <source>the picture cannot be shown (%1)</source>
        <translation>絵を表示できません（%1）</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="81"/>
        <source>the sound is missing; the program is silent there</source>
        <translation>音がありません。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="80"/>
        <source>the sound cannot be read (%1); the program is silent there</source>
        <translation>音を読めません（%1）。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="86"/>
        <source>%1; the program is silent there</source>
        <translation>%1。その場面では音が出ません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="113"/>
        <source>only %1 entries; the lookup screen needs %2</source>
        <translation>項目が %1 個しかありません。魚しらべの画面には %2 個いります</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="121"/>
        <source>entry %1 (%2) is too wide for its line: %3 pixels of %4</source>
        <translation>%1 番目の項目（%2）が長すぎて行に入りません: %4 ピクセルのところ %3 ピクセルあります</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="127"/>
        <source>the name list cannot be read (%1)</source>
        <translation>名前のファイルを読めません（%1）</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="134"/>
        <source>not code page 932 (Shift_JIS): entries %1 cannot be read</source>
        <translation>CP932（シフトJIS）ではありません: %1 番目の項目を読めません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="133"/>
        <source>read as UTF-8, but entries %1 are not UTF-8</source>
        <translation>UTF-8 として読みましたが、%1 番目の項目が UTF-8 ではありません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="139"/>
        <source>read as UTF-8</source>
        <translation>UTF-8 として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="141"/>
        <source>read as code page 932 (Shift_JIS)</source>
        <translation>CP932（シフトJIS）として読みます</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="168"/>
        <source>note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="166"/>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="167"/>
        <source>warning</source>
        <translation>注意</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="177"/>
        <source>%1: the media folder is complete</source>
        <translation>%1: メディアのフォルダに問題はありません</translation>
    </message>
    <message>
        <location filename="../src/app/mediacheck.cpp" line="179"/>
        <source>%1: %2 errors, %3 warnings</source>
        <translation>%1: エラー %2 件、注意 %3 件</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="11"/>
        <source>not a WAV sound</source>
        <translation>WAV の音ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="21"/>
        <source>the sound&apos;s format block is cut short</source>
        <translation>音の形式の部分が途中で切れています</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="29"/>
        <source>the sound is not in a format the program plays (PCM WAV)</source>
        <translation>プログラムが鳴らせる形式（PCM の WAV）ではありません</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="33"/>
        <source>the sound has no format block before its samples</source>
        <translation>音のデータの前に形式の部分がありません</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="35"/>
        <source>the sound holds no samples</source>
        <translation>音のデータが入っていません</translation>
    </message>
    <message>
        <location filename="../src/media/wavefile.cpp" line="39"/>
        <location filename="../src/media/wavefile.cpp" line="44"/>
        <source>the sound is cut short</source>
        <translation>音のファイルが途中で切れています</translation>
    </message>
</context>
</TS>
