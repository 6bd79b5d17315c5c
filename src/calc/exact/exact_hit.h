#pragma once
// What one exact hit carries from step to step, and the steps. Internal to the exact damage engine
// (exact_*.cpp). Every step does its arithmetic and, only when a record is given, records what it
// applied.

#include "calc/damage/damage_row.h"
#include "calc/exact/exact_damage.h"
#include "calc/exact/exact_step.h"

#include <cstdint>

namespace rusrina::exact {

using damage::EngineAbility;

// Held items the rules name, by their index in data/held_items.h (an item keeps its index for
// good; tests/core/exact_rules_test.cpp checks each against its name).
enum HeldItemId {
    kAnyTypeItem = -1, // the damage-item row "各種タイプ補正" without its item: the move's own type item
    kLiechiBerry = 93,
    kPetayaBerry = 96,
    kChoiceBand = 110,
    kSoulDew = 113,      // Latias and Latios only
    kDeepSeaTooth = 114, // Clamperl only
    kDeepSeaScale = 115, // Clamperl only
    kLightBall = 121,    // Pikachu only
    kMetalPowder = 142,  // Ditto only
    kThickClub = 143,    // Cubone and Marowak only
    kMuscleBand = 146,
    kWiseGlasses = 147,
    kExpertBelt = 148,
    kLifeOrb = 150,
    kChoiceSpecs = 177,
    kMetronome = 157,
    kIronBall = 158,
    kEviolite = 215,
    kAirBalloon = 218,
    kRingTarget = 220,
    kMachoBrace = 107,
    kPowerBracer = 169, // the power items run to
    kPowerWeight = 174,
    kChoiceScarf = 167,
    kQuickPowder = 154, // Ditto only
    kWhiteHerb = 106,
    kRawstBerry = 44,
};

// Abilities the exact engine reads beyond those data/abilities.h and damage_row.h name, by index.
// The abilities of the 5th generation come last in the table.
enum ExactAbility {
    kBattleArmor = 19,
    kShellArmor = 33,
    kReckless = 43,
    kSniper = 44,
    kDownload = 52,
    kIronFist = 61,
    kRivalry = 66,
    kLightningRod = 83,
    kMarvelScale = 88,
    kPlus = 92,
    kFlowerGift = 93,
    kColorChange = 96,
    kSoundproof = 98,
    kMinus = 101,
    kMultitype = 105,
    kStormDrain = 121,
    kFirstGen5Ability = 124,
    kAnalytic = 124,
    kUnnerve = 130,
    kSandForce = 137,
    kWeakArmor = 131,
    kInfiltrator = 138,
    kSapSipper = 140,
    kTurboblaze = 141,
    kSheerForce = 143,
    kTeravolt = 145,
    kToxicBoost = 148,
    kFlareBoost = 149,
    kFriendGuard = 153,
    kMultiscale = 158,
    kDefeatist = 162,
    kChlorophyll = 118,
    kSwiftSwim = 41,
    kSandRush = 136,
};

// Species the items above belong to, by species index.
enum ItemSpecies {
    kPikachu = 24,
    kCubone = 103,
    kMarowak = 104,
    kDitto = 131,
    kCastform = 350, // the one species Forecast changes
    kClamperl = 365,
    kLatias = 379,
    kLatios = 380,
    kCherrim = 425, // the one species Flower Gift raises in the 5th generation
    kArceus = 504,  // the one species Multitype changes
};

// Moves with rules of their own, beyond those the simple engine knows.
enum ExactMove {
    kSonicBoom = 48,    // 20
    kSolarBeam = 75,    // halved in rain, sand and hail
    kSeismicToss = 68,  // the level
    kDragonRage = 81,   // 40
    kNightShade = 100,  // the level
    kSuperFang = 161,   // half the defender's HP
    kBrickBreak = 279,  // breaks the screens first
    kFutureSight = 247, // no type in the 4th generation
    kDoomDesire = 352,  // the same
    kGyroBall = 359,
    kJudgment = 448,   // the type of its plate
    kFireFang = 423,   // gets through Wonder Guard in the 4th generation
    kPsyshock = 472,   // hits the defence
    kStormThrow = 479, // always a critical hit
    kElectroBall = 485,
    kFoulPlay = 491,    // the defender's attack
    kChipAway = 497,    // ignores the defender's stages
    kFrostBreath = 523, // always a critical hit
    kSacredSword = 532, // ignores the defender's stages
    kPsystrike = 539,   // hits the defence
    kTechnoBlast = 545, // the type of its drive
    kSecretSword = 547, // hits the defence
};

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
    int defAbility = 0; // 0 when Mold Breaker breaks through it, or the generation lacks it
    int defItem = 0;    // the defender's held item (HeldItemId, data/held_items.h); 0 under Klutz
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

// An ability of the 5th generation does nothing in the 4th.
inline int abilityIn(int ability, Generation gen) {
    return gen == kGen4 && ability >= kFirstGen5Ability ? 0 : ability;
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
bool breaksAbilities(int ability);
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

// The 5th generation (exact_gen5.cpp) and the 4th (exact_gen4.cpp): power, stats, base damage
// and the 16 rolls.
void computeGen5(Hit& h);
void computeGen4(Hit& h);

// Moves whose power, type or damage follows the battle (exact_moves.cpp).
bool powerFollowsItsRule(int move); // a move of table power 1 whose power the engine works out
void resolveVariablePower(Hit& h);  // the power (and a type, a failure, several powers) of such a move
bool dealtVariableDamage(Hit& h);   // がむしゃら, いのちがけ, サイコウェーブ: an amount of their own
void addPowerOutcomes(Hit& h, const Hit& before); // マグニチュード, プレゼント …: every power's rolls
int heldItemOfSide(const ExactSide& side);        // the held item, whether it acts or not
int attackerSpeed(const Hit& h);                  // the speeds the moves that compare them read
int defenderSpeed(const Hit& h);

// The power, the stats, the base damage and the 16 rolls, in the hit's generation.
inline void computeHit(Hit& h) {
    if (h.gen4())
        computeGen4(h);
    else
        computeGen5(h);
}

// Moves of several hits (exact_hits.cpp): whether the move lands several, the hit count a use
// lands, and the hits after the first, each computed again from `before`, the hit as it stood
// before its power was worked out.
bool landsSeveralHits(const Hit& h);
void recordHitCount(const Hit& h);
void addLaterHits(Hit& h, const Hit& before);

} // namespace rusrina::exact
