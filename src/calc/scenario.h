#pragma once
// One battle as the player sets it up, described once: who attacks whom (each side a box entry,
// what the box keeps beside it, its half of the field and what the battle has done to it so far),
// the field both share, and how to compute (the mode and a critical hit). The box window's
// conditions and battle-state panels edit one scenario; the rows, the matrix, the spread finder and
// speed tuning all read it through calc/calculate.h, so two of them cannot disagree about a pair.
//
// Every field starts at the value that changes nothing. What the player has not said is
// std::nullopt: the exact engine then computes with the neutral value (full HP, no status, the first
// use …) and its log says so.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "data/generations.h"
#include "data/items.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rusrina {

// How the rows are computed. The simple engine is the default.
enum class DamageMode { Simple = 0, ExactGen5 = 1, ExactGen4 = 2 };
inline constexpr int kDamageModeCount = 3;
bool isExact(DamageMode mode);
Generation generationOf(DamageMode mode); // kGen5 for the simple mode

enum class StatusCondition : int8_t { None, Burn, Poison, BadPoison, Paralysis, Sleep, Freeze };

// The stats a stage acts on, in the order the battle-state panel shows them.
enum StageStat : int {
    kStageAttack,
    kStageDefence,
    kStageSpAttack,
    kStageSpDefence,
    kStageSpeed,
    kStageAccuracy,
    kStageEvasion,
    kStageStatCount
};
inline constexpr int kLowestStage = -6;
inline constexpr int kHighestStage = 6;
using Stages = std::array<int8_t, kStageStatCount>;

inline constexpr int kMostToxicTurns = 15; // もうどく's count stops rising here
inline constexpr int kMostSpikes = 3;

// The HP a side has now: a share of its maximum in percent, or a value.
struct HpNow {
    int amount = 100;
    bool isShare = true;
    bool operator==(const HpNow&) const = default;
};

// What this turn and the turns before did, as far as the moves that read it need.
struct TurnFacts {
    std::optional<bool> movesAfterFoe;       // it moves after its foe this turn (しっぺがえし)
    std::optional<bool> hitByFoeThisTurn;    // its foe hit it earlier this turn (ゆきなだれ, リベンジ)
    std::optional<bool> hitThisTurn;         // it was hit earlier this turn (ダメおし against it)
    std::optional<bool> allyFaintedLastTurn; // かたきうち
    std::optional<bool> allyUsedRound;       // an ally used りんしょう before it this turn
    std::optional<bool> switchingOut;        // it is switching out (おいうち against it)
    std::optional<int> usesInARow;           // uses of the move in a row before this one (エコーボイス …)
    std::optional<int> stockpile;            // たくわえる stored (はきだす): 0 to 3
    std::optional<int> ppLeft;               // the move's PP left after this use (きりふだ)
    std::optional<int> raisedStages;         // every raised stage added up (アシストパワー, おしおき)
    bool operator==(const TurnFacts&) const = default;
};

// What the battle has done to one side so far, and what lies on its half of the field: the
// battle-state panel's side. The exact modes read it; the simple mode knows none of it.
struct CombatantState {
    std::optional<StatusCondition> status;
    int toxicTurns = 1; // もうどく: which turn of it the next end of turn is (1 deals 1/16, 2 deals 2/16 …)
    std::optional<HpNow> hp;
    // Stages, kLowestStage … kHighestStage. The attack and defence stages add to the window's
    // 攻撃補正/防御補正 (the sum held within ±6).
    Stages stages{};
    bool tailwind = false;    // おいかぜ
    bool stealthRock = false; // ステルスロック
    int spikes = 0;           // まきびし, 0 … kMostSpikes layers
    bool seeded = false;      // やどりぎのタネ: loses 1/8 at each end of turn
    bool charged = false;     // じゅうでん: its next でんき move has double power
    bool flashFire = false;   // もらいび active: its ほのお moves ×1.5
    bool switchingIn = false; // it comes in this turn: the hazards of its side hit it before the first hit
    TurnFacts turn;
    bool operator==(const CombatantState&) const = default;
};

// The box window's condition boxes that belong to one side: its half of the field and what its
// ally does for it. The window sets the screens, みやぶる and フレンドガード on the defender, てだすけ
// and フラワーギフト on the attacker.
struct SideConditions {
    bool reflect = false;     // リフレクター
    bool lightScreen = false; // ひかりのかべ
    bool identified = false;  // みやぶる／かぎわける was used on it
    bool friendGuard = false; // its ally's フレンドガード
    bool helpingHand = false; // its ally's てだすけ
    bool flowerGift = false;  // its ally's フラワーギフト
    bool operator==(const SideConditions&) const = default;
};

struct Combatant {
    std::optional<BoxEntry> entry; // not chosen yet
    // What the box keeps beside the entry (box/entry_extra.h).
    int heldItem = kItemOfRecord; // data/held_items.h index, or the record's item row alone
    Gender gender = Gender::Unknown;
    std::optional<int> happiness; // 0..255; not known: おんがえし and やつあたり at their strongest
    SideConditions side;
    CombatantState state;
};

// A box entry with what the box keeps beside it. The box's default happiness is also what every
// entry nobody told it about holds, so it is taken as not known; any other value was given.
Combatant combatantOf(const BoxEntry& entry, const EntryExtra& extra);
// The held item a chosen combatant holds (box/entry_extra.h's heldItemOf).
int heldItemOf(const Combatant& combatant);

// What both sides share: the condition boxes' weather, じゅうりょく and ダブルバトル, and the battle
// state's rooms and whether each end of turn counts.
struct Field {
    int weather = kWeatherNone; // Weather
    bool gravity = false;
    bool doubleBattle = false;
    bool trickRoom = false;  // トリックルーム: the slower moves first
    bool magicRoom = false;  // マジックルーム: no held item acts
    bool wonderRoom = false; // ワンダールーム: every defence and special defence change places
    // Whether the chance to knock out counts what each end of turn deals and heals between the hits;
    // the hazards of a side switching in count either way.
    bool countTurnEnd = false;
    // Whether the chance to knock out counts each use's miss and each hit's critical hit by its
    // chance (命中・急所も数える), the uses following one another as a sequence does.
    bool countHitChances = false;
    bool operator==(const Field&) const = default;
};

// The box window's own boxes for what the battle state describes: the simple mode's only inputs for
// it. In the exact modes the stages add to the state's, and the others force what the state does not
// show (the log says which).
struct WindowAssumptions {
    int attackStage = 0;        // 攻撃補正, -6 … +6: the attacker's stage of the stat its move uses
    int defenceStage = 0;       // 防御補正: the defender's stage of the stat the move hits
    bool burn = false;          // やけど: the attacker is burned
    bool abilityActive = false; // 特性発動: the attacker's ability acts
    bool berryActive = false;   // きのみ発動: the attacker's pinch berry acts
    bool operator==(const WindowAssumptions&) const = default;
};

struct Scenario {
    Combatant attacker;
    Combatant defender;
    Field field;
    WindowAssumptions assumed;
    DamageMode mode = DamageMode::Simple;
    bool critical = false; // 急所; the simple engine knows none
};

// Both sides are chosen.
inline bool hasPair(const Scenario& s) {
    return s.attacker.entry && s.defender.entry;
}

// The HP a side has now of `maxHp`: the share rounded down or the value, held within 1 … maxHp;
// full when not given.
int hpNowOf(const CombatantState& state, int maxHp);

// The state with every number taken back into its range (a hand-edited settings file may hold
// anything): stages within ±6, もうどく's count 1 … 15, まきびし 0 … 3, an HP share 1 … 100 and a value
// at least 1, the weather and the window's stages within their lists.
Scenario scenarioWithinRange(Scenario scenario);

// A state whose HP is given as a value with that value as the nearest share of `maxHp`. Where one
// side's state stands for many entries (the box against one creature, every split of a spread), a
// share fits each of them.
CombatantState withHpShare(CombatantState state, int maxHp);

// What the simple mode knows of the battle: the state of each side and the field's rooms and end of
// turn at their defaults, the condition boxes as they are.
Scenario withoutBattleState(Scenario scenario);

} // namespace rusrina
