<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MediaCheck</name>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="258"/>
        <source>only %n entries; the lookup screen needs %1</source>
        <translation>
            <numerusform>only %n entry; the lookup screen needs %1</numerusform>
            <numerusform>only %n entries; the lookup screen needs %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="269"/>
        <source>read as UTF-8, but entries %1 are not UTF-8</source>
        <translation>
            <numerusform>read as UTF-8, but entry %1 is not UTF-8</numerusform>
            <numerusform>read as UTF-8, but entries %1 are not UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="271"/>
        <source>not code page 932 (Shift_JIS): entries %1 cannot be read</source>
        <translation>
            <numerusform>not code page 932 (Shift_JIS): entry %1 cannot be read</numerusform>
            <numerusform>not code page 932 (Shift_JIS): entries %1 cannot be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="302"/>
        <source>the drill asks %n fish</source>
        <translation>
            <numerusform>the drill asks %n fish</numerusform>
            <numerusform>the drill asks %n fish</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="347"/>
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/mediacheck.cpp" line="348"/>
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
</TS>
