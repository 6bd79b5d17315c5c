<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>表示言語：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>使い方ガイド：docs/guide.ja.md ・ Guide: docs/guide.en.md</source>
        <translation>Guide: docs/guide.en.md · Japanese guide: docs/guide.ja.md</translation>
    </message>
    <message>
        <source>%1 ・ %2</source>
        <translation>%2 · %1</translation>
    </message>
    <message>
        <source>使い方ガイド</source>
        <translation>Guide (Japanese)</translation>
    </message>
    <message>
        <source>rusrinaのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About rusrina</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>ルセリナ</source>
        <translation>rusrina</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings file</translation>
    </message>
</context>
<context>
    <name>TopWindow</name>
    <message>
        <source>ルセリナ</source>
        <translation>rusrina</translation>
    </message>
    <message>
        <source>バントレ検索</source>
        <translation>Species search</translation>
    </message>
    <message>
        <source>バントレボックス</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>個体値V判定</source>
        <translation>IV judge</translation>
    </message>
    <message>
        <source>図鑑を閉じる</source>
        <translation>Close the dex</translation>
    </message>
    <message>
        <source>rusrina のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About rusrina...</translation>
    </message>
</context>
</TS>
