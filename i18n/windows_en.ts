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
    <name>MatrixWindow</name>
    <message>
        <source>連続攻撃・複数の相手</source>
        <translation>Sequences and several targets</translation>
    </message>
</context>
<context>
    <name>SpreadPanel</name>
    <message>
        <source>HP調整</source>
        <translation>HP mark</translation>
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
<context>
    <name>TuningPanel</name>
    <message>
        <source>耐久調整：連続攻撃を耐える HP・防御・特防</source>
        <translation>Bulk: HP, Defense and Sp. Def to survive the attack sequence</translation>
    </message>
    <message>
        <source>探す</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>耐える確率</source>
        <translation>Survival chance</translation>
    </message>
    <message>
        <source>防御側に適用</source>
        <translation>Apply to defender</translation>
    </message>
    <message>
        <source>火力調整：複数の相手を倒す攻撃・特攻</source>
        <translation>Power: Attack or Sp. Atk to knock out several targets</translation>
    </message>
    <message>
        <source>今の防御側を追加</source>
        <translation>Add current defender</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>攻撃側に適用</source>
        <translation>Apply to attacker</translation>
    </message>
    <message>
        <source>条件が変わったので探索をやめました</source>
        <translation>The search stopped because the conditions changed</translation>
    </message>
    <message>
        <source>耐久の努力値</source>
        <translation>bulk EVs</translation>
    </message>
    <message>
        <source>火力の努力値</source>
        <translation>power EVs</translation>
    </message>
</context>
</TS>
