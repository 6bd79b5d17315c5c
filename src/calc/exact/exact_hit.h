#pragma once
// What one exact hit carries from step to step, and the steps. Internal to the exact damage engine
// (exact_*.cpp). Every step does its arithmetic and, only when a record is given, records what it
// applied.

#include "calc/damage/damage_row.h"
#include "calc/exact/exact_damage.h"
#include "calc/exact/exact_step.h"

#include <cstdint>

namespace rusrina::exact {

// The damage-item row "各種タイプ補正" without its item stands for the move's own type item.
inline constexpr ItemId kAnyTypeItem = static_cast<ItemId>(-1);

inline constexpr int kMaxStage = 6;

// Moves that deal one of several powers, each with its chance.
enum class PowerOutcomes : uint8_t { None, Magnitude, Present, TurnOrder };

// Everything one hit carries from step to step.
struct Hit {
    Hit(const ExactAttack& attack, const ExactSide& defender, ExactRecord* stepRecord)
        : a(attack), atk(*attack.attacker.entry), def(*defender.entry), defSide(defender), record(stepRecord),
          gen(attack.options.generation) {}

    const ExactAttack& a;
    const BoxEntry& atk;
    const BoxEntry& def;
    const ExactSide& defSide;
    ExactRecord* record; // null on the fast path
    Generation gen;

    int weather = 0;
    int type = 0;
    int power = 0;
    SpeciesTypes atkTypes{};
    SpeciesTypes defTypes{};
    AbilityId defAbility = AbilityId::None; // None when Mold Breaker breaks through it, or the generation lacks it
    ItemId defItem = ItemId::None;          // the defender's held item; None under Klutz
    bool critical = false;
    bool typeless = false;    // no same type, no effectiveness, no type item (the 4th generation's
                              // みらいよち, はめつのねがい, ふくろだたき)
    bool screen = false;      // Reflect or Light Screen applies
    bool hitsDefence = false; // physical, or a move that hits the defence
    int factor1 = 2;          // chart codes (0, 1, 2, 4) in the order the 4th generation applies them
    int factor2 = 2;
    int attack = 0;
    int defence = 0;
    int64_t base = 0; // the damage before the random roll
    MoveFailure failure = MoveFailure::None;
    bool baseStatsOnly = false;  // the 4th generation's ふくろだたき: base attack against base defence
    bool halfHpTarget = false;   // しおみず: the foe at half its HP or less
    bool poisonedTarget = false; // ベノムショック
    PowerOutcomes powerOutcomes = PowerOutcomes::None;
    int hitNumber = 0;     // the hit within its use, 0 the first (トリプルキック's power follows it)
    bool laterUse = false; // a use after the first: what the first spent (a gem) is gone
    ExactRolls out;

    bool physical() const { return a.category == kPhysical; }
    bool special() const { return a.category != kPhysical; }
    bool stab() const { return !typeless && (type == atkTypes.type1 || type == atkTypes.type2); }
    bool gen4() const { return gen == kGen4; }
    bool superEffective() const { return out.effect > 4; }
    // Whether this is the very first hit, which alone meets the foe at full HP and with its berry.
    bool firstHit() const { return hitNumber == 0 && !laterUse; }
    // Inline, so that on the fast path the step is never built.
    void add(const ExactStep& step) const {
        if (record)
            record->steps.push_back(step);
    }
    // A step that carries nothing but its rule (and an argument).
    void add(ExactRule rule, int32_t arg = 0) const { add(ExactStep{.rule = rule, .arg = arg}); }
    // A factor applied to a value.
    void addFactor(ExactRule rule, int32_t numerator, int32_t denominator, int64_t before, int64_t after,
                   ExactStepSide side = ExactStepSide::Attacker, int32_t arg = 0) const {
        add(ExactStep{.rule = rule,
                      .side = side,
                      .numerator = numerator,
                      .denominator = denominator,
                      .before = before,
                      .after = after,
                      .arg = arg});
    }
    // A value a stage ends with.
    void addValue(ExactRule rule, int64_t value, int32_t arg = 0) const {
        add(ExactStep{.rule = rule, .after = value, .arg = arg});
    }
};

// A modifier: its rule, the factor numerator / denominator, and whose it is.
struct Factor {
    ExactRule rule;
    int32_t numerator;
    int32_t denominator;
    ExactStepSide side = ExactStepSide::Attacker;
    int32_t arg = 0; // what the step's wording needs (an item, an ability)
};

// An item of the table: neither none nor the row's type item.
inline bool heldInTable(ItemId item) {
    return indexOf(item) > 0;
}

// The entry's ability as the generation has it: one of the 5th generation does nothing in the 4th.
inline AbilityId abilityIn(const BoxEntry& entry, Generation gen) {
    const AbilityId ability = abilityIdOf(entry.ability);
    return gen == kGen4 && ability >= kFirstGen5Ability ? AbilityId::None : ability;
}

// Common steps (exact_steps.cpp).
void resolveWeatherAndTypes(Hit& h);
void resolveMove(Hit& h);
void resolveEffectiveness(Hit& h);
bool blockedByAbility(Hit& h);
bool dealtFixedDamage(Hit& h);
void recordEffectiveness(const Hit& h);
int attackStageOf(Hit& h);   // -6..+6 after berries, Simple, Unaware and a critical hit
int defenceStageOf(Hit& h);  // the same for the defender
int foulPlayStageOf(Hit& h); // イカサマ's: the defender's attack stage, with its Download
int stagedStat(Hit& h, int stat, int stage, bool attacking);
// Whether the attacker's item raises the power of the move's type (type items, plates, incenses,
// and an orb in its own species' hands).
bool typeItemBoosts(const Hit& h);
// The attacker's gem of the move's type, used up by the move's first hit (5th generation).
bool gemBoosts(const Hit& h);
// The abilities that raise the power of some moves, by what the move is (both generations).
bool recklessBoosts(const Hit& h);
bool ironFistBoosts(const Hit& h);
bool sheerForceBoosts(const Hit& h); // the 5th generation's ability
// Rivalry: 1 against the same gender, -1 against the other, 0 when either is unknown or has none
// (recorded as such).
int rivalryOf(const Hit& h);
// Whether Analytic's condition holds: the attacker moves after the defender (recorded).
bool analyticActs(const Hit& h);
// The 4th generation's へんしょく on a hit after the very first: the defender took the move's type
// (recorded), and its effectiveness is to be worked out again.
bool changedColour(Hit& h);
// Whether a burn halves the hit: a physical move of a burned attacker without こんじょう, and not
// after the hit that lets its チーゴのみ cure it (recorded).
bool burnHalves(const Hit& h);
// Whether the defender's くだけるよろい lowers its defence after each hit of the move.
bool weakArmorActs(const Hit& h);
// Whether the defender's berry halves the hit: its type, super effective (Chilan Berry: Normal).
bool resistBerryHalves(const Hit& h);
// The defender's Multiscale at full HP (the window does not know the HP yet: full).
bool multiscaleActs(const Hit& h);
// かたやぶり, テラボルテージ and ターボブレイズ: every other creature's breakable ability is ignored.
bool breaksAbilities(AbilityId ability);
// Whether an ally's フラワーギフト raises the attacker's attack: in the sun, for a physical move, when the
// attacker has none of its own, and not when the attacker's かたやぶり ignores the ally's ability too
// (which it records).
bool allyFlowerGiftActs(Hit& h);
// The defender's stat raised by Eviolite: a species that evolves further (5th generation).
bool evioliteActs(const Hit& h);
// What the battle state says of the sides: じゅうでん doubling a でんき move, the attacker poisoned
// (どくぼうそう), the defender with a status (ふしぎなうろこ; not known is none, and the log says so).
bool chargeDoubles(const Hit& h);
bool attackerPoisoned(const Hit& h);
bool defenderHasStatus(const Hit& h);

// Moves whose power, type or damage follows the battle (exact_moves.cpp).
bool powerFollowsItsRule(MoveId move); // a move of table power 1 whose power the engine works out
void resolveVariablePower(Hit& h);     // the power (and a type, a failure, several powers) of such a move
bool dealtVariableDamage(Hit& h); // がむしゃら, いのちがけ, サイコウェーブ: an amount of their own
void addPowerOutcomes(Hit& h, const Hit& before); // マグニチュード, プレゼント …: every power's rolls
ItemId heldItemOfSide(const ExactSide& side);     // the held item, whether it acts or not
int attackerSpeed(const Hit& h);                  // the speeds the moves that compare them read
int defenderSpeed(const Hit& h);

// The pinch abilities: the attacker's moves of one type grow stronger at a third of its HP or less
// (in the 5th generation its attack, in the 4th the power).
struct PinchAbility {
    AbilityId ability;
    int type;
    ExactRule rule;
};
inline constexpr PinchAbility kPinchAbilities[] = {
    {AbilityId::Overgrow, damage::kGrass, ExactRule::Overgrow},
    {AbilityId::Blaze, damage::kFire, ExactRule::Blaze},
    {AbilityId::Torrent, damage::kWater, ExactRule::Torrent},
    {AbilityId::Swarm, damage::kBug, ExactRule::Swarm},
};

// Moves of several hits (exact_hits.cpp): whether the move lands several, the hit count a use
// lands, and the hits after the first, each computed again from `before`, the hit as it stood
// before its power was worked out.
bool landsSeveralHits(const Hit& h);
void recordHitCount(const Hit& h);
void addLaterHits(Hit& h, const Hit& before);

} // namespace rusrina::exact
