<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BattleState</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>やけど</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>どく</source>
        <translation>Poison</translation>
    </message>
    <message>
        <source>もうどく</source>
        <translation>Badly poisoned</translation>
    </message>
    <message>
        <source>まひ</source>
        <translation>Paralysis</translation>
    </message>
    <message>
        <source>ねむり</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>こおり</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>命中</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>回避</source>
        <translation>Evasion</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>実数値</source>
        <translation>Stat</translation>
    </message>
    <message>
        <source>もうどく%1回目</source>
        <translation>Badly poisoned (turn %1)</translation>
    </message>
    <message>
        <source>HP %1％</source>
        <translation>HP %1%</translation>
    </message>
    <message>
        <source>おいかぜ</source>
        <translation>Tailwind</translation>
    </message>
    <message>
        <source>%1（交代で登場時のみ）</source>
        <translation>%1 (only on switching in)</translation>
    </message>
    <message>
        <source>ステルスロック</source>
        <translation>Stealth Rock</translation>
    </message>
    <message>
        <source>まきびし%1</source>
        <translation>Spikes ×%1</translation>
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
        <source>・</source>
        <translation>, </translation>
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
        <translation>Count the end of turn</translation>
    </message>
    <message>
        <source>命中・急所も数える</source>
        <translation>Count accuracy and critical hits</translation>
    </message>
    <message>
        <source>攻撃側：%1</source>
        <translation>Attacker: %1</translation>
    </message>
    <message>
        <source>防御側：%1</source>
        <translation>Defender: %1</translation>
    </message>
    <message>
        <source>場：%1</source>
        <translation>Field: %1</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>   </translation>
    </message>
</context>
<context>
    <name>BoxList</name>
    <message>
        <source>バントレボックス</source>
        <translation>Battle Training Box</translation>
    </message>
    <message>
        <source>ボックスに保存していない変更があります。保存しますか？</source>
        <translation>The box has changes that are not saved. Save them?</translation>
    </message>
</context>
<context>
    <name>ConditionCheck</name>
    <message>
        <source>てだすけ</source>
        <translation>Helping Hand</translation>
    </message>
    <message>
        <source>やけど</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>フラワーギフト</source>
        <translation>Flower Gift</translation>
    </message>
    <message>
        <source>リフレクター</source>
        <translation>Reflect</translation>
    </message>
    <message>
        <source>ひかりのかべ</source>
        <translation>Light Screen</translation>
    </message>
    <message>
        <source>ダブルバトル</source>
        <translation>Double battle</translation>
    </message>
    <message>
        <source>みやぶる／かぎわける</source>
        <translation>Foresight / Odor Sleuth</translation>
    </message>
    <message>
        <source>じゅうりょく</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>特性発動</source>
        <translation>Ability active</translation>
    </message>
    <message>
        <source>きのみ発動</source>
        <translation>Berry active</translation>
    </message>
</context>
<context>
    <name>DamageMode</name>
    <message>
        <source>実機（第5世代）</source>
        <translation>Exact (Gen 5)</translation>
    </message>
    <message>
        <source>実機（第4世代）</source>
        <translation>Exact (Gen 4)</translation>
    </message>
    <message>
        <source>簡易計算</source>
        <translation>Simple</translation>
    </message>
</context>
<context>
    <name>DamageRow</name>
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
        <source>習得技</source>
        <translation>Learnable move</translation>
    </message>
    <message>
        <source>直接数値選択</source>
        <translation>Direct input</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>DamageView</name>
    <message>
        <source>制限無し</source>
        <translation>All moves</translation>
    </message>
    <message>
        <source>物理技のみ</source>
        <translation>Physical only</translation>
    </message>
    <message>
        <source>特殊技のみ</source>
        <translation>Special only</translation>
    </message>
    <message>
        <source>変化技のみ</source>
        <translation>Status only</translation>
    </message>
</context>
<context>
    <name>Duel</name>
    <message>
        <source>技がない</source>
        <translation>No move</translation>
    </message>
    <message>
        <source>この相手には計算できない技</source>
        <translation>A move that cannot be calculated against this foe</translation>
    </message>
    <message>
        <source>変化技</source>
        <translation>Status move</translation>
    </message>
    <message>
        <source>一撃必殺技</source>
        <translation>One-hit KO move</translation>
    </message>
    <message>
        <source>1回に複数回当たるか結果が何通りもある技</source>
        <translation>A move that hits several times or has several outcomes</translation>
    </message>
    <message>
        <source>ダメージがHPで決まる技</source>
        <translation>A move whose damage depends on HP</translation>
    </message>
    <message>
        <source>2ターンかかる技</source>
        <translation>A two-turn move</translation>
    </message>
    <message>
        <source>使うと倒れる技</source>
        <translation>A move that makes the user faint</translation>
    </message>
    <message>
        <source>威力や成否がそのターンの状況で変わる技</source>
        <translation>A move whose power or success depends on the turn</translation>
    </message>
    <message>
        <source>ねむり・こおり状態</source>
        <translation>Asleep or frozen</translation>
    </message>
    <message>
        <source>技の追加効果（ひるみ、やけど、能力ダウンなど）は含めていません</source>
        <translation>Secondary effects of moves (flinch, burn, stat drops…) are not counted</translation>
    </message>
    <message>
        <source>技による自分の能力変化は含めていません</source>
        <translation>Stat changes a move gives its user are not counted</translation>
    </message>
    <message>
        <source>あばれる技のあとの混乱は含めていません</source>
        <translation>Confusion after a rampaging move is not counted</translation>
    </message>
    <message>
        <source>ピンチきのみ（チイラのみなど）は食べないものとしています</source>
        <translation>Pinch berries (Liechi Berry…) are taken as not eaten</translation>
    </message>
    <message>
        <source>接触で受けるもの（さめはだ、ゴツゴツメット、ゆうばくなど）は含めていません</source>
        <translation>Contact effects (Rough Skin, Rocky Helmet, Aftermath…) are not counted</translation>
    </message>
    <message>
        <source>決着より先に技のPPが尽きることがあります（実機ではわるあがき）</source>
        <translation>A move&apos;s PP may run out before the end (Struggle in the games)</translation>
    </message>
    <message>
        <source>外したときの反動（とびひざげりなど）は含めていません</source>
        <translation>Crash damage on a miss (High Jump Kick…) is not counted</translation>
    </message>
    <message>
        <source>ヘドロえきは含めていません</source>
        <translation>Liquid Ooze is not counted</translation>
    </message>
    <message>
        <source>ターンが進むと働く特性・受けて働く特性（かそく、なまけ、いかくなど）は含めていません</source>
        <translation>Abilities that work as turns pass or when hit (Speed Boost, Truant, Intimidate…) are not counted</translation>
    </message>
    <message>
        <source>対面（%1 対 %2）：</source>
        <translation>One-on-one (%1 vs. %2): </translation>
    </message>
    <message>
        <source>攻撃側：%1</source>
        <translation>attacker: %1</translation>
    </message>
    <message>
        <source>防御側：%1</source>
        <translation>defender: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>計算できません（%1）</source>
        <translation>cannot be calculated (%1)</translation>
    </message>
    <message>
        <source>勝ち %1・引き分け %2・負け %3</source>
        <translation>win %1, draw %2, lose %3</translation>
    </message>
    <message>
        <source>・決着せず %1</source>
        <translation>, undecided %1</translation>
    </message>
    <message>
        <source>（平均 %1 ターン）</source>
        <translation> (%1 turns on average)</translation>
    </message>
    <message>
        <source>1ターン目に先に動く確率 %1</source>
        <translation>Chance to move first on turn 1: %1</translation>
    </message>
    <message>
        <source>%1ターン目：勝ち %2（先に倒す %3）・引き分け %4・負け %5（先に倒される %6）</source>
        <translation>Turn %1: win %2 (KO before the foe moves %3), draw %4, lose %5 (KO&apos;d before moving %6)</translation>
    </message>
    <message>
        <source>※%1</source>
        <translation>* %1</translation>
    </message>
</context>
<context>
    <name>DuelText</name>
    <message>
        <source>対面：計算方式を実機にすると、1対1の勝率を表示します</source>
        <translation>One-on-one: choose an in-game calculation mode to see the chances of a one-on-one</translation>
    </message>
    <message>
        <source>対面：攻撃側にダメージを与える技がありません</source>
        <translation>One-on-one: the attacker has no damaging move</translation>
    </message>
    <message>
        <source>対面：防御側にダメージを与える技がありません</source>
        <translation>One-on-one: the defender has no damaging move</translation>
    </message>
</context>
<context>
    <name>EditionText</name>
    <message>
        <source>QX：ダイヤモンド・パール（DP）</source>
        <translation>QX: Diamond and Pearl (DP)</translation>
    </message>
    <message>
        <source>ZV：プラチナ（Pt）</source>
        <translation>ZV: Platinum (Pt)</translation>
    </message>
    <message>
        <source>JYJY（表の中では JY）：ハートゴールド・ソウルシルバー（HGSS）</source>
        <translation>JYJY (JY in the table): HeartGold and SoulSilver (HGSS)</translation>
    </message>
    <message>
        <source>TK：ブラック・ホワイト（BW）</source>
        <translation>TK: Black and White (BW)</translation>
    </message>
    <message>
        <source>QX（ダイヤモンド・パール）と ZV（プラチナ）のレベル技の違い</source>
        <translation>Level-up moves that differ between QX (Diamond and Pearl) and ZV (Platinum)</translation>
    </message>
    <message>
        <source>ZV（プラチナ）と JYJY（ハートゴールド・ソウルシルバー）の違い：レベル技・技マシン・教え技・遺伝技</source>
        <translation>Differences between ZV (Platinum) and JYJY (HeartGold and SoulSilver): level-up, TM, tutor and egg moves</translation>
    </message>
    <message>
        <source>QX・ZV・JYJY と TK（ブラック・ホワイト）の違い：レベル技・技マシン・遺伝技</source>
        <translation>Differences between QX, ZV, JYJY and TK (Black and White): level-up, TM and egg moves</translation>
    </message>
</context>
<context>
    <name>EntryEdit</name>
    <message>
        <source> 手動入力</source>
        <translation> Manual</translation>
    </message>
    <message>
        <source> 陽気AS</source>
        <translation> Jolly Atk/Spe</translation>
    </message>
    <message>
        <source> 意地っ張りAS</source>
        <translation> Adamant Atk/Spe</translation>
    </message>
    <message>
        <source> 臆病CS</source>
        <translation> Timid SpA/Spe</translation>
    </message>
    <message>
        <source> 控えめCS</source>
        <translation> Modest SpA/Spe</translation>
    </message>
    <message>
        <source> 図太いHB</source>
        <translation> Bold HP/Def</translation>
    </message>
    <message>
        <source> 腕白HB</source>
        <translation> Impish HP/Def</translation>
    </message>
    <message>
        <source> 穏やかHD</source>
        <translation> Calm HP/SpD</translation>
    </message>
    <message>
        <source> 慎重HD</source>
        <translation> Careful HP/SpD</translation>
    </message>
    <message>
        <source> 勇敢HA</source>
        <translation> Brave HP/Atk</translation>
    </message>
    <message>
        <source> のんきHB</source>
        <translation> Relaxed HP/Def</translation>
    </message>
    <message>
        <source> 冷静HC</source>
        <translation> Quiet HP/SpA</translation>
    </message>
    <message>
        <source> なまいきHD</source>
        <translation> Sassy HP/SpD</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>残り %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>入力不足</source>
        <translation>Missing input</translation>
    </message>
    <message>
        <source>名前を入力してください</source>
        <translation>Enter a name</translation>
    </message>
    <message>
        <source>名前の文字</source>
        <translation>Characters of the name</translation>
    </message>
    <message>
        <source>名前に使えない文字があります</source>
        <translation>The name has characters that cannot be used</translation>
    </message>
    <message>
        <source>パラメータ異常</source>
        <translation>Invalid values</translation>
    </message>
    <message>
        <source>努力値が多すぎます</source>
        <translation>Too many EVs</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>絵文字や一部の記号、改行やタブは名前に使えません。ほかの文字にしてください。</source>
        <translation>Emoji, some symbols, line breaks and tabs cannot be used in a name. Use other characters.</translation>
    </message>
    <message>
        <source>HP %1:攻撃 %2:防御 %3:特攻 %4:特防 %5:素早 %6
これでいいですか？</source>
        <translation>HP %1:Atk %2:Def %3:SpA %4:SpD %5:Spe %6
Is this right?</translation>
    </message>
    <message>
        <source> 無指定</source>
        <translation> (none)</translation>
    </message>
    <message>
        <source>（登録値）</source>
        <translation>(stored value)</translation>
    </message>
    <message>
        <source>― そのほかの持ち物 ―</source>
        <translation>-- Other held items --</translation>
    </message>
    <message>
        <source>名前は 31 バイト（全角 15 文字）までです</source>
        <translation>A name can be up to 31 bytes (15 full-width characters)</translation>
    </message>
    <message>
        <source>パラメータ確認</source>
        <translation>Confirm values</translation>
    </message>
</context>
<context>
    <name>ExactLog</name>
    <message>
        <source>ダメージ変化技につき計算不能</source>
        <translation>A status move: no damage to calculate</translation>
    </message>
    <message>
        <source>第4世代には無い技のため計算不能</source>
        <translation>Not a move of the 4th generation: cannot be calculated</translation>
    </message>
    <message>
        <source>「じゅうりょく」で「%1」は使えない</source>
        <translation>%1 cannot be used under Gravity</translation>
    </message>
    <message>
        <source>必ず急所に当たる技</source>
        <translation>A move that always lands a critical hit</translation>
    </message>
    <message>
        <source>急所に当たった場合</source>
        <translation>On a critical hit</translation>
    </message>
    <message>
        <source>＞＞＞ 「%1」で急所に当たらない</source>
        <translation>&gt;&gt;&gt; %1 prevents critical hits</translation>
    </message>
    <message>
        <source>「%1」：バトル状態によらず特性発動として計算</source>
        <translation>%1: counted as active whatever the battle state</translation>
    </message>
    <message>
        <source>%1は第4世代には無い道具のため効果なし</source>
        <translation>%1 is not an item of the 4th generation: no effect</translation>
    </message>
    <message>
        <source>「マジックルーム」により両者の持ち物は効果なし</source>
        <translation>Magic Room: neither side&apos;s item has an effect</translation>
    </message>
    <message>
        <source>「ワンダールーム」により相手の防御と特防が入れ替わる</source>
        <translation>Wonder Room: the target&apos;s Defense and Sp. Def are swapped</translation>
    </message>
    <message>
        <source>「スキルリンク」で必ず5回攻撃</source>
        <translation>Skill Link: always hits 5 times</translation>
    </message>
    <message>
        <source>攻撃回数： %1</source>
        <translation>Hits: %1</translation>
    </message>
    <message>
        <source>「エアロック」「ノーてんき」により天候の影響なし</source>
        <translation>Air Lock / Cloud Nine: no weather effects</translation>
    </message>
    <message>
        <source>「てんきや」により%1タイプに</source>
        <translation>Forecast: becomes %1 type</translation>
    </message>
    <message>
        <source>「%1」により相手の「%2」を無視</source>
        <translation>%1 ignores the target&apos;s %2</translation>
    </message>
    <message>
        <source>「%1」により味方の「%2」を無視</source>
        <translation>%1 ignores the ally&apos;s %2</translation>
    </message>
    <message>
        <source>「マルチタイプ」により%1タイプに</source>
        <translation>Multitype: becomes %1 type</translation>
    </message>
    <message>
        <source>＞＞＞ 「へんしょく」：先の攻撃で%1タイプに</source>
        <translation>&gt;&gt;&gt; Color Change: became %1 type from the previous attack</translation>
    </message>
    <message>
        <source>%1により技のタイプが%2に</source>
        <translation>%1 makes the move %2 type</translation>
    </message>
    <message>
        <source>天候により威力</source>
        <translation>Power from the weather</translation>
    </message>
    <message>
        <source>（天候：%1＝%2タイプ）</source>
        <translation>(weather: %1 = %2 type)</translation>
    </message>
    <message>
        <source>最大威力に設定：＝%1</source>
        <translation>Set to the highest power: = %1</translation>
    </message>
    <message>
        <source>「ジャイロボール」： 素早さ %1 対 %2 で威力 %3</source>
        <translation>Gyro Ball: Speed %1 vs. %2 gives power %3</translation>
    </message>
    <message>
        <source>「エレキボール」： 素早さ %1 対 %2 で威力 %3</source>
        <translation>Electro Ball: Speed %1 vs. %2 gives power %3</translation>
    </message>
    <message>
        <source>「ノーマルスキン」によりノーマルタイプに変更</source>
        <translation>Normalize: changed to Normal type</translation>
    </message>
    <message>
        <source>「%1」は第4世代ではタイプなし（タイプ一致・相性の補正なし）</source>
        <translation>%1 has no type in the 4th generation (no same-type bonus or type matchup)</translation>
    </message>
    <message>
        <source>「かわらわり」で壁を壊してから攻撃</source>
        <translation>Brick Break breaks the screens before it hits</translation>
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
        <translation>Gravity: Ground moves hit neutrally</translation>
    </message>
    <message>
        <source>相性補正</source>
        <translation>Type matchup</translation>
    </message>
    <message>
        <source>「ふしぎなまもり」で無効</source>
        <translation>Wonder Guard: no effect</translation>
    </message>
    <message>
        <source>「もらいび」で炎技無効</source>
        <translation>Flash Fire: immune to Fire moves</translation>
    </message>
    <message>
        <source>「かんそうはだ」で水技無効</source>
        <translation>Dry Skin: immune to Water moves</translation>
    </message>
    <message>
        <source>「ちょすい」で水技無効</source>
        <translation>Water Absorb: immune to Water moves</translation>
    </message>
    <message>
        <source>「ちくでん」「でんきエンジン」で電気技無効</source>
        <translation>Volt Absorb / Motor Drive: immune to Electric moves</translation>
    </message>
    <message>
        <source>「ふゆう」で地面技無効</source>
        <translation>Levitate: immune to Ground moves</translation>
    </message>
    <message>
        <source>「じゅうりょく」で「ふゆう」が無効＝地面技等倍</source>
        <translation>Gravity cancels Levitate: Ground moves hit neutrally</translation>
    </message>
    <message>
        <source>「そうしょく」で草技無効</source>
        <translation>Sap Sipper: immune to Grass moves</translation>
    </message>
    <message>
        <source>「よびみず」で水技無効</source>
        <translation>Storm Drain: immune to Water moves</translation>
    </message>
    <message>
        <source>「ひらいしん」で電気技無効</source>
        <translation>Lightning Rod: immune to Electric moves</translation>
    </message>
    <message>
        <source>「ぼうおん」で音の技無効</source>
        <translation>Soundproof: immune to sound moves</translation>
    </message>
    <message>
        <source>「ふうせん」で地面技無効</source>
        <translation>Air Balloon: immune to Ground moves</translation>
    </message>
    <message>
        <source>「くろいてっきゅう」で地面技が当たる</source>
        <translation>Iron Ball: Ground moves hit</translation>
    </message>
    <message>
        <source>「ねらいのまと」で相性の無効がなくなる</source>
        <translation>Ring Target: type immunities are lost</translation>
    </message>
    <message>
        <source>固定ダメージ</source>
        <translation>Fixed damage</translation>
    </message>
    <message>
        <source>「チイラのみ」で攻撃ランク+1</source>
        <translation>Liechi Berry: Attack +1</translation>
    </message>
    <message>
        <source>「ヤタピのみ」で特攻ランク+1</source>
        <translation>Petaya Berry: Sp. Atk +1</translation>
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
        <translation>Unaware: ignores the target&apos;s stat stages</translation>
    </message>
    <message>
        <source>＞＞＞ 「てんねん」で相手のランク影響無視</source>
        <translation>&gt;&gt;&gt; Unaware: ignores the attacker&apos;s stat stages</translation>
    </message>
    <message>
        <source>急所で攻撃ランクの下降を無視</source>
        <translation>Critical hit: Attack drops ignored</translation>
    </message>
    <message>
        <source>「なしくずし」「せいなるつるぎ」で相手のランク影響無視</source>
        <translation>Chip Away / Sacred Sword: ignores the target&apos;s stat stages</translation>
    </message>
    <message>
        <source>急所で防御ランクの上昇を無視</source>
        <translation>Critical hit: Defense rises ignored</translation>
    </message>
    <message>
        <source>＞＞＞ 「くだけるよろい」：この使用で先の%1回の攻撃により防御ランク %2 → %3</source>
        <translation>&gt;&gt;&gt; Weak Armor: the earlier %1 hits of this use set Defense %2 → %3</translation>
    </message>
    <message>
        <source>攻撃ランク補正＝攻撃力</source>
        <translation>Attack stage = Attack stat</translation>
    </message>
    <message>
        <source>＞＞＞ 防御ランク補正＝防御力</source>
        <translation>&gt;&gt;&gt; Defense stage = Defense stat</translation>
    </message>
    <message>
        <source>「イカサマ」は相手の攻撃で計算（相手の攻撃ランクは±0として計算）： %1</source>
        <translation>Foul Play uses the target&apos;s Attack (the target&apos;s Attack stage taken as ±0): %1</translation>
    </message>
    <message>
        <source>「テクニシャン」で威力</source>
        <translation>Power with Technician</translation>
    </message>
    <message>
        <source>＞＞＞ 「たいねつ」で威力</source>
        <translation>&gt;&gt;&gt; Power with Heatproof</translation>
    </message>
    <message>
        <source>＞＞＞ 「かんそうはだ」で威力</source>
        <translation>&gt;&gt;&gt; Power with Dry Skin</translation>
    </message>
    <message>
        <source>%1で威力</source>
        <translation>Power with %1</translation>
    </message>
    <message>
        <source>「ちからのハチマキ」で威力</source>
        <translation>Power with Muscle Band</translation>
    </message>
    <message>
        <source>「ものしりメガネ」で威力</source>
        <translation>Power with Wise Glasses</translation>
    </message>
    <message>
        <source>「からげんき」は状態異常で威力</source>
        <translation>Facade&apos;s power with a status condition</translation>
    </message>
    <message>
        <source>雨・砂嵐・あられで「ソーラービーム」の威力</source>
        <translation>Solar Beam&apos;s power in rain, sandstorm or hail</translation>
    </message>
    <message>
        <source>雨・砂嵐・あられで「ソーラービーム」のダメージ</source>
        <translation>Solar Beam&apos;s damage in rain, sandstorm or hail</translation>
    </message>
    <message>
        <source>＞＞＞ 相手のHPが半分以下で「しおみず」の威力</source>
        <translation>&gt;&gt;&gt; Brine&apos;s power with the target at half HP or less</translation>
    </message>
    <message>
        <source>＞＞＞ 相手がどく状態で「ベノムショック」の威力</source>
        <translation>&gt;&gt;&gt; Venoshock&apos;s power with the target poisoned</translation>
    </message>
    <message>
        <source>「てだすけ」で威力</source>
        <translation>Power with Helping Hand</translation>
    </message>
    <message>
        <source>「じゅうでん」で威力</source>
        <translation>Power with Charge</translation>
    </message>
    <message>
        <source>「アナライズ」で威力</source>
        <translation>Power with Analytic</translation>
    </message>
    <message>
        <source>「すなのちから」時に砂嵐で威力</source>
        <translation>Power with Sand Force in a sandstorm</translation>
    </message>
    <message>
        <source>「すてみ」で威力</source>
        <translation>Power with Reckless</translation>
    </message>
    <message>
        <source>「てつのこぶし」で威力</source>
        <translation>Power with Iron Fist</translation>
    </message>
    <message>
        <source>「ちからずく」で威力</source>
        <translation>Power with Sheer Force</translation>
    </message>
    <message>
        <source>「とうそうしん」：性別不明のため補正なし</source>
        <translation>Rivalry: no effect, as a gender is unknown</translation>
    </message>
    <message>
        <source>%1で威力（使用で消費）</source>
        <translation>Power with %1 (used up)</translation>
    </message>
    <message>
        <source>「ねつぼうそう」で威力</source>
        <translation>Power with Flare Boost</translation>
    </message>
    <message>
        <source>「どくぼうそう」で威力</source>
        <translation>Power with Toxic Boost</translation>
    </message>
    <message>
        <source>「しんりょく」発動で攻撃</source>
        <translation>Attack with Overgrow active</translation>
    </message>
    <message>
        <source>「しんりょく」発動で草技威力</source>
        <translation>Grass move power with Overgrow active</translation>
    </message>
    <message>
        <source>「もうか」発動で攻撃</source>
        <translation>Attack with Blaze active</translation>
    </message>
    <message>
        <source>「もうか」発動で炎技威力</source>
        <translation>Fire move power with Blaze active</translation>
    </message>
    <message>
        <source>「げきりゅう」発動で攻撃</source>
        <translation>Attack with Torrent active</translation>
    </message>
    <message>
        <source>「げきりゅう」発動で水技威力</source>
        <translation>Water move power with Torrent active</translation>
    </message>
    <message>
        <source>「むしのしらせ」発動で攻撃</source>
        <translation>Attack with Swarm active</translation>
    </message>
    <message>
        <source>「むしのしらせ」発動で虫技威力</source>
        <translation>Bug move power with Swarm active</translation>
    </message>
    <message>
        <source>＞＞＞ 「あついしぼう」で攻撃</source>
        <translation>&gt;&gt;&gt; Attack with Thick Fat</translation>
    </message>
    <message>
        <source>＞＞＞ 「あついしぼう」で威力</source>
        <translation>&gt;&gt;&gt; Power with Thick Fat</translation>
    </message>
    <message>
        <source>「こんじょう」で攻撃</source>
        <translation>Attack with Guts</translation>
    </message>
    <message>
        <source>「もらいび」発動で攻撃</source>
        <translation>Attack with Flash Fire active</translation>
    </message>
    <message>
        <source>「もらいび」発動でダメージ</source>
        <translation>Damage with Flash Fire active</translation>
    </message>
    <message>
        <source>「サンパワー」時に晴れで特攻</source>
        <translation>Sp. Atk with Solar Power in sun</translation>
    </message>
    <message>
        <source>「スロースタート」発動中は攻撃</source>
        <translation>Attack during Slow Start</translation>
    </message>
    <message>
        <source>「よわき」発動で攻撃</source>
        <translation>Attack with Defeatist active</translation>
    </message>
    <message>
        <source>「プラス」「マイナス」発動で特攻</source>
        <translation>Sp. Atk with Plus / Minus active</translation>
    </message>
    <message>
        <source>「ちからもち」「ヨガパワー」で攻撃</source>
        <translation>Attack with Huge Power / Pure Power</translation>
    </message>
    <message>
        <source>「はりきり」で攻撃力</source>
        <translation>Attack stat with Hustle</translation>
    </message>
    <message>
        <source>「はりきり」で攻撃</source>
        <translation>Attack with Hustle</translation>
    </message>
    <message>
        <source>「フラワーギフト」時に晴れで攻撃</source>
        <translation>Attack with Flower Gift in sun</translation>
    </message>
    <message>
        <source>「ふといホネ」で攻撃</source>
        <translation>Attack with Thick Club</translation>
    </message>
    <message>
        <source>「でんきだま」で攻撃</source>
        <translation>Attack with Light Ball</translation>
    </message>
    <message>
        <source>「しんかいのキバ」で特攻</source>
        <translation>Sp. Atk with Deep Sea Tooth</translation>
    </message>
    <message>
        <source>「こころのしずく」で特攻</source>
        <translation>Sp. Atk with Soul Dew</translation>
    </message>
    <message>
        <source>＞＞＞ 「こころのしずく」で特防</source>
        <translation>&gt;&gt;&gt; Sp. Def with Soul Dew</translation>
    </message>
    <message>
        <source>「こだわりハチマキ」で攻撃</source>
        <translation>Attack with Choice Band</translation>
    </message>
    <message>
        <source>「こだわりメガネ」で特攻</source>
        <translation>Sp. Atk with Choice Specs</translation>
    </message>
    <message>
        <source>＞＞＞ 砂嵐で岩タイプは特防</source>
        <translation>&gt;&gt;&gt; Sp. Def of a Rock type in a sandstorm</translation>
    </message>
    <message>
        <source>＞＞＞ 「メタルパウダー」で防御</source>
        <translation>&gt;&gt;&gt; Defense with Metal Powder</translation>
    </message>
    <message>
        <source>＞＞＞ 「しんかいのウロコ」で特防</source>
        <translation>&gt;&gt;&gt; Sp. Def with Deep Sea Scale</translation>
    </message>
    <message>
        <source>＞＞＞ 「ふしぎなうろこ」で防御</source>
        <translation>&gt;&gt;&gt; Defense with Marvel Scale</translation>
    </message>
    <message>
        <source>＞＞＞ 「ふしぎなうろこ」：状態異常でないとして計算</source>
        <translation>&gt;&gt;&gt; Marvel Scale: counted without a status condition</translation>
    </message>
    <message>
        <source>＞＞＞ 「しんかのきせき」で防御・特防</source>
        <translation>&gt;&gt;&gt; Defense and Sp. Def with Eviolite</translation>
    </message>
    <message>
        <source>「じばく」「だいばくはつ」で防御</source>
        <translation>Defense with Selfdestruct / Explosion</translation>
    </message>
    <message>
        <source>（補正値の積： %1/%2）</source>
        <translation>(product of the modifiers: %1/%2)</translation>
    </message>
    <message>
        <source>補正後の威力</source>
        <translation>Power after modifiers</translation>
    </message>
    <message>
        <source>基本ダメージ</source>
        <translation>Base damage</translation>
    </message>
    <message>
        <source>複数の相手への攻撃でダメージ</source>
        <translation>Damage of a spread move</translation>
    </message>
    <message>
        <source>天候でダメージ</source>
        <translation>Damage from the weather</translation>
    </message>
    <message>
        <source>「やけど」でダメージ</source>
        <translation>Damage with a burn</translation>
    </message>
    <message>
        <source>「チーゴのみ」で1回目の攻撃の後にやけどが治る</source>
        <translation>Rawst Berry cures the burn after the first hit</translation>
    </message>
    <message>
        <source>＞＞＞ 「リフレクター」でダメージ</source>
        <translation>&gt;&gt;&gt; Damage with Reflect</translation>
    </message>
    <message>
        <source>＞＞＞ 「ひかりのかべ」でダメージ</source>
        <translation>&gt;&gt;&gt; Damage with Light Screen</translation>
    </message>
    <message>
        <source>急所でダメージ</source>
        <translation>Damage of a critical hit</translation>
    </message>
    <message>
        <source>「いのちのたま」でダメージ</source>
        <translation>Damage with Life Orb</translation>
    </message>
    <message>
        <source>「スナイパー」で急所のダメージ</source>
        <translation>Critical damage with Sniper</translation>
    </message>
    <message>
        <source>乱数前のダメージ</source>
        <translation>Damage before the random roll</translation>
    </message>
    <message>
        <source>乱数： *0.85～1.00</source>
        <translation>Random roll: *0.85-1.00</translation>
    </message>
    <message>
        <source>タイプ一致でダメージ</source>
        <translation>Damage with the same-type bonus</translation>
    </message>
    <message>
        <source>「てきおうりょく」によりタイプ一致でダメージ</source>
        <translation>Damage with the same-type bonus and Adaptability</translation>
    </message>
    <message>
        <source>「いろめがね」でダメージ</source>
        <translation>Damage with Tinted Lens</translation>
    </message>
    <message>
        <source>＞＞＞ 「ハードロック」「フィルター」でダメージ</source>
        <translation>&gt;&gt;&gt; Damage with Solid Rock / Filter</translation>
    </message>
    <message>
        <source>「たつじんのおび」でダメージ</source>
        <translation>Damage with Expert Belt</translation>
    </message>
    <message>
        <source>＞＞＞ 「マルチスケイル」（ＨＰ満タンとして計算）でダメージ</source>
        <translation>&gt;&gt;&gt; Damage with Multiscale (taken at full HP)</translation>
    </message>
    <message>
        <source>＞＞＞ 味方の「フレンドガード」でダメージ</source>
        <translation>&gt;&gt;&gt; Damage with the ally&apos;s Friend Guard</translation>
    </message>
    <message>
        <source>「すりぬけ」で壁の効果なし</source>
        <translation>Infiltrator: the screens have no effect</translation>
    </message>
    <message>
        <source>「メトロノーム」：1回目の使用として計算（補正なし）</source>
        <translation>Metronome (item): counted as the first use (no boost)</translation>
    </message>
    <message>
        <source>%1でダメージ（使用で消費）</source>
        <translation>Damage with %1 (used up)</translation>
    </message>
    <message>
        <source>＞＞＞ %1は「きんちょうかん」で食べられない</source>
        <translation>&gt;&gt;&gt; %1 cannot be eaten because of Unnerve</translation>
    </message>
    <message>
        <source>最低ダメージ1は最終補正の前にだけ：ダメージ0の乱数あり</source>
        <translation>The least damage of 1 applies only before the final modifiers: a roll may deal 0</translation>
    </message>
    <message>
        <source>補正後の攻撃： %1</source>
        <translation>Attack after modifiers: %1</translation>
    </message>
    <message>
        <source>補正後の特攻： %1</source>
        <translation>Sp. Atk after modifiers: %1</translation>
    </message>
    <message>
        <source>＞＞＞ 補正後の防御： %1</source>
        <translation>&gt;&gt;&gt; Defense after modifiers: %1</translation>
    </message>
    <message>
        <source>＞＞＞ 補正後の特防： %1</source>
        <translation>&gt;&gt;&gt; Sp. Def after modifiers: %1</translation>
    </message>
    <message>
        <source>＞＞＞ </source>
        <translation>&gt;&gt;&gt; </translation>
    </message>
    <message>
        <source>「各種タイプ補正」（技のタイプの道具）</source>
        <translation>Type-boosting item (of the move&apos;s type)</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1回</source>
        <translation>%1 hits</translation>
    </message>
    <message>
        <source>2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％</source>
        <translation>2 hits 37.5%, 3 hits 37.5%, 4 hits 12.5%, 5 hits 12.5%</translation>
    </message>
    <message>
        <source>2回 35.0％・3回 35.0％・4回 15.0％・5回 15.0％</source>
        <translation>2 hits 35.0%, 3 hits 35.0%, 4 hits 15.0%, 5 hits 15.0%</translation>
    </message>
    <message>
        <source>%1～%2回（%3）</source>
        <translation>%1-%2 hits (%3)</translation>
    </message>
    <message>
        <source>＜次に使うときの%1回目以降（威力 %2）＞</source>
        <translation>&lt;next use, hit %1 onward (power %2)&gt;</translation>
    </message>
    <message>
        <source>＜次に使うときの%1回目（威力 %2）＞</source>
        <translation>&lt;next use, hit %1 (power %2)&gt;</translation>
    </message>
    <message>
        <source>＜%1回目以降（威力 %2）＞</source>
        <translation>&lt;hit %1 onward (power %2)&gt;</translation>
    </message>
    <message>
        <source>＜%1回目（威力 %2）＞</source>
        <translation>&lt;hit %1 (power %2)&gt;</translation>
    </message>
    <message>
        <source>「アナライズ」：特性発動につき後攻として計算</source>
        <translation>Analytic: counted as moving last, as the ability is active</translation>
    </message>
    <message>
        <source>「アナライズ」：素早さが同じため後攻として計算</source>
        <translation>Analytic: counted as moving last, as the Speeds tie</translation>
    </message>
    <message>
        <source>「アナライズ」：素早さが相手より低いため後攻として計算</source>
        <translation>Analytic: counted as moving last, as the user is slower</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>相手の「ダウンロード」で%1ランク+1</source>
        <translation>The target&apos;s Download: %1 +1</translation>
    </message>
    <message>
        <source>「ダウンロード」で%1ランク+1</source>
        <translation>Download: %1 +1</translation>
    </message>
    <message>
        <source>「とうそうしん」で同性の相手に威力： *%1</source>
        <translation>Power with Rivalry against the same gender: *%1</translation>
    </message>
    <message>
        <source>「とうそうしん」で異性の相手に威力： *%1</source>
        <translation>Power with Rivalry against the opposite gender: *%1</translation>
    </message>
    <message>
        <source>%1： *%2</source>
        <translation>%1: *%2</translation>
    </message>
    <message>
        <source>%1： %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>技：直接数値選択</source>
        <translation>Move: direct input</translation>
    </message>
    <message>
        <source>威力： %1  命中： %2</source>
        <translation>Power: %1  Accuracy: %2</translation>
    </message>
    <message>
        <source>天候依存</source>
        <translation>Weather-dependent</translation>
    </message>
    <message>
        <source>分類： %1 タイプ： %2</source>
        <translation>Category: %1 Type: %2</translation>
    </message>
    <message>
        <source>（相手の防御で計算）</source>
        <translation>(calculated against the target&apos;s Defense)</translation>
    </message>
    <message>
        <source>計算方式： %1</source>
        <translation>Calculation: %1</translation>
    </message>
    <message>
        <source>＞＞＞ 防御： %1</source>
        <translation>&gt;&gt;&gt; Defense: %1</translation>
    </message>
    <message>
        <source>%1回目</source>
        <translation>hit %1</translation>
    </message>
    <message>
        <source>%1～%2回目</source>
        <translation>hits %1-%2</translation>
    </message>
    <message>
        <source>次に使うときの%1の乱数16通り： %2</source>
        <translation>Next use, 16 rolls of %1: %2</translation>
    </message>
    <message>
        <source>%1の乱数16通り： %2</source>
        <translation>16 rolls of %1: %2</translation>
    </message>
    <message>
        <source>マグニチュード%1（%2）</source>
        <translation>Magnitude %1 (%2)</translation>
    </message>
    <message>
        <source>後攻（威力 %1・%2）</source>
        <translation>Moving last (power %1, %2)</translation>
    </message>
    <message>
        <source>先攻（威力 %1・%2）</source>
        <translation>Moving first (power %1, %2)</translation>
    </message>
    <message>
        <source>回復（%1）</source>
        <translation>Heal (%1)</translation>
    </message>
    <message>
        <source>威力 %1（%2）</source>
        <translation>Power %1 (%2)</translation>
    </message>
    <message>
        <source>ダメージなし</source>
        <translation>no damage</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>%1発： %2</source>
        <translation>%1 hits: %2</translation>
    </message>
    <message>
        <source>%1発までに倒せない</source>
        <translation>not knocked out within %1 hits</translation>
    </message>
    <message>
        <source>登場時・ターン終了時の増減：</source>
        <translation>On switching in and at the end of each turn:</translation>
    </message>
    <message>
        <source>%1（登場時）</source>
        <translation>%1 (on switching in)</translation>
    </message>
    <message>
        <source>%1（HP半分以下で1回）</source>
        <translation>%1 (once, at half HP or less)</translation>
    </message>
    <message>
        <source>%1（毎ターン終了時）</source>
        <translation>%1 (at the end of each turn)</translation>
    </message>
    <message>
        <source>%1（%2ターン目まで毎ターン終了時）</source>
        <translation>%1 (at the end of each turn until turn %2)</translation>
    </message>
    <message>
        <source>： </source>
        <translation>: </translation>
    </message>
    <message>
        <source>撃破確率（命中・急所込み）：</source>
        <translation>Chance to knock out (counting accuracy and critical hits):</translation>
    </message>
    <message>
        <source>撃破確率（登場時・ターン終了時込み）：</source>
        <translation>Chance to knock out (counting switching in and the end of turn):</translation>
    </message>
    <message>
        <source>乱数16通り： </source>
        <translation>16 rolls: </translation>
    </message>
    <message>
        <source>撃破確率：</source>
        <translation>Chance to knock out:</translation>
    </message>
    <message>
        <source>ダメージ： </source>
        <translation>Damage: </translation>
    </message>
    <message>
        <source>ＨＰ割合： </source>
        <translation>Share of HP: </translation>
    </message>
    <message>
        <source>必要攻撃回数： </source>
        <translation>Hits needed: </translation>
    </message>
    <message>
        <source>命中率： %1（1回ごと）&#x3000;急所率： %2（1発ごと）</source>
        <translation>Accuracy: %1 (each use)  Critical hit: %2 (each hit)</translation>
    </message>
</context>
<context>
    <name>ExactMoveLog</name>
    <message>
        <source>%1kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>＞＞＞ 相手のHPは満タンとして計算</source>
        <translation>&gt;&gt;&gt; The target taken at full HP</translation>
    </message>
    <message>
        <source>HPは満タンとして計算</source>
        <translation>Taken at full HP</translation>
    </message>
    <message>
        <source>＞＞＞ 相手は状態異常なしとして計算</source>
        <translation>&gt;&gt;&gt; The target taken without a status condition</translation>
    </message>
    <message>
        <source>状態異常なしとして計算</source>
        <translation>Taken without a status condition</translation>
    </message>
    <message>
        <source>＞＞＞ 相手のほかの能力ランクは±0として計算</source>
        <translation>&gt;&gt;&gt; The target&apos;s other stat stages taken as ±0</translation>
    </message>
    <message>
        <source>ほかの能力ランクは±0として計算</source>
        <translation>Other stat stages taken as ±0</translation>
    </message>
    <message>
        <source>続けて使う1回目として計算</source>
        <translation>Taken as the first of consecutive uses</translation>
    </message>
    <message>
        <source>PPが4以上残っているとして計算</source>
        <translation>Taken with 4 or more PP left</translation>
    </message>
    <message>
        <source>「たくわえる」1回として計算</source>
        <translation>Taken with one Stockpile</translation>
    </message>
    <message>
        <source>このターンに相手の攻撃を受けていないとして計算</source>
        <translation>Taken as not hit by the target this turn</translation>
    </message>
    <message>
        <source>＞＞＞ 相手はこのターンにまだダメージを受けていないとして計算</source>
        <translation>&gt;&gt;&gt; The target taken as not yet damaged this turn</translation>
    </message>
    <message>
        <source>前のターンに味方が倒れていないとして計算</source>
        <translation>Taken as no ally fainted last turn</translation>
    </message>
    <message>
        <source>味方が先に「りんしょう」を使っていないとして計算</source>
        <translation>Taken as no ally used Round first</translation>
    </message>
    <message>
        <source>＞＞＞ 相手は交代しないとして計算</source>
        <translation>&gt;&gt;&gt; The target taken as not switching out</translation>
    </message>
    <message>
        <source>手持ちで戦えるのは自分だけとして計算（1回攻撃）</source>
        <translation>Taken as the only one in the party able to fight (one hit)</translation>
    </message>
    <message>
        <source>投げられる持ち物が無いため失敗</source>
        <translation>Fails: no item to fling</translation>
    </message>
    <message>
        <source>きのみを持っていないため失敗</source>
        <translation>Fails: no Berry held</translation>
    </message>
    <message>
        <source>「ぶきよう」で持ち物を使えないため失敗</source>
        <translation>Fails: Klutz keeps the item from being used</translation>
    </message>
    <message>
        <source>「たくわえる」が無いため失敗</source>
        <translation>Fails: nothing stockpiled</translation>
    </message>
    <message>
        <source>相手のHPが自分のHP以下のため失敗</source>
        <translation>Fails: the target&apos;s HP is not above the user&apos;s</translation>
    </message>
    <message>
        <source>相手が眠っていないため失敗</source>
        <translation>Fails: the target is not asleep</translation>
    </message>
    <message>
        <source>相手に自分と同じタイプが無いため失敗</source>
        <translation>Fails: the target shares no type with the user</translation>
    </message>
    <message>
        <source>状態異常の仲間は加われず、攻撃できる仲間がいないため失敗</source>
        <translation>Fails: party members with a status condition cannot join, and no one else can attack</translation>
    </message>
    <message>
        <source>「マジックルーム」で持ち物を使えないため失敗</source>
        <translation>Fails: Magic Room keeps the item from being used</translation>
    </message>
    <message>
        <source>「%1」は相手のHPが半分以下で威力： *2</source>
        <translation>%1&apos;s power with the target at half HP or less: *2</translation>
    </message>
    <message>
        <source>「%1」は相手が状態異常で威力： *2</source>
        <translation>%1&apos;s power with the target having a status condition: *2</translation>
    </message>
    <message>
        <source>「%1」は相手がまひ状態で威力： *2</source>
        <translation>%1&apos;s power with the target paralyzed: *2</translation>
    </message>
    <message>
        <source>「%1」は相手がねむり状態で威力： *2</source>
        <translation>%1&apos;s power with the target asleep: *2</translation>
    </message>
    <message>
        <source>「%1」は後攻で威力： *2</source>
        <translation>%1&apos;s power when moving last: *2</translation>
    </message>
    <message>
        <source>「%1」はこのターンに相手の攻撃を受けて威力： *2</source>
        <translation>%1&apos;s power after being hit by the target this turn: *2</translation>
    </message>
    <message>
        <source>「%1」は相手がこのターンにダメージを受けていて威力： *2</source>
        <translation>%1&apos;s power with the target already damaged this turn: *2</translation>
    </message>
    <message>
        <source>「%1」は前のターンに味方が倒れて威力： *2</source>
        <translation>%1&apos;s power with an ally fainted last turn: *2</translation>
    </message>
    <message>
        <source>「%1」は味方の「りんしょう」に続いて威力： *2</source>
        <translation>%1&apos;s power following an ally&apos;s Round: *2</translation>
    </message>
    <message>
        <source>「%1」は持ち物が無く威力： *2</source>
        <translation>%1&apos;s power without a held item: *2</translation>
    </message>
    <message>
        <source>「%1」は「ひこうのジュエル」を使って持ち物が無くなり威力： *2</source>
        <translation>%1&apos;s power with no item left after using a Flying Gem: *2</translation>
    </message>
    <message>
        <source>「%1」は交代する相手に威力： *2</source>
        <translation>%1&apos;s power against a target switching out: *2</translation>
    </message>
    <message>
        <source>素早さ %1 対 %2 の同速：先攻と後攻を半々として計算</source>
        <translation>Speed %1 vs. %2, a tie: counted as half moving first, half moving last</translation>
    </message>
    <message>
        <source>素早さ %1 対 %2 で後攻として計算</source>
        <translation>Speed %1 vs. %2: counted as moving last</translation>
    </message>
    <message>
        <source>素早さ %1 対 %2 で先攻として計算</source>
        <translation>Speed %1 vs. %2: counted as moving first</translation>
    </message>
    <message>
        <source>マグニチュード4～10（威力 10・30・50・70・90・110・150、確率 5・10・20・30・20・10・5％）：以下はマグニチュード7（威力 70）の計算</source>
        <translation>Magnitude 4-10 (power 10, 30, 50, 70, 90, 110, 150; chances 5, 10, 20, 30, 20, 10, 5%): calculated below as Magnitude 7 (power 70)</translation>
    </message>
    <message>
        <source>威力 40（40％）・80（30％）・120（10％）、回復（20％）：以下は威力 40 の計算</source>
        <translation>Power 40 (40%), 80 (30%), 120 (10%), heal (20%): calculated below as power 40</translation>
    </message>
    <message>
        <source>なつき度 %1 で威力： %2</source>
        <translation>Power with happiness %1: %2</translation>
    </message>
    <message>
        <source>＞＞＞ 相手のHP %1/%2 で威力： %3</source>
        <translation>&gt;&gt;&gt; Power with the target&apos;s HP %1/%2: %3</translation>
    </message>
    <message>
        <source>HP %1/%2 で威力： %3</source>
        <translation>Power with HP %1/%2: %3</translation>
    </message>
    <message>
        <source>相手の重さ %1 で威力： %2</source>
        <translation>Power with the target&apos;s weight %1: %2</translation>
    </message>
    <message>
        <source>重さ %1 対 %2 で威力： %3</source>
        <translation>Power with weight %1 vs. %2: %3</translation>
    </message>
    <message>
        <source>＞＞＞ 相手の上がった能力ランクの合計 %1 で威力： %2</source>
        <translation>&gt;&gt;&gt; Power with the target&apos;s stat boosts totalling %1: %2</translation>
    </message>
    <message>
        <source>上がった能力ランクの合計 %1 で威力： %2</source>
        <translation>Power with stat boosts totalling %1: %2</translation>
    </message>
    <message>
        <source>続けて %1回目で威力： %2</source>
        <translation>Power on consecutive use %1: %2</translation>
    </message>
    <message>
        <source>残りPP %1 で威力： %2</source>
        <translation>Power with %1 PP left: %2</translation>
    </message>
    <message>
        <source>「たくわえる」 %1回で威力： %2</source>
        <translation>Power with %1 Stockpile: %2</translation>
    </message>
    <message>
        <source>「%1」を投げて威力： %2</source>
        <translation>Power flinging %1: %2</translation>
    </message>
    <message>
        <source>「%1」で %2タイプ・威力： %3</source>
        <translation>%1 makes it %2 type, power: %3</translation>
    </message>
    <message>
        <source>攻撃の種族値 %1：威力 %2</source>
        <translation>Base Attack %1: power %2</translation>
    </message>
    <message>
        <source>攻撃の種族値 %1 で威力： %2</source>
        <translation>Power with base Attack %1: %2</translation>
    </message>
    <message>
        <source>攻撃の種族値 %1 対 防御の種族値 %2 で計算（タイプなし）</source>
        <translation>Calculated from base Attack %1 vs. base Defense %2 (typeless)</translation>
    </message>
    <message>
        <source>レベル %1 × 0.5～1.5 ＝ %2～%3（%4通り、どれも同じ確率）</source>
        <translation>Level %1 × 0.5-1.5 = %2-%3 (%4 values, each as likely)</translation>
    </message>
</context>
<context>
    <name>IvJudgeText</name>
    <message>
        <source> 無指定</source>
        <translation> (none)</translation>
    </message>
    <message>
        <source>%1 は範囲外（%2～%3）</source>
        <translation>%1 is out of range (%2-%3)</translation>
    </message>
    <message>
        <source>ＨＰ</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1のＨＰはいつも 1 なので、ＨＰの個体値はわかりません（0～31）</source>
        <translation>%1 always has 1 HP, so its HP IV cannot be told (0-31)</translation>
    </message>
</context>
<context>
    <name>LearnableMoves</name>
    <message>
        <source> 無指定</source>
        <translation> (none)</translation>
    </message>
</context>
<context>
    <name>ListChoice</name>
    <message>
        <source>― Op 教え技 ―</source>
        <translation>-- Op tutor moves --</translation>
    </message>
</context>
<context>
    <name>MatrixText</name>
    <message>
        <source>技%1</source>
        <translation>Move %2</translation>
    </message>
    <message>
        <source>ダメージ%1</source>
        <translation>Damage %2</translation>
    </message>
    <message>
        <source>HP割合%1</source>
        <translation>HP share %2</translation>
    </message>
    <message>
        <source>確定数%1</source>
        <translation>KO %2</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>First</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>同速</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>「→攻撃側」で攻撃側を選んでください</source>
        <translation>Choose an attacker with &quot;→ Attacker&quot;</translation>
    </message>
    <message>
        <source>「→防御側」で防御側を選んでください</source>
        <translation>Choose a defender with &quot;→ Defender&quot;</translation>
    </message>
    <message>
        <source>・素早さ %1</source>
        <translation>, Speed %1</translation>
    </message>
    <message>
        <source>攻撃側：%1（%2）%3・計算方式：%4</source>
        <translation>Attacker: %1 (%2)%3, calculation: %4</translation>
    </message>
    <message>
        <source>防御側：%1（%2）%3・計算方式：%4</source>
        <translation>Defender: %1 (%2)%3, calculation: %4</translation>
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
        <source>素早さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>攻撃側</source>
        <translation>Attacker</translation>
    </message>
    <message>
        <source>確定1発</source>
        <translation>Guaranteed OHKO</translation>
    </message>
    <message>
        <source>乱数1発</source>
        <translation>Possible OHKO</translation>
    </message>
    <message>
        <source>確定2発</source>
        <translation>Guaranteed 2HKO</translation>
    </message>
    <message>
        <source>乱数2発</source>
        <translation>Possible 2HKO</translation>
    </message>
    <message>
        <source>3発以上</source>
        <translation>3HKO or more</translation>
    </message>
</context>
<context>
    <name>MatrixView</name>
    <message>
        <source>対面勝率</source>
        <translation>1v1 win %</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>-ひでん:</source>
        <translation>-HM:</translation>
    </message>
    <message>
        <source>-マシン:</source>
        <translation>-TM:</translation>
    </message>
    <message>
        <source>-遺伝</source>
        <translation>-Egg</translation>
    </message>
    <message>
        <source>共通:</source>
        <translation>All:</translation>
    </message>
    <message>
        <source>指定無し</source>
        <translation>Any</translation>
    </message>
</context>
<context>
    <name>SearchColumn</name>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
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
        <source>とくせい１</source>
        <translation>Ability 1</translation>
    </message>
    <message>
        <source>とくせい２</source>
        <translation>Ability 2</translation>
    </message>
    <message>
        <source>ゆめとくせい</source>
        <translation>Hidden Ability</translation>
    </message>
    <message>
        <source>ＨＰ</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>こうげき</source>
        <translation>Atk</translation>
    </message>
    <message>
        <source>ぼうぎょ</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>とくこう</source>
        <translation>SpA</translation>
    </message>
    <message>
        <source>とくぼう</source>
        <translation>SpD</translation>
    </message>
    <message>
        <source>すばやさ</source>
        <translation>Spe</translation>
    </message>
</context>
<context>
    <name>SearchText</name>
    <message>
        <source>指定無し</source>
        <translation>Any</translation>
    </message>
    <message>
        <source> 無指定</source>
        <translation> (none)</translation>
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
        <source>タイプ</source>
        <translation>Type</translation>
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
        <source>わざ</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>成長段階</source>
        <translation>Evolution stage</translation>
    </message>
    <message>
        <source>「%1」を選んだ習得方法・作品で覚えるものがありません</source>
        <translation>Nothing learns %1 by the methods and in the games chosen</translation>
    </message>
    <message>
        <source>選んだわざをすべて覚えるものがありません</source>
        <translation>Nothing learns all the moves chosen</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>習得方法と作品を1つ以上選んでください</source>
        <translation>Choose at least one way of learning and one game</translation>
    </message>
    <message>
        <source>「%1」の条件だけで該当がなくなります</source>
        <translation>The condition &quot;%1&quot; alone leaves nothing</translation>
    </message>
    <message>
        <source>条件の組み合わせで該当がなくなります（「%1」を外すと %2）</source>
        <translation>The conditions together leave nothing (without &quot;%1&quot;: %2)</translation>
    </message>
    <message>
        <source>条件の組み合わせで該当がなくなります</source>
        <translation>The conditions together leave nothing</translation>
    </message>
</context>
<context>
    <name>SequenceText</name>
    <message>
        <source>倒れている</source>
        <translation>Knocked out</translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>%1（平均 %2）</source>
        <translation>%1 (mean %2)</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1：%2（%3）</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>（技なし）</source>
        <translation>(no move)</translation>
    </message>
    <message>
        <source>（攻撃なし）</source>
        <translation>(no attacks)</translation>
    </message>
    <message>
        <source>順</source>
        <translation>#</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>残りHP</source>
        <translation>HP left</translation>
    </message>
    <message>
        <source>倒れている確率</source>
        <translation>Chance knocked out</translation>
    </message>
    <message>
        <source>攻撃を追加してください（攻撃側・技・回数）</source>
        <translation>Add an attack (attacker, move, count)</translation>
    </message>
    <message>
        <source>%1番目の攻撃側がボックスにありません（削除か書き換え）。その攻撃を削除するか、追加し直してください</source>
        <translation>The attacker of attack %1 is no longer in the box (deleted or replaced). Delete that attack or add it again</translation>
    </message>
    <message>
        <source>防御側を選んでください</source>
        <translation>Choose a defender</translation>
    </message>
    <message>
        <source>回数が 0 の攻撃だけです</source>
        <translation>Every attack has a count of 0</translation>
    </message>
    <message>
        <source>攻撃回数が多すぎます：最初の %1 回まで数えました</source>
        <translation>Too many uses: counted the first %1</translation>
    </message>
    <message>
        <source>計算できない技・攻撃側があります（その攻撃は数えていません）</source>
        <translation>A move or attacker cannot be calculated (its attack is not counted)</translation>
    </message>
    <message>
        <source>一撃必殺技は数えていません</source>
        <translation>One-hit KO moves are not counted</translation>
    </message>
    <message>
        <source>ジュエルを持つ攻撃側が多すぎます</source>
        <translation>Too many attackers hold a Gem</translation>
    </message>
    <message>
        <source>防御側： HP %1 / %2</source>
        <translation>Defender: HP %1 / %2</translation>
    </message>
    <message>
        <source>&#x3000;登場時 %1： %2</source>
        <translation>  On switching in, %1: %2</translation>
    </message>
    <message>
        <source>&#x3000;%1回目： 倒れている確率 %2 → %3、残りHP %4 → %5</source>
        <translation>  Use %1: chance knocked out %2 → %3, HP left %4 → %5</translation>
    </message>
    <message>
        <source>、外れ %1</source>
        <translation>, miss %1</translation>
    </message>
    <message>
        <source>、急所 %1</source>
        <translation>, critical hit %1</translation>
    </message>
    <message>
        <source>、持ち物がない %1</source>
        <translation>, item gone %1</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>、%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>技の追加効果（まひ・ひるみ・能力の変化）は数えていません</source>
        <translation>Secondary effects of moves (paralysis, flinching, stat changes) are not counted</translation>
    </message>
    <message>
        <source>反動・いのちのたまで減る攻撃側のHPは追っていません</source>
        <translation>The attackers&apos; HP lost to recoil or Life Orb is not followed</translation>
    </message>
    <message>
        <source>げきりん などの混乱は数えていません</source>
        <translation>Confusion after Outrage and the like is not counted</translation>
    </message>
    <message>
        <source>トリプルキックは1発ごとに命中を判定します</source>
        <translation>Triple Kick checks its accuracy for each hit</translation>
    </message>
    <message>
        <source>※%1</source>
        <translation>* %1</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>Guaranteed</translation>
    </message>
    <message>
        <source>15/16以上</source>
        <translation>15/16 or more</translation>
    </message>
    <message>
        <source>90％以上</source>
        <translation>90% or more</translation>
    </message>
    <message>
        <source>75％以上</source>
        <translation>75% or more</translation>
    </message>
    <message>
        <source>50％以上</source>
        <translation>50% or more</translation>
    </message>
    <message>
        <source>HP調整なし</source>
        <translation>No HP mark</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>HP努力値</source>
        <translation>HP EVs</translation>
    </message>
    <message>
        <source>防御努力値</source>
        <translation>Defense EVs</translation>
    </message>
    <message>
        <source>特防努力値</source>
        <translation>Sp. Def EVs</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>耐える確率</source>
        <translation>Chance to survive</translation>
    </message>
    <message>
        <source>HP調整</source>
        <translation>HP mark</translation>
    </message>
    <message>
        <source>防御側と攻撃を選んでください</source>
        <translation>Choose a defender and attacks</translation>
    </message>
    <message>
        <source>防御側の能力値が直接入力されているので、努力値では探せません</source>
        <translation>The defender&apos;s stats were typed in, so no EVs can be searched</translation>
    </message>
    <message>
        <source>計算できない攻撃があるので探せません</source>
        <translation>An attack cannot be calculated, so nothing can be searched</translation>
    </message>
    <message>
        <source>条件が正しくありません</source>
        <translation>The conditions are not valid</translation>
    </message>
    <message>
        <source>HP・防御・特防の努力値の残り %1 では耐えられません</source>
        <translation>With %1 HP, Defense and Sp. Def EVs left, nothing survives</translation>
    </message>
    <message>
        <source>HP・防御・特防の努力値の残り %1：耐える配分 %2 通り（合計の少ない順）</source>
        <translation>%1 HP, Defense and Sp. Def EVs left: %2 spreads survive (lowest total first)</translation>
    </message>
    <message>
        <source>探索中… HP努力値 %1 / %2</source>
        <translation>Searching… HP EVs %1 / %2</translation>
    </message>
</context>
<context>
    <name>SpeciesSummary</name>
    <message>
        <source>特殊</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>%1％</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1歩</source>
        <translation>%1 steps</translation>
    </message>
</context>
<context>
    <name>SpeedOrder</name>
    <message>
        <source>ランク%1</source>
        <translation>stage %1</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 → %2（%3）</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>すいすい</source>
        <translation>Swift Swim</translation>
    </message>
    <message>
        <source>ようりょくそ</source>
        <translation>Chlorophyll</translation>
    </message>
    <message>
        <source>すなかき</source>
        <translation>Sand Rush</translation>
    </message>
    <message>
        <source>こだわりスカーフ</source>
        <translation>Choice Scarf</translation>
    </message>
    <message>
        <source>素早さ半減の道具</source>
        <translation>Speed-halving item</translation>
    </message>
    <message>
        <source>スピードパウダー</source>
        <translation>Quick Powder</translation>
    </message>
    <message>
        <source>はやあし</source>
        <translation>Quick Feet</translation>
    </message>
    <message>
        <source>まひ</source>
        <translation>Paralysis</translation>
    </message>
    <message>
        <source>まひ無効</source>
        <translation>Paralysis ignored</translation>
    </message>
    <message>
        <source>スロースタート</source>
        <translation>Slow Start</translation>
    </message>
    <message>
        <source>かるわざ</source>
        <translation>Unburden</translation>
    </message>
    <message>
        <source>おいかぜ</source>
        <translation>Tailwind</translation>
    </message>
    <message>
        <source>攻撃側が先手</source>
        <translation>Attacker moves first</translation>
    </message>
    <message>
        <source>攻撃側が後手</source>
        <translation>Attacker moves last</translation>
    </message>
    <message>
        <source>同速 (50 %)</source>
        <translation>Speed tie (50 %)</translation>
    </message>
    <message>
        <source>素早さ %1 対 %2：%3</source>
        <translation>Speed %1 vs. %2: %3</translation>
    </message>
    <message>
        <source>（トリックルーム）</source>
        <translation> (Trick Room)</translation>
    </message>
    <message>
        <source>（せんせいのツメ・イバンのみで先に動くことがあります）</source>
        <translation> (Quick Claw or Custap Berry may let a side move first)</translation>
    </message>
</context>
<context>
    <name>SpreadText</name>
    <message>
        <source>攻撃</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>特攻</source>
        <translation>Sp. Atk</translation>
    </message>
    <message>
        <source>特防</source>
        <translation>Sp. Def</translation>
    </message>
    <message>
        <source>素早</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>確定で</source>
        <translation>for sure</translation>
    </message>
    <message>
        <source>%1％以上の確率で</source>
        <translation>with a chance of %1% or more</translation>
    </message>
    <message>
        <source>命中・急所込みで %1</source>
        <translation>%1, counting accuracy and critical hits</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>残り %1：ほかの努力値は 0</source>
        <translation>%1 left: the other EVs are 0</translation>
    </message>
    <message>
        <source>残り %1：%2 は固定</source>
        <translation>%1 left: %2 kept</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>確実さ %1％以上</source>
        <translation>certainty %1% or more</translation>
    </message>
    <message>
        <source>最適な性格</source>
        <translation>the best nature</translation>
    </message>
    <message>
        <source>ほかの努力値も振り直す</source>
        <translation>spreading the other EVs again</translation>
    </message>
    <message>
        <source>確実さ・性格・ほかの努力値を変えても見つかりません</source>
        <translation>Nothing is found whatever the certainty, nature or other EVs</translation>
    </message>
    <message>
        <source>こうすると見つかります：%1</source>
        <translation>Found with: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
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
        <source>この技のダメージは計算できません</source>
        <translation>This move&apos;s damage cannot be calculated</translation>
    </message>
    <message>
        <source>最速%1</source>
        <translation>max Speed %1</translation>
    </message>
    <message>
        <source>準速%1</source>
        <translation>neutral max Speed %1</translation>
    </message>
    <message>
        <source>無振り%1</source>
        <translation>uninvested %1</translation>
    </message>
    <message>
        <source>最遅%1</source>
        <translation>min Speed %1</translation>
    </message>
    <message>
        <source>防御側の%1</source>
        <translation>the defender&apos;s %1</translation>
    </message>
    <message>
        <source>攻撃側の%1</source>
        <translation>the attacker&apos;s %1</translation>
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
        <source>習得技</source>
        <translation>Learnable move</translation>
    </message>
    <message>
        <source>直接数値</source>
        <translation>Direct input</translation>
    </message>
    <message>
        <source>威力 %1 %2 %3</source>
        <translation>Power %1 %2 %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1発</source>
        <translation>1 hit</translation>
    </message>
    <message>
        <source>%1発</source>
        <translation>%1 hits</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>Guaranteed</translation>
    </message>
    <message>
        <source>%1％以上</source>
        <translation>%1% or more</translation>
    </message>
    <message>
        <source>今の性格</source>
        <translation>Current nature</translation>
    </message>
    <message>
        <source>HP努力値</source>
        <translation>HP EVs</translation>
    </message>
    <message>
        <source>%1努力値</source>
        <translation>%1 EVs</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>耐える確率</source>
        <translation>Chance to survive</translation>
    </message>
    <message>
        <source>%1発を%2耐える配分はありません</source>
        <translation>no spread survives %1 hits %2</translation>
    </message>
    <message>
        <source>%1発を%2耐える配分 %3 通り（少ない順）</source>
        <translation>%3 spreads survive %1 hits %2 (lowest first)</translation>
    </message>
    <message>
        <source>性格 %1・HPと%2の努力値の残り %3：%4</source>
        <translation>Nature %1, %3 HP and %2 EVs left: %4</translation>
    </message>
    <message>
        <source>相手の今の素早さ</source>
        <translation>The foe&apos;s current Speed</translation>
    </message>
    <message>
        <source>最速</source>
        <translation>Max Speed</translation>
    </message>
    <message>
        <source>準速</source>
        <translation>Neutral max Speed</translation>
    </message>
    <message>
        <source>無振り</source>
        <translation>Uninvested</translation>
    </message>
    <message>
        <source>最遅</source>
        <translation>Min Speed</translation>
    </message>
    <message>
        <source>攻撃側を調整</source>
        <translation>Tune the attacker</translation>
    </message>
    <message>
        <source>防御側を調整</source>
        <translation>Tune the defender</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>あとだし・こうこうのしっぽ・まんぷくのおこうで順番が決まるので、素早さでは変わりません（%1に先手）</source>
        <translation>Stall, Lagging Tail or Full Incense decides the order, so Speed changes nothing (first against %1)</translation>
    </message>
    <message>
        <source>あとだし・こうこうのしっぽ・まんぷくのおこうで順番が決まるので、素早さでは変わりません（%1に後手）</source>
        <translation>Stall, Lagging Tail or Full Incense decides the order, so Speed changes nothing (last against %1)</translation>
    </message>
    <message>
        <source>。努力値 %1 では同速</source>
        <translation>. With %1 EVs it ties</translation>
    </message>
    <message>
        <source>性格 %1・素早さ努力値 %2 まで（素早さ %3）なら %4より遅く、トリックルームで先手</source>
        <translation>Nature %1, Speed EVs up to %2 (Speed %3): slower than %4, first under Trick Room</translation>
    </message>
    <message>
        <source>性格 %1・素早さ努力値 %2（素早さ %3）で %4抜き</source>
        <translation>Nature %1, Speed EVs %2 (Speed %3): outspeeds %4</translation>
    </message>
    <message>
        <source>性格 %1・素早さ努力値 0（素早さ %3）でも %4より速く、トリックルームで先に動けません</source>
        <translation>Nature %1, even with 0 Speed EVs (Speed %3) faster than %4: cannot move first under Trick Room</translation>
    </message>
    <message>
        <source>性格 %1・素早さ努力値を残りの %2 まで振っても（素早さ %3）、%4を抜けません</source>
        <translation>Nature %1, even with all %2 Speed EVs left (Speed %3): does not outspeed %4</translation>
    </message>
    <message>
        <source>最適な性格（%1）</source>
        <translation>the best nature (%1)</translation>
    </message>
    <message>
        <source>こだわりスカーフを持たせる</source>
        <translation>holding a Choice Scarf</translation>
    </message>
    <message>
        <source>努力値・性格では遅くなりきれません</source>
        <translation>EVs and nature cannot make it slow enough</translation>
    </message>
    <message>
        <source>努力値・性格では届きません</source>
        <translation>EVs and nature cannot make it fast enough</translation>
    </message>
    <message>
        <source>%1発で倒す確率は %2</source>
        <translation>%1HKO chance %2</translation>
    </message>
    <message>
        <source>性格 %1・%2努力値を残りの %3 まで振っても、%4（%2 %5）で、%6に届きません</source>
        <translation>Nature %1, even with all %3 %2 EVs left: %4 (%2 %5), short of %6</translation>
    </message>
    <message>
        <source>%1％</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>性格 %1・%2努力値 %3（%2 %4）で、%5</source>
        <translation>Nature %1, %2 EVs %3 (%2 %4): %5</translation>
    </message>
    <message>
        <source>攻撃側と防御側を選んでください</source>
        <translation>Choose an attacker and a defender</translation>
    </message>
    <message>
        <source>HP調整 %1 を外す</source>
        <translation>no %1 HP mark</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>保存しました：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>%1をコピーしました（%2 行）</source>
        <translation>Copied %1 (%2 lines)</translation>
    </message>
    <message>
        <source>元に戻しました：%1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>やり直しました：%1</source>
        <translation>Redone: %1</translation>
    </message>
</context>
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
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>TurnEnd</name>
    <message>
        <source>ステルスロック</source>
        <translation>Stealth Rock</translation>
    </message>
    <message>
        <source>まきびし</source>
        <translation>Spikes</translation>
    </message>
    <message>
        <source>すなあらし</source>
        <translation>Sandstorm</translation>
    </message>
    <message>
        <source>あられ</source>
        <translation>Hail</translation>
    </message>
    <message>
        <source>あめうけざら</source>
        <translation>Rain Dish</translation>
    </message>
    <message>
        <source>アイスボディ</source>
        <translation>Ice Body</translation>
    </message>
    <message>
        <source>かんそうはだ</source>
        <translation>Dry Skin</translation>
    </message>
    <message>
        <source>サンパワー</source>
        <translation>Solar Power</translation>
    </message>
    <message>
        <source>たべのこし</source>
        <translation>Leftovers</translation>
    </message>
    <message>
        <source>くろいヘドロ</source>
        <translation>Black Sludge</translation>
    </message>
    <message>
        <source>やどりぎのタネ</source>
        <translation>Leech Seed</translation>
    </message>
    <message>
        <source>どく</source>
        <translation>Poison</translation>
    </message>
    <message>
        <source>もうどく</source>
        <translation>Toxic</translation>
    </message>
    <message>
        <source>やけど</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>ポイズンヒール</source>
        <translation>Poison Heal</translation>
    </message>
    <message>
        <source>しめつけ</source>
        <translation>Bind</translation>
    </message>
    <message>
        <source>オボンのみ</source>
        <translation>Sitrus Berry</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Immune</translation>
    </message>
    <message>
        <source>使用不可</source>
        <translation>Cannot use</translation>
    </message>
    <message>
        <source>%1％</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>0.1％未満</source>
        <translation>under 0.1%</translation>
    </message>
    <message>
        <source>確定1発</source>
        <translation>guaranteed OHKO</translation>
    </message>
    <message>
        <source>確定%1発</source>
        <translation>guaranteed %1HKO</translation>
    </message>
    <message>
        <source>乱数1発 (%1)</source>
        <translation>%1 chance to OHKO</translation>
    </message>
    <message>
        <source>乱数%1発 (%2)</source>
        <translation>%2 chance to %1HKO</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>命中・急所</source>
        <translation>accuracy and critical hits</translation>
    </message>
    <message>
        <source>%1込みで %2</source>
        <translation>%2 counting %1</translation>
    </message>
</context>
</TS>
