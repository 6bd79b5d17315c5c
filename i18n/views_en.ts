<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>TuningView</name>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>guaranteed</translation>
    </message>
    <message>
        <source>%1％以上</source>
        <translation>at least %1%</translation>
    </message>
    <message>
        <source>能力値を直接入力した個体には努力値がありません</source>
        <translation>An entry with typed-in stats has no EVs</translation>
    </message>
    <message>
        <source>この技ではダメージを与えられません</source>
        <translation>This move deals no damage</translation>
    </message>
    <message>
        <source>努力値を振り切っても届きません</source>
        <translation>Not reached even with every EV</translation>
    </message>
    <message>
        <source>条件が正しくありません</source>
        <translation>The conditions are not valid</translation>
    </message>
    <message>
        <source>この技では計算できません</source>
        <translation>This move cannot be calculated</translation>
    </message>
    <message>
        <source>連続攻撃ウィンドウで攻撃の一覧を作ってください</source>
        <translation>List the attacks in the Attack Sequence window</translation>
    </message>
    <message>
        <source>防御側を選んでください</source>
        <translation>Choose a defender</translation>
    </message>
    <message>
        <source>%1 を耐える配分</source>
        <translation>Spreads that survive %1</translation>
    </message>
    <message>
        <source>HP %1％</source>
        <translation>HP %1%</translation>
    </message>
    <message>
        <source>HP %1</source>
        <translation>HP %1</translation>
    </message>
    <message>
        <source>ステルスロック</source>
        <translation>Stealth Rock</translation>
    </message>
    <message>
        <source>まきびし%1</source>
        <translation>Spikes %1</translation>
    </message>
    <message>
        <source>交代で登場</source>
        <translation>switching in</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>%1努力値</source>
        <translation>%1 EVs</translation>
    </message>
    <message>
        <source>倒す確率</source>
        <translation>KO chance</translation>
    </message>
    <message>
        <source>相手を追加してください</source>
        <translation>Add a target</translation>
    </message>
    <message>
        <source>すべてを倒す努力値はありません：%1</source>
        <translation>No EVs knock out every target: %1</translation>
    </message>
    <message>
        <source>性格 %1・%2努力値 %3（%2 %4）で %5 体すべてを %6発で%7倒す（最も固いのは %8）</source>
        <translation>%1 nature, %3 %2 EVs (%2 %4) knock out all %5 targets in %6 hits, %7 (the bulkiest: %8)</translation>
    </message>
</context>
</TS>
