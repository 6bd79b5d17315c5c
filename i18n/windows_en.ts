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
    <name>BattleStatePanel</name>
    <message>
        <source>バトル状態</source>
        <translation>Battle state</translation>
    </message>
    <message>
        <source>状態をリセット</source>
        <translation>Reset the state</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>攻撃側</source>
        <translation>Attacker</translation>
    </message>
    <message>
        <source>防御側</source>
        <translation>Defender</translation>
    </message>
    <message>
        <source>場</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>トリックルーム</source>
        <translation>Trick Room</translation>
    </message>
    <message>
        <source>マジックルーム</source>
        <translation>Magic Room</translation>
    </message>
    <message>
        <source>ワンダールーム</source>
        <translation>Wonder Room</translation>
    </message>
    <message>
        <source>ターン終了時も数える</source>
        <translation>Count the end of turn too</translation>
    </message>
    <message>
        <source>確定数に、ターン終了時の天気・たべのこし・どく・やけど・やどりぎのタネ・オボンのみなどを含めます</source>
        <translation>Counts weather, Leftovers, poison, burn, Leech Seed, Sitrus Berry and the like at the end of each turn in the KO chances</translation>
    </message>
    <message>
        <source>命中・急所も数える</source>
        <translation>Count misses and critical hits too</translation>
    </message>
    <message>
        <source>確定数に、技が外れる確率と急所に当たる確率を含めます（命中・回避の補正、特性・持ち物・じゅうりょくも）</source>
        <translation>Counts the chance to miss and the chance of a critical hit in the KO chances (with accuracy and evasion stages, abilities, items and Gravity)</translation>
    </message>
    <message>
        <source>回目</source>
        <translation> turn</translation>
    </message>
    <message>
        <source>もうどくの何ターン目か（1 ターン目は 1/16）</source>
        <translation>Which turn of bad poison (turn 1 takes 1/16)</translation>
    </message>
    <message>
        <source>攻撃側の場</source>
        <translation>Attacker&apos;s side</translation>
    </message>
    <message>
        <source>防御側の場</source>
        <translation>Defender&apos;s side</translation>
    </message>
    <message>
        <source>おいかぜ</source>
        <translation>Tailwind</translation>
    </message>
    <message>
        <source>ステルスロック</source>
        <translation>Stealth Rock</translation>
    </message>
    <message>
        <source>まきびし </source>
        <translation>Spikes </translation>
    </message>
    <message>
        <source>「交代で登場」にチェックがあるときだけ、最初の攻撃の前に受けます</source>
        <translation>Taken before the first attack, only when &quot;Switching in&quot; is ticked</translation>
    </message>
    <message>
        <source>やどりぎのタネ</source>
        <translation>Leech Seed</translation>
    </message>
    <message>
        <source>じゅうでん</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>もらいび</source>
        <translation>Flash Fire</translation>
    </message>
    <message>
        <source>交代で登場</source>
        <translation>Switching in</translation>
    </message>
    <message>
        <source>この側の設置技（ステルスロック・まきびし）を最初の攻撃の前に受けます</source>
        <translation>Takes this side&apos;s entry hazards (Stealth Rock, Spikes) before the first attack</translation>
    </message>
</context>
<context>
    <name>BoxDocument</name>
    <message>
        <source>登録</source>
        <translation>register</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>テキスト入力</source>
        <translation>text input</translation>
    </message>
    <message>
        <source>インポート</source>
        <translation>import</translation>
    </message>
</context>
<context>
    <name>BoxListModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>バントレ</source>
        <translation>Species</translation>
    </message>
</context>
<context>
    <name>BoxWindow</name>
    <message>
        <source>バントレボックス</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 バントレボックス</source>
        <translation>%1 Box</translation>
    </message>
    <message>
        <source>攻撃側</source>
        <translation>Attacker</translation>
    </message>
    <message>
        <source>防御側</source>
        <translation>Defender</translation>
    </message>
    <message>
        <source>並べ替えても攻撃側・防御側を保つ</source>
        <translation>Keep the attacker and defender when reordering</translation>
    </message>
    <message>
        <source>項目の移動や、ほかの項目の削除のあとも、攻撃側と防御側に同じ項目を残します</source>
        <translation>Keeps the same entries as attacker and defender after entries are moved or others deleted</translation>
    </message>
    <message>
        <source>図鑑で見る</source>
        <translation>See in the dex</translation>
    </message>
    <message>
        <source>選んだ項目のバントレを詳細ウィンドウで開きます</source>
        <translation>Opens the selected entry&apos;s species in the detail window</translation>
    </message>
    <message>
        <source>→攻撃側</source>
        <translation>→ Attacker</translation>
    </message>
    <message>
        <source>→防御側</source>
        <translation>→ Defender</translation>
    </message>
    <message>
        <source>攻撃防御入替</source>
        <translation>Swap attacker and defender</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>項目上移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>項目下移動</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>最上位移動</source>
        <translation>Move to top</translation>
    </message>
    <message>
        <source>最下位移動</source>
        <translation>Move to bottom</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>インポート</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>登録データ</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>テキスト出力</source>
        <translation>Text output</translation>
    </message>
    <message>
        <source>テキスト入力</source>
        <translation>Text input</translation>
    </message>
    <message>
        <source>選択中の項目をチーム用テキストでコピーします（Shift+クリックで全項目）</source>
        <translation>Copies the selected entry as team text (Shift+click: every entry)</translation>
    </message>
    <message>
        <source>選択中の項目をコピー</source>
        <translation>Copy the selected entry</translation>
    </message>
    <message>
        <source>全項目をコピー</source>
        <translation>Copy every entry</translation>
    </message>
    <message>
        <source>%1の計算過程</source>
        <translation>The calculation of %1</translation>
    </message>
    <message>
        <source>チーム用テキスト %1 件</source>
        <translation>Team text of %1 set(s)</translation>
    </message>
    <message>
        <source>
上書きすると、その変更は失われます。</source>
        <translation>
Overwriting it loses those changes.</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>
名前を付けて保存しますか？</source>
        <translation>
Save it under another name?</translation>
    </message>
    <message>
        <source>復元する</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>削除する</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>残しておく</source>
        <translation>Keep it</translation>
    </message>
    <message>
        <source>空のボックスを復元する</source>
        <translation>Restore the empty box</translation>
    </message>
    <message>
        <source>上書きする</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>対面の計算過程</source>
        <translation>the one-on-one&apos;s log</translation>
    </message>
    <message>
        <source>2匹だけで戦い、それぞれいちばん早く倒せる技を使い続けたときの勝ち・引き分け・負けの確率</source>
        <translation>The chances to win, draw and lose when the two meet alone, each using the move that knocks the other out soonest every turn</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>対面の最初のターンの分かれ方をコピーし、計算過程に表示します</source>
        <translation>Copies how the first turns of the one-on-one end and shows it in the calculation log</translation>
    </message>
</context>
<context>
    <name>ConditionsPanel</name>
    <message>
        <source>攻撃補正</source>
        <translation>Attack stage</translation>
    </message>
    <message>
        <source>防御補正</source>
        <translation>Defense stage</translation>
    </message>
    <message>
        <source>天気</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>習得技リストの制限</source>
        <translation>Learnset filter</translation>
    </message>
    <message>
        <source>急所</source>
        <translation>Critical hit</translation>
    </message>
    <message>
        <source>一覧・努力値探索</source>
        <translation>Matrix and EV finder</translation>
    </message>
    <message>
        <source>連続攻撃</source>
        <translation>Attacks in a row</translation>
    </message>
    <message>
        <source>計算方式</source>
        <translation>Calculation mode</translation>
    </message>
</context>
<context>
    <name>DamageRows</name>
    <message>
        <source>名称</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>優先度</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>威力</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>分類</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>ダメージ範囲</source>
        <translation>Damage range</translation>
    </message>
    <message>
        <source>HP割合</source>
        <translation>HP %</translation>
    </message>
    <message>
        <source>攻撃回数</source>
        <translation>Hits to KO</translation>
    </message>
    <message>
        <source>わざ１</source>
        <translation>Move 1</translation>
    </message>
    <message>
        <source>わざ２</source>
        <translation>Move 2</translation>
    </message>
    <message>
        <source>わざ３</source>
        <translation>Move 3</translation>
    </message>
    <message>
        <source>わざ４</source>
        <translation>Move 4</translation>
    </message>
    <message>
        <source>倍率：タイプ相性とタイプ一致の倍率です。
特性や持ち物で無効になるとき（ダメージ範囲が「無効」）も、相性どおりの値を示します。</source>
        <translation>Multiplier: the type matchup times the same-type attack bonus.
When an ability or item makes the move fail (&quot;No effect&quot; in the damage range), it still shows the matchup.</translation>
    </message>
    <message>
        <source>詳細取得</source>
        <translation>Copy details</translation>
    </message>
    <message>
        <source>9999 ～ 9999</source>
        <translation>9999 - 9999</translation>
    </message>
    <message>
        <source>100.0％ ～ 100.0％</source>
        <translation>100.0% - 100.0%</translation>
    </message>
    <message>
        <source>…込みで 乱数10発 (99.9％)</source>
        <translation>… incl.: 99.9% chance to 10HKO</translation>
    </message>
    <message>
        <source>999 ～ 999</source>
        <translation>999 - 999</translation>
    </message>
    <message>
        <source>習得技</source>
        <translation>Learnset move</translation>
    </message>
    <message>
        <source>直接数値選択</source>
        <translation>By power</translation>
    </message>
</context>
<context>
    <name>DetailWindow</name>
    <message>
        <source>マシン</source>
        <translation>TM/HM</translation>
    </message>
    <message>
        <source>遺伝</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>含進化前</source>
        <translation>Pre-evolutions</translation>
    </message>
    <message>
        <source>特殊習得</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>ネリカ</source>
        <translation>DP</translation>
    </message>
    <message>
        <source>オルテア</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>JYJY</source>
        <translation>HGSS</translation>
    </message>
    <message>
        <source>ヴァルメリア</source>
        <translation>BW</translation>
    </message>
    <message>
        <source>QX-ZV差分</source>
        <translation>DP→Pt changes</translation>
    </message>
    <message>
        <source>ZV-JYJY差分</source>
        <translation>Pt→HGSS changes</translation>
    </message>
    <message>
        <source>TK以前-TK差分</source>
        <translation>Gen 4→BW changes</translation>
    </message>
    <message>
        <source>こうげき</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>ぼうぎょ</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>とくこう</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>とくぼう</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>すばやさ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1 バントレ詳細データ</source>
        <translation>%1 Species detail</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>個体値判定へ</source>
        <translation>To the IV judge</translation>
    </message>
    <message>
        <source>このバントレで個体値Ｖ判定を開きます</source>
        <translation>Opens the IV judge on this species</translation>
    </message>
    <message>
        <source>ボックスに登録</source>
        <translation>Register in the box</translation>
    </message>
    <message>
        <source>このバントレの新しいデータを編集画面で作ります</source>
        <translation>Makes a new entry of this species in the edit form</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>とくせい</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>♀の割合</source>
        <translation>♀ ratio</translation>
    </message>
    <message>
        <source>タマゴグループ</source>
        <translation>Egg group</translation>
    </message>
    <message>
        <source>孵化歩数</source>
        <translation>Hatch steps</translation>
    </message>
    <message>
        <source>進化前１</source>
        <translation>Pre-evolution 1</translation>
    </message>
    <message>
        <source>進化前２</source>
        <translation>Pre-evolution 2</translation>
    </message>
    <message>
        <source>進化先</source>
        <translation>Evolves into</translation>
    </message>
    <message>
        <source>進化先を表示</source>
        <translation>Show evolutions</translation>
    </message>
    <message>
        <source>種族値</source>
        <translation>Base stats</translation>
    </message>
    <message>
        <source>このレベルでの能力値（個体値0・努力値0・性格補正なし）</source>
        <translation>Stats at this level (IVs 0, EVs 0, neutral nature)</translation>
    </message>
    <message>
        <source>耐性</source>
        <translation>Resists</translation>
    </message>
    <message>
        <source>弱点</source>
        <translation>Weak to</translation>
    </message>
    <message>
        <source>分類</source>
        <translation>Category</translation>
    </message>
</context>
<context>
    <name>EntryEditWindow</name>
    <message>
        <source>攻撃</source>
        <translation>Atk</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>SpA</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>SpD</translation>
    </message>
    <message>
        <source>素早</source>
        <translation>Spe</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>わざ名称</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>威力</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>命中</source>
        <translation>Acc.</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>分類</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>対象</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>物理</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>味方ランダム</source>
        <translation>All adjacent foes</translation>
    </message>
    <message>
        <source>%1 バントレボックス&#x3000;データ編集</source>
        <translation>%1 Box entry edit</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>入力を最初の状態に戻します（対戦ルールとレベルはそのまま）</source>
        <translation>Puts the form back as it first was (the battle rule and level stay)</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>表示できない文字を含む名前です。書き換えるまで登録されたとおりに保存します。</source>
        <translation>The name holds characters that cannot be shown. It is saved as it was registered until you rewrite it.</translation>
    </message>
    <message>
        <source>0～255（既定 255）</source>
        <translation>0–255 (255 by default)</translation>
    </message>
    <message>
        <source>色違い</source>
        <translation>Shiny</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>バントレ</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>特性</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>持ち物</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>なつき度</source>
        <translation>Happiness</translation>
    </message>
    <message>
        <source>能力値</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>個体値・努力値から計算</source>
        <translation>From IVs and EVs</translation>
    </message>
    <message>
        <source>直接能力値を入力</source>
        <translation>Enter the stats</translation>
    </message>
    <message>
        <source>個体値</source>
        <translation>IVs</translation>
    </message>
    <message>
        <source>努力値</source>
        <translation>EVs</translation>
    </message>
    <message>
        <source>努力値の合計 510 までの残り</source>
        <translation>EVs left of the 510 total</translation>
    </message>
    <message>
        <source>HP調整：この形のHPで減りが最も少なく（回復が最も多く）なるもの</source>
        <translation>HP marks: the HP of these forms loses the least (or recovers the most)</translation>
    </message>
    <message>
        <source>個体値6V</source>
        <translation>IVs 6×31</translation>
    </message>
    <message>
        <source>対戦ルール指定</source>
        <translation>Battle rule</translation>
    </message>
    <message>
        <source>性格努力簡易指定</source>
        <translation>Nature and EV preset</translation>
    </message>
    <message>
        <source>パラメータ異常</source>
        <translation>Invalid values</translation>
    </message>
    <message>
        <source>登録できませんでした</source>
        <translation>The entry could not be registered</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Atk</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>SpA</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>SpD</translation>
    </message>
    <message>
        <source>素早</source>
        <translation>Spe</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>特性</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>持ち物</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>個体値</source>
        <translation>IVs</translation>
    </message>
    <message>
        <source>努力値</source>
        <translation>EVs</translation>
    </message>
    <message>
        <source>能力値</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>HP調整：%1</source>
        <translation>HP marks: %1</translation>
    </message>
</context>
<context>
    <name>IvJudgeWindow</name>
    <message>
        <source>ＨＰ</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>こうげき</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>ぼうぎょ</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>とくこう</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>とくぼう</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>すばやさ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1 バントレ個体値Ｖ判定</source>
        <translation>%1 IV judge</translation>
    </message>
    <message>
        <source>バントレ</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>レベル+1</source>
        <translation>Level +1</translation>
    </message>
    <message>
        <source>レベル-1</source>
        <translation>Level -1</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>個性</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source> 31:400～31:400 </source>
        <translation> 31:400 - 31:400 </translation>
    </message>
    <message>
        <source>999：31～31</source>
        <translation>999: 31 - 31</translation>
    </message>
    <message>
        <source>努力値</source>
        <translation>EVs</translation>
    </message>
    <message>
        <source>能力値</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>個体値:努力値～個体値:努力値
範囲のいちばん低い個体値といちばん高い個体値のそれぞれで、
能力値が初めて1上がる努力値です（「30:8～31:4」なら個体値30は努力値8、31は4で上がる）。</source>
        <translation>IV:EVs - IV:EVs
For the lowest and the highest IV of the range, the EVs at which
the stat first rises by 1 (&quot;30:8 - 31:4&quot;: IV 30 rises at 8 EVs, IV 31 at 4).</translation>
    </message>
    <message>
        <source>めざパ表示する</source>
        <translation>Show Hidden Power</translation>
    </message>
    <message>
        <source>ドラゴン  :70-70  </source>
        <translation>Fighting  :70-70  </translation>
    </message>
    <message>
        <source>めざパタイプ</source>
        <translation>Hidden Power type</translation>
    </message>
    <message>
        <source>個体値出力</source>
        <translation>Copy the IVs</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>判定結果</source>
        <translation>The judgement</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>計算過程</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>「詳細取得」でコピーした計算過程をここに表示します</source>
        <translation>Shows here the calculation copied with &quot;Copy details&quot;</translation>
    </message>
</context>
<context>
    <name>MatrixModel</name>
    <message>
        <source>攻撃側が先手か後手か（素早さで。技の優先度は数えません）</source>
        <translation>Whether the attacker moves first or second (by Speed; move priority not counted)</translation>
    </message>
</context>
<context>
    <name>MatrixWindow</name>
    <message>
        <source>連続攻撃・複数の相手</source>
        <translation>Sequences and several targets</translation>
    </message>
    <message>
        <source>%1 バントレボックス&#x3000;一覧・努力値探索</source>
        <translation>%1 Box matrix and EV finder</translation>
    </message>
    <message>
        <source>ダメージ一覧</source>
        <translation>Damage matrix</translation>
    </message>
    <message>
        <source>努力値探索</source>
        <translation>EV finder</translation>
    </message>
    <message>
        <source>攻撃側 → ボックス全体</source>
        <translation>Attacker → whole box</translation>
    </message>
    <message>
        <source>ボックス全体 → 防御側</source>
        <translation>Whole box → defender</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>確定数の色：</source>
        <translation>KO colours:</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>対面勝率：中止しました（%1 / %2）</source>
        <translation>1v1 win %: stopped (%1 / %2)</translation>
    </message>
    <message>
        <source>対面勝率を計算中… %1 / %2</source>
        <translation>Computing 1v1 win %… %1 / %2</translation>
    </message>
    <message>
        <source>選んだ項目がこの項目と1対1で戦って勝つ確率（それぞれいちばん早く倒せる技を使い続けるとして）</source>
        <translation>The chance that the chosen entry beats this one alone (each using the move that knocks the other out soonest)</translation>
    </message>
    <message>
        <source>対面勝率</source>
        <translation>1v1 win %</translation>
    </message>
    <message>
        <source>選んだ項目がそれぞれの項目と1対1で戦って勝つ確率の列を最後に加えます</source>
        <translation>Adds a last column with the chance that the chosen entry beats each entry alone</translation>
    </message>
    <message>
        <source>技と確定数だけ</source>
        <translation>Moves and KOs only</translation>
    </message>
    <message>
        <source>ダメージとHP割合の列を隠し、4つの技を横に並べて見られるようにします</source>
        <translation>Hides the damage and HP-share columns, so that the four moves fit side by side</translation>
    </message>
</context>
<context>
    <name>MoveListModel</name>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>習得方法</source>
        <translation>Learn method</translation>
    </message>
    <message>
        <source>わざの名前</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>分類</source>
        <translation>Cat.</translation>
    </message>
    <message>
        <source>威力</source>
        <translation>Pow.</translation>
    </message>
    <message>
        <source>命中</source>
        <translation>Acc.</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>対象</source>
        <translation>Target</translation>
    </message>
</context>
<context>
    <name>ProductTitle</name>
    <message>
        <source>ルセリナTK Ver 0.9.3</source>
        <translation>rusrina TK Ver 0.9.3</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>こうげき</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>ぼうぎょ</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>すばやさ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>とくこう</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>とくぼう</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>LV技</source>
        <translation>Level-up</translation>
    </message>
    <message>
        <source>遺伝技</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>技マシン</source>
        <translation>TM/HM</translation>
    </message>
    <message>
        <source>教え技</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>ネリカ</source>
        <translation>DP</translation>
    </message>
    <message>
        <source>オルテア</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>JYJY</source>
        <translation>HGSS</translation>
    </message>
    <message>
        <source>ヴァルメリア</source>
        <translation>BW</translation>
    </message>
    <message>
        <source>わざ１</source>
        <translation>Move 1</translation>
    </message>
    <message>
        <source>わざ２</source>
        <translation>Move 2</translation>
    </message>
    <message>
        <source>わざ３</source>
        <translation>Move 3</translation>
    </message>
    <message>
        <source>わざ４</source>
        <translation>Move 4</translation>
    </message>
    <message>
        <source>威力</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>命中</source>
        <translation>Acc.</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>分類</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>対象</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>効果</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>変化</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>相手ランダム</source>
        <translation>All adjacent foes</translation>
    </message>
    <message>
        <source>条件クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>%1 バントレ絞込み検索</source>
        <translation>%1 Species search</translation>
    </message>
    <message>
        <source>検索終了</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>種族値による絞込み</source>
        <translation>By base stats</translation>
    </message>
    <message>
        <source>タイプ・とくせい・たまごグループによる絞込み</source>
        <translation>By type, ability and egg group</translation>
    </message>
    <message>
        <source>タイプ１</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>タイプ２</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>とくせい</source>
        <translation>Ability</translation>
    </message>
    <message>
        <source>たまごグループ</source>
        <translation>Egg group</translation>
    </message>
    <message>
        <source>わざによる絞込み</source>
        <translation>By moves</translation>
    </message>
    <message>
        <source>OR指定</source>
        <translation>Any of</translation>
    </message>
    <message>
        <source>AND指定</source>
        <translation>All of</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>わざ名称</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>対戦ルール</source>
        <translation>Battle rule</translation>
    </message>
    <message>
        <source>成長段階</source>
        <translation>Evolution stage</translation>
    </message>
    <message>
        <source>名前で探す</source>
        <translation>Find by name</translation>
    </message>
    <message>
        <source>カタカナ・ひらがな・半角カナ・英語名の一部で一覧の行を選びます。
↓↑で次・前の該当行、Enterで図鑑詳細を開きます。</source>
        <translation>Selects the row whose name holds the text (English name or kana).
Down and Up go to the next and previous match, Enter opens the detail.</translation>
    </message>
    <message>
        <source>デオキシス（アタック）</source>
        <translation>Deoxys (Attack Forme)</translation>
    </message>
</context>
<context>
    <name>SequenceWindow</name>
    <message>
        <source>%1 バントレボックス&#x3000;連続攻撃</source>
        <translation>%1 Box attacks in a row</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>すべて削除</source>
        <translation>Remove all</translation>
    </message>
    <message>
        <source>耐久調整（この連続攻撃を耐える HP・防御・特防の努力値）</source>
        <translation>Bulk tuning (HP, Defense and Sp. Def EVs that survive these attacks)</translation>
    </message>
    <message>
        <source>探す</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>耐える確率</source>
        <translation>Chance to survive</translation>
    </message>
    <message>
        <source>条件が変わったので探索をやめました</source>
        <translation>The search stopped, as the conditions changed</translation>
    </message>
    <message>
        <source>回</source>
        <translation> times</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>攻撃側</source>
        <translation>Attacker</translation>
    </message>
    <message>
        <source>技</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>%1（ボックスにありません）</source>
        <translation>%1 (not in the box)</translation>
    </message>
</context>
<context>
    <name>SetTextDialog</name>
    <message>
        <source>テキスト入力</source>
        <translation>Text input</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>テキスト出力の言語</source>
        <translation>Language of the text output</translation>
    </message>
    <message>
        <source>チーム用テキスト（空行で区切ったセット）</source>
        <translation>Team text (sets apart by a blank line)</translation>
    </message>
    <message>
        <source>貼り付けた%1</source>
        <translation>Pasted text: %1</translation>
    </message>
    <message>
        <source>クリップボードの%1</source>
        <translation>Clipboard: %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>このデータディレクトリをロックできませんでした。
%1
同じディレクトリでルセリナを同時に二つ起動すると、一方の保存がもう一方の保存を上書きします。</source>
        <translation>This data directory could not be locked.
%1
Two copies of rusrina running on the same directory at once overwrite each other&apos;s saves.</translation>
    </message>
    <message>
        <source>このデータディレクトリを使うルセリナが既に起動しています。
%1
起動中のルセリナを前面に出せませんでした。そちらのウィンドウをお使いください。</source>
        <translation>rusrina is already running on this data directory.
%1
It could not be brought to the front. Please use its windows.</translation>
    </message>
</context>
<context>
    <name>SpreadPanel</name>
    <message>
        <source>HP調整</source>
        <translation>HP mark</translation>
    </message>
    <message>
        <source>技</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>確実さ</source>
        <translation>Certainty</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>ほかの努力値も振り直す</source>
        <translation>Spread the other EVs again</translation>
    </message>
    <message>
        <source>探す能力値のほかの努力値も 0 にして使います（チェックした能力値の努力値は残します）</source>
        <translation>Also sets the EVs outside the stats searched to 0 (the ticked stats keep theirs)</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>残す努力値：</source>
        <translation>Keep EVs:</translation>
    </message>
    <message>
        <source>耐久：防御側の HP と防御・特防</source>
        <translation>Bulk: the defender&apos;s HP, Defense and Sp. Def</translation>
    </message>
    <message>
        <source>防御側に適用</source>
        <translation>Apply to the defender</translation>
    </message>
    <message>
        <source>火力：攻撃側の攻撃・特攻</source>
        <translation>Power: the attacker&apos;s Attack and Sp. Atk</translation>
    </message>
    <message>
        <source>攻撃側に適用</source>
        <translation>Apply to the attacker</translation>
    </message>
    <message>
        <source>素早さ調整</source>
        <translation>Speed tuning</translation>
    </message>
    <message>
        <source>相手の種族・レベルでの よく使われる素早さ（最遅はトリックルーム向け）</source>
        <translation>Common Speeds of the other side&apos;s species and level (the slowest for Trick Room)</translation>
    </message>
    <message>
        <source>調整した側に適用</source>
        <translation>Apply to the tuned side</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Against</translation>
    </message>
    <message>
        <source>耐久の努力値</source>
        <translation>Bulk EVs</translation>
    </message>
    <message>
        <source>火力の努力値</source>
        <translation>Power EVs</translation>
    </message>
    <message>
        <source>素早さの努力値</source>
        <translation>Speed EVs</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>ルセリナ（ランチャー）</source>
        <translation>rusrina (launcher)</translation>
    </message>
    <message>
        <source>バントレ絞込み検索</source>
        <translation>Species search</translation>
    </message>
    <message>
        <source>バントレ個体値Ｖ判定</source>
        <translation>IV judge</translation>
    </message>
    <message>
        <source>バントレボックス</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>一覧・努力値探索</source>
        <translation>Matrix and EV finder</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ほかのツールを前面に出します（Ctrl+1～Ctrl+5）</source>
        <translation>Brings another tool to the front (Ctrl+1 to Ctrl+5)</translation>
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
