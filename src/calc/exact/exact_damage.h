#pragma once
// The exact damage engine: what the game computes for one hit, in the 5th or the 4th generation,
// roll by roll. It takes the simple engine's inputs (two box entries, a row, the conditions) plus
// the generation and a critical hit, and gives the 16 random rolls (85 % … 100 %), for a move of
// several hits or possible powers every hit's rolls and the outcomes of a use with their chances,
// the chance to knock out in n uses and, when a record is given, every rule it applied in the order
// the game applies them (calc/exact/exact_step.h). It words nothing: the row texts and the log are the
// views' (view/box/exact_row.h).
//
// The move is worked out once per attacker (prepareExactAttack), then exactRolls gives its rolls
// against any number of defenders or stat spreads; without a record it builds nothing at all.
//
// Where the rules live: the driver and the set-up of a hit here in exact_damage.cpp, the steps
// both generations share in exact_steps.cpp, and what differs in exact_gen5.cpp (modifiers in
// 4096ths, chained per stage) and exact_gen4.cpp (each modifier truncating, in three stages); the
// hits after the first in exact_hits.cpp; the chance to knock out in exact_ko.cpp.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "calc/battle/battle_state.h"
#include "calc/damage/damage_engine.h"
#include "calc/exact/exact_step.h"
#include "data/generations.h"
#include "data/ids.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace rusrina {

struct ExactOptions {
    Generation generation = kGen5;
    bool critical = false;
};

// What the battle has done to one side so far, as far as the moves that read it need: the HP now,
// a status, the raised stages, what happened this turn and the turns before. Every field starts
// unknown (kUnknownState): the engine then computes with the neutral value (full HP, no status, the
// first use …) and its log says so. The battle state of a whole turn fills it in.
inline constexpr int kUnknownState = -1;
enum class ExactStatus : int8_t { Unknown = -1, None, Burn, Poison, BadPoison, Paralysis, Sleep, Freeze };
struct BattleSideState {
    int32_t hp = kUnknownState; // the HP now
    ExactStatus status = ExactStatus::Unknown;
    int8_t raisedStages = kUnknownState; // its raised stages added up, every stat (アシストパワー, おしおき)
    // 0 no, 1 yes:
    int8_t movesAfterFoe = kUnknownState;       // it moves after its foe this turn (しっぺがえし)
    int8_t hitByFoeThisTurn = kUnknownState;    // its foe hit it earlier this turn (ゆきなだれ, リベンジ)
    int8_t hitThisTurn = kUnknownState;         // it was hit earlier this turn (ダメおし against it)
    int8_t allyFaintedLastTurn = kUnknownState; // かたきうち
    int8_t allyUsedRound = kUnknownState;       // an ally used りんしょう before it this turn
    int8_t switchingOut = kUnknownState;        // it is switching out (おいうち against it)
    // counts:
    int8_t usesInARow =
        kUnknownState; // uses of the move in a row before this one (エコーボイス, れんぞくぎり, ころがる)
    int8_t stockpile = kUnknownState; // たくわえる stored (はきだす): 0 to 3
    int8_t ppLeft = kUnknownState;    // the move's PP left after this use (きりふだ)
    // What the player's battle state says beyond the above, each neutral by default:
    std::array<int8_t, kStageStatCount> stages{}; // the stages; attack and defence add to the window's
    bool stagesKnown = false; // every stage is given (アシストパワー, おしおき add them up)
    int8_t toxicTurns = 1;    // もうどく: the turn its next end of turn deals n/16
    bool tailwind = false;    // おいかぜ on its side (speed)
    bool charged = false;     // じゅうでん: its でんき move at double power
    bool flashFire = false;   // もらいび active
    // Its side of the field and what is on it, for the chance to knock out (exact_turn_end.h):
    bool stealthRock = false;
    int8_t spikes = 0;
    bool seeded = false;
    bool switchingIn = false; // the hazards hit it before the first hit
};

// One side of a hit as the engine reads it: the box entry and what the engine needs beyond its
// 144 bytes. Made from an entry alone, it holds what the entry says today: the held item its
// damage-item row stands for, no gender, a happiness not known (おんがえし and やつあたり at their
// strongest) and a battle state not known. The engine takes every item effect from the held item;
// kItemOfRow leaves the entry's row to say it, which for "各種タイプ補正" means the type item of
// whatever type the move hits with.
inline constexpr ItemId kItemOfRow = static_cast<ItemId>(-1);
inline constexpr int kUnknownGender = 0; // or genderless; 1 male, 2 female
inline constexpr int kUnknownHappiness = -1;
inline constexpr int kFullHappiness = 255;
struct ExactSide {
    ExactSide() = default;
    ExactSide(const BoxEntry& e); // an entry as it stands is a side, so calls may pass the entry

    const BoxEntry* entry = nullptr;
    ItemId heldItem = ItemId::None; // kItemOfRow: what the entry's damage-item row stands for
    int gender = kUnknownGender;
    int happiness = kUnknownHappiness; // 0..255
    BattleSideState state;
};
// A box entry with what the box keeps beside it (box/entry_extra.h); the entry must outlive the side.
ExactSide exactSide(const BoxEntry& entry, const EntryExtra& extra);
// The same with the player's battle state of that side: the one place a SideState becomes what the
// engine reads. A field at its default leaves the engine's value unknown, so a neutral state computes
// and logs exactly what the side without one does; the HP share is of the entry's maximum.
ExactSide exactSide(const BoxEntry& entry, const EntryExtra& extra, const SideState& state);
void applySideState(ExactSide& side, const SideState& state);

inline constexpr int kRollCount = 16;
using RollSet = std::array<int32_t, kRollCount>; // the 16 rolls of one hit, 85 % … 100 %
inline constexpr int kMostHitsPerUse = 6;        // ふくろだたき with a full party; 2–5 hit moves at most 5

// The 16 rolls of one hit, the power the move hit with, and the least and most of the rolls.
struct HitRolls {
    HitRolls(const RollSet& hitRolls, int32_t hitPower)
        : rolls(hitRolls), power(hitPower), low(*std::min_element(rolls.begin(), rolls.end())),
          high(*std::max_element(rolls.begin(), rolls.end())) {}

    RollSet rolls;
    int32_t power;
    int32_t low;
    int32_t high;
};

// One way a use of a move can go: how many hits it lands and which rolls each deals, with its chance
// relative to the use's other outcomes (2 hits: 3 of 8 in the 4th generation, a magnitude …). An
// outcome of no hits deals nothing (プレゼント that heals).
struct UseOutcome {
    uint16_t weight = 1;
    uint8_t hits = 1;
    std::array<uint8_t, kMostHitsPerUse> sets{}; // hit i deals ExactRolls::sets[sets[i]]
    int16_t label = 0;                           // what names the outcome: its hit count, its magnitude …
};

// What names the outcomes of a use, for the texts: their hit counts, マグニチュード's magnitudes,
// their powers (プレゼント; 0 a heal), the amounts dealt (サイコウェーブ), or the turn order (0 first, 1
// after: しっぺがえし at equal speed).
enum class OutcomeKind : uint8_t { HitCount, Magnitude, Power, Damage, TurnOrder };

// What one use of a move deals, without texts. A move of one hit has its 16 rolls in `rolls`; a move
// of several hits, or of several possible powers, also has every roll set its hits draw on and the
// outcomes of a use, each with its chance.
struct ExactRolls {
    enum class Outcome : uint8_t {
        NotComputed, // no move, power 0, an entry or input the engine cannot use
        NoFormula,   // a move whose damage does not follow from what the window knows
        Immune,      // 0 damage: the type chart or an ability
        CannotUse,   // the move cannot be used under the conditions (Gravity)
        Damage,
    };
    Outcome outcome = Outcome::NotComputed;
    bool fixed = false;      // a move that deals a set amount (Seismic Toss …)
    bool halvesHp = false;   // いかりのまえば: each use takes half of what is left (at least 1)
    RollSet rolls{};         // the first hit's rolls, ascending but where damage wraps
    int32_t hp = 0;          // the defender's HP
    int32_t hpNow = 0;       // the HP it has now, which the chance to knock out counts against; 0: full
    int32_t effect = 4;      // effectiveness product, 4 neutral (as the simple engine)
    int32_t sameType = 0;    // 0 none, 1 ×1.5, 2 ×2 (Adaptability)
    int32_t shownType = -1;  // Weather Ball, Hidden Power: the type worked out
    int32_t shownPower = -1; // Hidden Power, Gyro Ball, Electro Ball: the power worked out
    // A move of several hits or powers; empty for one hit of `rolls`. sets[0] holds `rolls`.
    std::vector<HitRolls> sets;
    std::vector<UseOutcome> firstUse; // the outcomes of the first use
    std::vector<UseOutcome> laterUse; // the outcomes of every later use; empty: as the first
    OutcomeKind kind = OutcomeKind::HitCount;

    bool hits() const { return outcome == Outcome::Damage; }
    int32_t hpLeft() const { return hpNow > 0 ? hpNow : hp; }
    bool oneHit() const { return firstUse.empty(); }
    // The least and the most one use deals (the first use; for several hits, their sum).
    int32_t low() const { return oneHit() ? *std::min_element(rolls.begin(), rolls.end()) : useRange().firstLow; }
    int32_t high() const { return oneHit() ? *std::max_element(rolls.begin(), rolls.end()) : useRange().firstHigh; }
    // The most hits a use lands, and the rolls of hit i of the first use at its most hits.
    int mostHits() const;
    const RollSet& hitRolls(int i) const;
    const std::vector<UseOutcome>& laterUses() const { return laterUse.empty() ? firstUse : laterUse; }
    int32_t useTotal(const std::vector<UseOutcome>& use, bool most) const;
    // What the first use and each later use deal at their least and most; worked out once when the
    // outcomes are complete (settleUses), else each time it is asked.
    struct UseRange {
        int32_t firstLow, firstHigh, laterLow, laterHigh;
    };
    UseRange useRange() const { return m_settled ? m_range : rangeOfUses(); }
    void settleUses() {
        m_range = rangeOfUses();
        m_settled = true;
    }

private:
    UseRange rangeOfUses() const;
    UseRange m_range{};
    bool m_settled = false;
};

// The smallest number of uses that can knock the defender out, and the chance that this many
// do, counted over every equally likely roll (and every outcome by its chance; 1 when certain).
struct KoChance {
    int hits = 0;
    double chance = 0.0;
};
KoChance koChance(const ExactRolls& rolls);
// The chance that n hits take at least hp, from the distribution of the 16 rolls (a convolution
// over the sums, not an enumeration of the combinations).
double koChanceIn(const RollSet& rolls, int32_t hp, int hits);
// The chance that n uses of the move knock the defender out from the HP it has now. A chance that is
// not certain is never 1, and one that is possible never 0, however small.
double koChanceIn(const ExactRolls& rolls, int uses);
// The fewest uses that always knock the defender out (0 when none do: nothing is dealt).
int certainKo(const ExactRolls& rolls);

// One attacker's move under the conditions, worked out once for any number of defenders. It
// points at the attacker's entry it was prepared from, which must outlive it.
struct ExactAttack {
    ExactSide attacker;
    DamageSlot slot;
    BattleConditions conditions;
    ExactOptions options;
    FieldState field;        // the battle state's field: the 5th generation's rooms act on the hit
    bool usable = false;     // false: every defender gets NotComputed
    bool noFormula = false;  // a variable-damage move, or one the generation lacks
    bool grounded = false;   // a move Gravity keeps from being used
    MoveId move = kNoMoveId; // none in the direct-value row
    int power = 0;           // the move's power in the generation (before its own rules)
    int accuracy = 0;
    int type = 0;
    int category = 0;
    int target = 0;
    AbilityId ability = AbilityId::None; // the attacker's ability as the engine reads it (None: one it ignores)
    ItemId item = ItemId::None; // the attacker's held item as the engine reads it (kAnyTypeItem: the move's type item)
    bool status = false;        // burned, or the ability's condition set for Guts (which needs a status)
    bool flashFire = false;     // もらいび active: its box, or the battle state
    bool magicRoom = false;     // マジックルーム in the 5th generation: no held item acts, on either side
    bool spread = false;        // a move that hits both foes, in a double battle, from the attacker's own moves
};
ExactAttack prepareExactAttack(const ExactSide& attacker, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options);
// The same on the battle state's field (マジックルーム, ワンダールーム).
ExactAttack prepareExactAttack(const ExactSide& attacker, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options, const FieldState& field);
// The rolls of the prepared move against one defender. Given a record, the steps of the hit are
// appended to it; without one (the matrix, the spread finder) nothing is recorded or allocated.
ExactRolls exactRolls(const ExactAttack& attack, const ExactSide& defender, ExactRecord* record = nullptr);

// The defender's stat the prepared move hits: kDefence for physical moves (and, in the 5th
// generation, Psyshock, Psystrike and Secret Sword), else kSpDefence. The attacker's
// stat is kAttack for physical moves, else kSpAttack.
int defendingStatOf(const ExactAttack& attack);
int attackingStatOf(const ExactAttack& attack);
// Whether the rolls depend on the defender's HP (いかりのまえば, がむしゃら); for every other move
// they follow from the defence alone, so one set of rolls serves every HP.
bool rollsDependOnHp(const ExactAttack& attack);

// The distribution of what n uses of a move add up to, worked out once so that the chance to knock
// out can be read for any HP: chanceAtLeast(hp) equals koChanceIn(rolls, hp, hits) for a move of one
// hit. Not for いかりのまえば, whose damage follows the HP.
class HitSums {
public:
    HitSums(const RollSet& rolls, int hits);
    HitSums(const ExactRolls& rolls, int uses);
    double chanceAtLeast(int64_t total) const;

private:
    int64_t m_lowest = 0;          // the smallest sum
    std::vector<double> m_atLeast; // [i]: the chance that the sum reaches m_lowest + i
};

} // namespace rusrina
