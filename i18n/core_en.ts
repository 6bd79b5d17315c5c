<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Box</name>
    <message>
        <source>ボックスが一杯です（最大 1024 件）。削除してから登録してください。</source>
        <translation>The box is full (at most 1,024 entries). Delete one before registering.</translation>
    </message>
</context>
<context>
    <name>BoxFile</name>
    <message>
        <source>先頭の印が合わない</source>
        <translation>its opening mark does not match</translation>
    </message>
    <message>
        <source>途中で切れている</source>
        <translation>it is cut short</translation>
    </message>
    <message>
        <source>このプログラムが読めない版 %1 である</source>
        <translation>it is of version %1, which this program cannot read</translation>
    </message>
    <message>
        <source>記録の大きさか数が合わない</source>
        <translation>the size or number of its records does not match</translation>
    </message>
    <message>
        <source>チェックサムが合わない</source>
        <translation>its checksum does not match</translation>
    </message>
    <message>
        <source>ファイル読込失敗: %1 (%2)</source>
        <translation>Could not read the file: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 は読み込めなかったため置き換えません。</source>
        <translation>%1 could not be read, so it is not replaced.</translation>
    </message>
    <message>
        <source>%1 は読み込んだ後（または前回の保存の後）に、ほかのプログラムによって変更されています。</source>
        <translation>%1 has been changed by another program since it was read (or last saved).</translation>
    </message>
    <message>
        <source>バックアップを作成できないため保存しませんでした。</source>
        <translation>Not saved: the backup could not be made.</translation>
    </message>
    <message>
        <source>ボックスファイル %1 が %2 を指しているため、復元用のファイルを書きませんでした。</source>
        <translation>The recovery file was not written: the box file %1 points to %2.</translation>
    </message>
    <message>
        <source>このファイルは置き換えず、ボックスは保存するときに別の名前を付けて保存します。</source>
        <translation>This file will not be replaced; the box will be saved under another name.</translation>
    </message>
    <message>
        <source>ボックスファイルの不正なデータ %1 件を読み込みませんでした。</source>
        <translation>%1 invalid records of the box file were not read.</translation>
    </message>
    <message>
        <source>拡張データ（持ち物・性別・なつき度・色違い） %1 件は、ほかのプログラムが登録を並べ替えたか書き換えたため、読み込みませんでした。</source>
        <translation>%1 items of extra data (held item, gender, happiness, shiny) were not read: another program reordered or rewrote the entries.</translation>
    </message>
    <message>
        <source>拡張データ %1 件に範囲外の値があったため、読み込める値に直しました。</source>
        <translation>%1 items of extra data held values out of range and were set to values that can be read.</translation>
    </message>
    <message>
        <source>ボックスファイルの拡張データ（持ち物・性別・なつき度・色違い）は、%1ため読み込みませんでした。登録の %2 件はそのまま読み込みました。</source>
        <translation>The box file&apos;s extra data (held items, genders, happiness, shiny) was not read because %1. The %2 entries were read as they are.</translation>
    </message>
    <message>
        <source>保存するときは元のファイルを %1 に残します。</source>
        <translation>When saving, the original file is kept as %1.</translation>
    </message>
    <message>
        <source>ファイルオープン失敗</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>%1 件追加しました。</source>
        <translation>Entries added: %1.</translation>
    </message>
    <message>
        <source>登録済みの %1 件は追加しませんでした。</source>
        <translation>Already in the box, not added: %1.</translation>
    </message>
    <message>
        <source>不正なデータ %1 件は読み込みませんでした。</source>
        <translation>Invalid records not read: %1.</translation>
    </message>
    <message>
        <source>ボックスが一杯のため %1 件を追加できませんでした。</source>
        <translation>Not added, as the box is full: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>使い方: rusrina --export-text FILE.vbd [--lang en|ja]
        rusrina --import-text TEXT FILE.vbd   (TEXT が - なら標準入力)
</source>
        <translation>Usage: rusrina --export-text FILE.vbd [--lang en|ja]
       rusrina --import-text TEXT FILE.vbd   (TEXT - reads standard input)
</translation>
    </message>
    <message>
        <source>ファイルを読めません</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>注記</source>
        <translation>note</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>DamageLog</name>
    <message>
        <source>ダメージ： %1</source>
        <translation>Damage: %1</translation>
    </message>
    <message>
        <source>必要攻撃回数： %1</source>
        <translation>Hits to KO: %1</translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>＞＞＞ 補正後の防御力が0のため計算不能</source>
        <translation>&gt;&gt;&gt; Defense after modifiers is 0: cannot be calculated</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Immune</translation>
    </message>
    <message>
        <source>%s： %-3d （ 個体値： %-3d 努力値： %-3d ）</source>
        <translation>%s: %-3d ( IVs: %-3d EVs: %-3d )</translation>
    </message>
    <message>
        <source>%s： %-3d （ 個体値： --- 努力値： --- ）</source>
        <translation>%s: %-3d ( IVs: --- EVs: --- )</translation>
    </message>
    <message>
        <source>ダメージ算出 by ルセリナ</source>
        <translation>Damage calculation by Rusrina</translation>
    </message>
    <message>
        <source>＞＞＞ </source>
        <translation>&gt;&gt;&gt; </translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Atk</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>SpA</translation>
    </message>
    <message>
        <source>＞＞＞ ＨＰ</source>
        <translation>&gt;&gt;&gt; HP</translation>
    </message>
    <message>
        <source>＞＞＞ 防御</source>
        <translation>&gt;&gt;&gt; Def</translation>
    </message>
    <message>
        <source>＞＞＞ 特防</source>
        <translation>&gt;&gt;&gt; SpD</translation>
    </message>
    <message>
        <source>威力： %1  命中： %2</source>
        <translation>Power: %1  Accuracy: %2</translation>
    </message>
    <message>
        <source>分類： %1 タイプ： %2</source>
        <translation>Category: %1 Type: %2</translation>
    </message>
    <message>
        <source>技：直接数値選択</source>
        <translation>Move: values entered directly</translation>
    </message>
    <message>
        <source>威力： %1  命中： ---</source>
        <translation>Power: %1  Accuracy: ---</translation>
    </message>
    <message>
        <source>分類： %1 タイプ： 天候依存</source>
        <translation>Category: %1 Type: by weather</translation>
    </message>
    <message>
        <source>（天候：%1＝%2タイプ）</source>
        <translation>(weather: %1 = %2 type)</translation>
    </message>
    <message>
        <source>「ノーマルスキン」によりノーマルタイプに変更</source>
        <translation>Normalize: becomes Normal type</translation>
    </message>
    <message>
        <source>「エアロック」「ノーてんき」により天候を通常に</source>
        <translation>Air Lock / Cloud Nine: weather cleared</translation>
    </message>
    <message>
        <source>「てんきや」により%1タイプに</source>
        <translation>Forecast: becomes %1 type</translation>
    </message>
    <message>
        <source>＞＞＞ 「てんきや」により%1タイプに</source>
        <translation>&gt;&gt;&gt; Forecast: becomes %1 type</translation>
    </message>
    <message>
        <source>「みやぶる」により「ノーマル格闘」有効</source>
        <translation>Foresight: Normal and Fighting moves hit</translation>
    </message>
    <message>
        <source>「きもったま」により「ノーマル格闘」有効</source>
        <translation>Scrappy: Normal and Fighting moves hit</translation>
    </message>
    <message>
        <source>「じゅうりょく」により「じめん」等倍</source>
        <translation>Gravity: Ground moves hit for neutral damage</translation>
    </message>
    <message>
        <source>相性補正： *%1</source>
        <translation>Type effectiveness: *%1</translation>
    </message>
    <message>
        <source>「てきおうりょく」によりタイプ一致でダメージ： *2</source>
        <translation>Adaptability: same-type damage *2</translation>
    </message>
    <message>
        <source>タイプ一致でダメージ： *1.5</source>
        <translation>Same-type damage *1.5</translation>
    </message>
    <message>
        <source>「じばく」「だいばくはつ」で防御力：*0.5</source>
        <translation>Selfdestruct / Explosion: Defense *0.5</translation>
    </message>
    <message>
        <source>最大威力に設定：＝102</source>
        <translation>Set to the highest power: = 102</translation>
    </message>
    <message>
        <source>天候により威力： *2</source>
        <translation>Weather: power *2</translation>
    </message>
    <message>
        <source>ダメージ変化技につき計算不能</source>
        <translation>The damage of this move varies: cannot be calculated</translation>
    </message>
    <message>
        <source>晴れで炎技威力： *1.5</source>
        <translation>Sun: Fire move power *1.5</translation>
    </message>
    <message>
        <source>「フラワーギフト」時に晴れで攻撃： *1.5</source>
        <translation>Flower Gift in sun: Attack *1.5</translation>
    </message>
    <message>
        <source>晴れで水技威力： *0.5</source>
        <translation>Sun: Water move power *0.5</translation>
    </message>
    <message>
        <source>「サンパワー」時に晴れで特殊： *1.5</source>
        <translation>Solar Power in sun: Special Attack *1.5</translation>
    </message>
    <message>
        <source>雨で炎技威力： *0.5</source>
        <translation>Rain: Fire move power *0.5</translation>
    </message>
    <message>
        <source>雨で水技威力： *1.5</source>
        <translation>Rain: Water move power *1.5</translation>
    </message>
    <message>
        <source>＞＞＞ 砂嵐で岩タイプは特防： *1.5</source>
        <translation>&gt;&gt;&gt; Sandstorm: Rock type Special Defense *1.5</translation>
    </message>
    <message>
        <source>「チイラのみ」で攻撃： *1.5</source>
        <translation>Liechi Berry: Attack *1.5</translation>
    </message>
    <message>
        <source>「ヤタピのみ」で特攻： *1.5</source>
        <translation>Petaya Berry: Special Attack *1.5</translation>
    </message>
    <message>
        <source>「たんじゅん」でランク影響2倍</source>
        <translation>Simple: stat stages count double</translation>
    </message>
    <message>
        <source>＞＞＞ 「たんじゅん」でランク影響2倍</source>
        <translation>&gt;&gt;&gt; Simple: stat stages count double</translation>
    </message>
    <message>
        <source>「てんねん」で相手のランク影響無視</source>
        <translation>Unaware: the foe&apos;s stat stages ignored</translation>
    </message>
    <message>
        <source>＞＞＞ 「てんねん」で相手のランク影響無視</source>
        <translation>&gt;&gt;&gt; Unaware: the foe&apos;s stat stages ignored</translation>
    </message>
    <message>
        <source>攻撃ランク補正＝攻撃力： *%1</source>
        <translation>Attack stage: attack *%1</translation>
    </message>
    <message>
        <source>＞＞＞ 防御ランク補正＝防御力： *%1</source>
        <translation>&gt;&gt;&gt; Defense stage: defense *%1</translation>
    </message>
    <message>
        <source>「てだすけ」で威力： *1.5</source>
        <translation>Helping Hand: power *1.5</translation>
    </message>
    <message>
        <source>「こんじょう」でやけどの影響無し</source>
        <translation>Guts: no burn penalty</translation>
    </message>
    <message>
        <source>「やけど」で攻撃半減： *0.5</source>
        <translation>Burn: attack halved *0.5</translation>
    </message>
    <message>
        <source>「からげんき」は状態異常で威力： *2</source>
        <translation>Facade with a status: power *2</translation>
    </message>
    <message>
        <source>「はりきり」で攻撃力： *1.5</source>
        <translation>Hustle: attack *1.5</translation>
    </message>
    <message>
        <source>「テクニシャン」で威力： *1.5</source>
        <translation>Technician: power *1.5</translation>
    </message>
    <message>
        <source>「いろめがね」でダメージ： *2</source>
        <translation>Tinted Lens: damage *2</translation>
    </message>
    <message>
        <source>「ちからもち」「ヨガパワー」で攻撃力： *2</source>
        <translation>Huge Power / Pure Power: attack *2</translation>
    </message>
    <message>
        <source>「げきりゅう」発動で水技威力： *1.5</source>
        <translation>Torrent active: Water move power *1.5</translation>
    </message>
    <message>
        <source>「こんじょう」発動で攻撃力： *1.5</source>
        <translation>Guts active: attack *1.5</translation>
    </message>
    <message>
        <source>「しんりょく」発動で草技威力： *1.5</source>
        <translation>Overgrow active: Grass move power *1.5</translation>
    </message>
    <message>
        <source>「スロースタート」発動中は攻撃力： *0.5</source>
        <translation>Slow Start active: attack *0.5</translation>
    </message>
    <message>
        <source>「むしのしらせ」発動で虫技威力： *1.5</source>
        <translation>Swarm active: Bug move power *1.5</translation>
    </message>
    <message>
        <source>「もうか」発動で炎技威力： *1.5</source>
        <translation>Blaze active: Fire move power *1.5</translation>
    </message>
    <message>
        <source>「もらいび」発動で炎技威力： *1.5</source>
        <translation>Flash Fire active: Fire move power *1.5</translation>
    </message>
    <message>
        <source>「あついしぼう」でダメージ： *0.5</source>
        <translation>Thick Fat: damage *0.5</translation>
    </message>
    <message>
        <source>「かんそうはだ」でダメージ： *1.25</source>
        <translation>Dry Skin: damage *1.25</translation>
    </message>
    <message>
        <source>「かんそうはだ」で水技無効</source>
        <translation>Dry Skin: immune to Water moves</translation>
    </message>
    <message>
        <source>「たいねつ」でダメージ： *0.5</source>
        <translation>Heatproof: damage *0.5</translation>
    </message>
    <message>
        <source>「ちくでん」「でんきエンジン」で電気技無効</source>
        <translation>Volt Absorb / Motor Drive: immune to Electric moves</translation>
    </message>
    <message>
        <source>「ちょすい」で水技無効</source>
        <translation>Water Absorb: immune to Water moves</translation>
    </message>
    <message>
        <source>「ハードロック」「フィルター」でダメージ： *0.75</source>
        <translation>Solid Rock / Filter: damage *0.75</translation>
    </message>
    <message>
        <source>「ふしぎなまもり」で無効</source>
        <translation>Wonder Guard: no effect</translation>
    </message>
    <message>
        <source>「じゅうりょく」で「ふゆう」が無効＝地面技等倍</source>
        <translation>Gravity: Levitate has no effect, Ground moves hit for neutral damage</translation>
    </message>
    <message>
        <source>「ふゆう」で地面技無効</source>
        <translation>Levitate: immune to Ground moves</translation>
    </message>
    <message>
        <source>「もらいび」で炎技無効</source>
        <translation>Flash Fire: immune to Fire moves</translation>
    </message>
    <message>
        <source>「敵二体」で威力： *0.75</source>
        <translation>Both foes: power *0.75</translation>
    </message>
    <message>
        <source>「全体」で威力： *0.75</source>
        <translation>All others: power *0.75</translation>
    </message>
    <message>
        <source>「%1」で攻撃力： *%2</source>
        <translation>%1: attack *%2</translation>
    </message>
    <message>
        <source>＞＞＞ 「%1」で防御力： *%2</source>
        <translation>&gt;&gt;&gt; %1: defense *%2</translation>
    </message>
    <message>
        <source>＞＞＞ 「リフレクター」でダメージ： *0.5</source>
        <translation>&gt;&gt;&gt; Reflect: damage *0.5</translation>
    </message>
    <message>
        <source>＞＞＞ 「ひかりのかべ」でダメージ： *0.5</source>
        <translation>&gt;&gt;&gt; Light Screen: damage *0.5</translation>
    </message>
</context>
<context>
    <name>EntryName</name>
    <message>
        <source>改行</source>
        <translation>line break</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>tab</translation>
    </message>
</context>
<context>
    <name>HpMarks</name>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>天候・どく</source>
        <translation>weather, poison</translation>
    </message>
    <message>
        <source>たべのこし</source>
        <translation>Leftovers</translation>
    </message>
    <message>
        <source>いのちのたま</source>
        <translation>Life Orb</translation>
    </message>
    <message>
        <source>ステロ・やどりぎ</source>
        <translation>Stealth Rock, Leech Seed</translation>
    </message>
    <message>
        <source>まきびし2</source>
        <translation>Spikes x2</translation>
    </message>
    <message>
        <source>ピンチきのみ</source>
        <translation>pinch berry</translation>
    </message>
    <message>
        <source>みがわり</source>
        <translation>Substitute</translation>
    </message>
    <message>
        <source>はらだいこ</source>
        <translation>Belly Drum</translation>
    </message>
</context>
<context>
    <name>IvJudge</name>
    <message>
        <source>ＨＰ</source>
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
        <source>%d：%d</source>
        <translation>%d: %d</translation>
    </message>
    <message>
        <source>%d：%d～%d</source>
        <translation>%d: %d-%d</translation>
    </message>
    <message>
        <source> %d:%d～%d:%d </source>
        <translation> %d:%d-%d:%d </translation>
    </message>
    <message>
        <source>あめ： %d 個 ドーピング： %d 個&#x3000;Ｖ確定能力値： %d</source>
        <translation>Rare Candies: %d  Vitamins: %d  Stat that proves 31: %d</translation>
    </message>
    <message>
        <source>%d以下</source>
        <translation>%d or less</translation>
    </message>
    <message>
        <source>%d以上</source>
        <translation>%d or more</translation>
    </message>
    <message>
        <source>条件に合う個体値がありません</source>
        <translation>No IVs fit</translation>
    </message>
    <message>
        <source>個性：%1</source>
        <translation>Characteristic: %1</translation>
    </message>
    <message>
        <source>めざパタイプ：%1</source>
        <translation>Hidden Power type: %1</translation>
    </message>
    <message>
        <source>種族：%s&#x3000;ＬＶ：%3d&#x3000;性格：%s</source>
        <translation>Species: %s  Lv: %3d  Nature: %s</translation>
    </message>
    <message>
        <source>%s：%3d ( %2d ～ %2d )</source>
        <translation>%s: %3d ( %2d - %2d )</translation>
    </message>
    <message>
        <source>&#x3000;努力値：%3d</source>
        <translation>  EVs: %3d</translation>
    </message>
    <message>
        <source> 可能性のある「めざパ」一覧</source>
        <translation> Possible Hidden Power types</translation>
    </message>
</context>
<context>
    <name>MoveSources</name>
    <message>
        <source>レベル技</source>
        <translation>level-up</translation>
    </message>
    <message>
        <source>技マシン</source>
        <translation>TM/HM</translation>
    </message>
    <message>
        <source>タマゴ技</source>
        <translation>egg move</translation>
    </message>
    <message>
        <source>教え技</source>
        <translation>tutor</translation>
    </message>
    <message>
        <source>配布</source>
        <translation>event</translation>
    </message>
    <message>
        <source>フォルムチェンジ・特別な入手</source>
        <translation>form change or special gift</translation>
    </message>
    <message>
        <source>ドリームワールド</source>
        <translation>Dream World</translation>
    </message>
    <message>
        <source>スケッチ</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>第%1世代の%2</source>
        <translation>generation %1: %2</translation>
    </message>
    <message>
        <source>、第%1世代の%2</source>
        <translation>; generation %1: %2</translation>
    </message>
    <message>
        <source>、進化前から</source>
        <translation>; from a pre-evolution</translation>
    </message>
</context>
<context>
    <name>NameSearch</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>もしかして：%1</source>
        <translation>Did you mean: %1</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>復元用のファイルの名前がすべて使われているため、書きませんでした。</source>
        <translation>The recovery file was not written: every name for it is taken.</translation>
    </message>
    <message>
        <source>前回、保存しないまま終了したときのボックスの内容が残っています（%1 / %2）。</source>
        <translation>The box as it was when the program last quit without saving has been kept (%1 / %2).</translation>
    </message>
    <message>
        <source>前回、保存しないまま終了したときのボックスの内容が残っています。</source>
        <translation>The box as it was when the program last quit without saving has been kept.</translation>
    </message>
    <message>
        <source>元のファイル: %1</source>
        <translation>Original file: %1</translation>
    </message>
    <message>
        <source>書き込んだ日時: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>元のファイルはこのフォルダーのボックスファイルではないため、復元したボックスは名前を付けて保存します。</source>
        <translation>The original file is not the box file of this folder, so the recovered box will be saved under a name you choose.</translation>
    </message>
    <message>
        <source>登録: %1 件</source>
        <translation>Entries: %1</translation>
    </message>
    <message>
        <source>読み込めないデータ %1 件は復元されません。</source>
        <translation>%1 records that cannot be read will not be recovered.</translation>
    </message>
    <message>
        <source>拡張データ（持ち物・性別・なつき度・色違い）は、%1ため復元されません。</source>
        <translation>The extra data (held items, genders, happiness, shiny) will not be recovered because %1.</translation>
    </message>
    <message>
        <source>復元しますか？</source>
        <translation>Recover it?</translation>
    </message>
    <message>
        <source>元のファイル %1 は、この復元用のファイルを書いた後に変更されています。
復元して上書きすると、その変更は失われます。</source>
        <translation>The original file %1 has changed since this recovery file was written.
Recovering and saving over it loses that change.</translation>
    </message>
    <message>
        <source>復元用のファイル %1 には登録がありません。
復元すると、いまの %2 件の登録が空のボックスに置き換わります。</source>
        <translation>The recovery file %1 holds no entries.
Recovering it replaces the %2 entries now in the box with an empty box.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>書き込みが許可されていないため置き換えませんでした: %1</source>
        <translation>Not replaced, as writing is not permitted: %1</translation>
    </message>
    <message>
        <source>ファイル保存失敗: %1 (%2)</source>
        <translation>Could not save the file: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>既定の設定で起動します。このファイルは変更しません。</source>
        <translation>Starting with the default settings. This file is left unchanged.</translation>
    </message>
    <message>
        <source>設定ファイル %1 は 1 MiB を超えているため、設定ファイルとして読み込みませんでした。</source>
        <translation>The settings file %1 is larger than 1 MiB and was not read as a settings file.</translation>
    </message>
    <message>
        <source>設定ファイル %1 を読み込めませんでした (%2)。</source>
        <translation>Could not read the settings file %1 (%2).</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>TeamText</name>
    <message>
        <source>バントレ%1が見つかりません%2</source>
        <translation>Species %1 not found%2</translation>
    </message>
    <message>
        <source>%1は TK より後の作品（ブラック2・ホワイト2）のフォルムのため登録できません</source>
        <translation>%1 is a form of editions later than TK (Black 2 and White 2) and cannot be registered</translation>
    </message>
    <message>
        <source>%1は第%2世代のフォルムのため登録できません</source>
        <translation>%1 is a form of generation %2 and cannot be registered</translation>
    </message>
    <message>
        <source>%1は能力値が同じ%2として登録します</source>
        <translation>%1 is registered as %2, which has the same stats</translation>
    </message>
    <message>
        <source>名前%1に制御文字があります</source>
        <translation>The name %1 holds a control character</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>名前%1には名前に使えない文字%2があるため%3にします</source>
        <translation>The name %1 holds characters a name cannot have%2, so it becomes %3</translation>
    </message>
    <message>
        <source>名前%1は 31 バイトに収まらないため%2にします</source>
        <translation>The name %1 does not fit in 31 bytes, so it becomes %2</translation>
    </message>
    <message>
        <source>持ち物%1は第%2世代の道具のため%3にします</source>
        <translation>The item %1 is an item of generation %2, so it becomes %3</translation>
    </message>
    <message>
        <source>持ち物%1は対戦で持たせる道具ではないため%2にします</source>
        <translation>The item %1 is not held in battle, so it becomes %2</translation>
    </message>
    <message>
        <source>持ち物%1はどのメールか分からず、メールは対戦で効果がないため%2にします</source>
        <translation>The item %1 does not say which Mail, and Mail has no effect in battle, so it becomes %2</translation>
    </message>
    <message>
        <source>持ち物%1が見つからないため%2にします%3</source>
        <translation>The item %1 was not found, so it becomes %2%3</translation>
    </message>
    <message>
        <source>性別%1が読めないため外します</source>
        <translation>The gender %1 cannot be read and is left out</translation>
    </message>
    <message>
        <source>性別%1は %2 行目の%3と違うため外します</source>
        <translation>The gender %1 differs from %3 on line %2 and is left out</translation>
    </message>
    <message>
        <source>%1には性別がないため、性別%2は外します</source>
        <translation>%1 has no gender, so the gender %2 is left out</translation>
    </message>
    <message>
        <source>%1はオスだけのため、性別%2ではなく%3にします</source>
        <translation>%1 is male only, so the gender becomes %3 instead of %2</translation>
    </message>
    <message>
        <source>%1はメスだけのため、性別%2ではなく%3にします</source>
        <translation>%1 is female only, so the gender becomes %3 instead of %2</translation>
    </message>
    <message>
        <source>色違いの値%1が読めないため外します</source>
        <translation>The shiny value %1 cannot be read and is left out</translation>
    </message>
    <message>
        <source>なつき度は 0 から 255 までの整数のため%1は外します</source>
        <translation>Happiness is a whole number from 0 to 255, so %1 is left out</translation>
    </message>
    <message>
        <source>読めない行です: %1</source>
        <translation>Cannot read this line: %1</translation>
    </message>
    <message>
        <source>レベルは 1 から 100 までの整数で書いてください: %1</source>
        <translation>Write the level as a whole number from 1 to 100: %1</translation>
    </message>
    <message>
        <source>この行は読み飛ばします: %1</source>
        <translation>This line is skipped: %1</translation>
    </message>
    <message>
        <source>%1 の値 %2 は %3 から %4 の外です</source>
        <translation>The %1 value %2 is outside %3 to %4</translation>
    </message>
    <message>
        <source>個体値 %1 はゲームの個体値（0～31）を超えています（そのまま登録します）</source>
        <translation>The IVs %1 exceed the games&apos; IVs (0-31) (registered as written)</translation>
    </message>
    <message>
        <source>能力値の行には 6 つの能力値が要ります: %1</source>
        <translation>A stats line needs all 6 stats: %1</translation>
    </message>
    <message>
        <source>能力値 %1 は 1 から 999 の外です</source>
        <translation>The stat %1 is outside 1 to 999</translation>
    </message>
    <message>
        <source>性格%1が見つからないため%2にします</source>
        <translation>The nature %1 was not found, so it becomes %2</translation>
    </message>
    <message>
        <source>特性%1が見つからないため%2にします%3</source>
        <translation>The ability %1 was not found, so it becomes %2%3</translation>
    </message>
    <message>
        <source>特性が %1 行目にもあるため、%2ではなく%3にします</source>
        <translation>An ability is also given on line %1, so it becomes %3 instead of %2</translation>
    </message>
    <message>
        <source>%1は特性%2を持ちません（そのまま登録します）</source>
        <translation>%1 cannot have the ability %2 (registered as written)</translation>
    </message>
    <message>
        <source>技の候補が複数あるため最初の%1にします</source>
        <translation>Several moves are offered, so the first, %1, is taken</translation>
    </message>
    <message>
        <source>技%1は括弧を外して%2として読みます</source>
        <translation>The move %1 is read as %2, without the brackets</translation>
    </message>
    <message>
        <source>技%1が見つからないため外します%2</source>
        <translation>The move %1 was not found and is left out%2</translation>
    </message>
    <message>
        <source>技は 4 つまでのため%1は外します</source>
        <translation>A set has at most 4 moves, so %1 is left out</translation>
    </message>
    <message>
        <source>技%1が重なっているため外します</source>
        <translation>The move %1 is given twice and is left out</translation>
    </message>
    <message>
        <source>個体値の行がないため、めざめるパワー%1の個体値 %2 にします</source>
        <translation>There is no IVs line, so the IVs become those of Hidden Power %1: %2</translation>
    </message>
    <message>
        <source>努力値の合計 %1 が 510 を超えています</source>
        <translation>The EVs total %1, more than 510</translation>
    </message>
    <message>
        <source>めざめるパワーのタイプ%1は個体値から決まるタイプ%2と違います</source>
        <translation>Hidden Power&apos;s type %1 differs from the type the IVs give, %2</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1はどの作品でも%2を覚えません（そのまま登録します）</source>
        <translation>%1 learns %2 in no edition (registered as written)</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1の%2は %3 のほかで覚える技です（%4）</source>
        <translation>%1&apos;s %2 is learnt outside %3 (%4)</translation>
    </message>
    <message>
        <source>。%1</source>
        <translation>. %1</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>テキストが 1 MiB（%1 バイト）を超えるため読み込みませんでした</source>
        <translation>The text is larger than 1 MiB (%1 bytes) and was not read</translation>
    </message>
    <message>
        <source>テキストが 1 MiB（%1 バイト）を超えるため読み込みませんでした（%2 バイト）</source>
        <translation>The text is larger than 1 MiB (%1 bytes) and was not read (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>TeamTextImport</name>
    <message>
        <source>%1 件追加しました。</source>
        <translation>Sets added: %1.</translation>
    </message>
    <message>
        <source>ボックスが一杯のため %1 件は追加できませんでした。</source>
        <translation> Not added, as the box is full: %1.</translation>
    </message>
    <message>
        <source>読めなかった %1 件は追加していません。</source>
        <translation> Not added, as they could not be read: %1.</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&#x3000;△ </source>
        <translation>  ! </translation>
    </message>
    <message>
        <source>&#x3000;・ </source>
        <translation>  - </translation>
    </message>
    <message>
        <source>追加 %1 件&#x3000;読めない %2 件&#x3000;警告 %3 件</source>
        <translation>To add: %1  Unreadable: %2  Warnings: %3</translation>
    </message>
</context>
</TS>
