#pragma once
// What the exact damage engine records of one hit: every rule it applied, in the order the game
// applies them, as data. The engine words nothing; view/box/exact_log.cpp turns a record into the
// lines of the calculation log.
//
// To add a rule: give it an id below (where it belongs among its neighbours), apply it in the
// mechanics and record it there with the factor, the values before and after and the arguments its
// wording needs, then give it its wording in view/box/exact_log.cpp (the table there does not
// compile while an id lacks one).

#include "data/generations.h"

#include <cstdint>
#include <vector>

namespace rusrina {

// A rule the engine applied. Named for the rule, not for how it is worded; the comment says what
// the step carries beyond its rule (arg and arg2 are 0 unless said otherwise).
enum class ExactRule : uint16_t {
    // Before anything is computed.
    NoFormula,         // a move whose damage does not follow from what is known; arg: the move
    NotInGeneration,   // a move the generation does not have; arg: the move
    GravityBlocksMove, // the move cannot be used under Gravity; arg: the move
    AlwaysCritical,    // a move that always lands a critical hit
    CriticalHit,       // a critical hit was asked for
    BattleArmor,       // the defender's ability keeps a critical hit off; arg: the ability
    AbilityForced,     // the 特性発動 box wakes the attacker's ability the battle state does not; arg: the ability
    ItemNotInGeneration, // the held item has no effect: the 4th generation lacks it; side: whose; arg: the item
    MagicRoom,           // マジックルーム: no held item acts, on either side
    WonderRoom,          // ワンダールーム: the defender's defence and special defence change places
    SkillLink,           // a move of 2 to 5 hits always lands 5
    HitCount,            // a use lands several hits; arg: the fewest, arg2: the most (their chances by generation)
    LaterHit,            // the steps of another hit follow; arg: its number in the use, arg2: its power,
                         // after: the last hit it stands for (0: every one after), before: 1 in a later use
    // Weather, types and the move.
    CloudNine,         // Cloud Nine or Air Lock cancels the weather; arg: the ability
    Forecast,          // Castform takes the weather's type; side: whose; arg: the type
    MoldBreaker,       // the defender's ability is ignored; arg: that ability; arg2: the attacker's that ignores it
    AllyAbilityBroken, // the attacker's ally's ability (フラワーギフト) is ignored; arg, arg2: as MoldBreaker
    Multitype,         // Arceus takes the type of its plate; side: whose; arg: the type
    ColorChange,       // the 4th generation: the defender took the type of an earlier hit; arg: the type
    ItemGivesMoveType, // Judgment or Techno Blast takes the type of the plate or drive; arg: the item; arg2: the type
    WeatherBallPower,  // factor; before and after: the power
    WeatherBallType,   // arg: the weather; arg2: the type it gives
    HappinessPower,    // Return or Frustration at their strongest; arg: the move; after: the power
    // Moves whose power follows the battle; after: the power.
    Assumed,            // a neutral value stands for a battle state not known; side: whose; arg: ExactAssumption
    MoveFails,          // the move cannot work; arg: MoveFailure
    PowerFromHappiness, // Return or Frustration; arg: the happiness
    PowerFromHp,        // side: whose HP; arg: the HP now; arg2: the most HP
    PowerFromWeight,    // arg: the foe's weight, arg2: the user's (0 when only the foe's counts), in 0.1 kg
    PowerFromStages,    // side: whose; arg: the raised stages added up
    PowerFromUses,      // arg: which use in a row this is, from 1
    PowerFromPp,        // arg: the PP left after the use
    PowerFromStockpile, // arg: the たくわえる stored
    PowerFromItem,      // なげつける; arg: the held item
    NaturalGift,        // arg: the berry; arg2: the type it gives
    BeatUpPower,        // arg: the base attack it reads
    BaseStatsOnly,      // the 4th generation's ふくろだたき: base attack against base defence, typeless
    PowerDoubled,       // factor 2; arg: the move; arg2: PowerReason; before and after: the power
    TurnOrderFromSpeed, // arg: the user's speed; arg2: the foe's; after: 0 first, 1 after, 2 either
    PowerOutcomes,      // the power is one of several, each with its chance; arg: the move
    Psywave,            // arg: the user's level; before and after: the least and most it deals; arg2: how many
    GyroBallPower,      // arg: the attacker's speed; arg2: the defender's; after: the power
    ElectroBallPower,   // the same
    Normalize,          // the move becomes Normal
    TypelessFutureMove, // the 4th generation's Future Sight and Doom Desire have no type; arg: the move
    BrickBreak,         // the screens are broken before the hit
    // Effectiveness and immunities.
    ForesightOnGhost,       // Normal and Fighting moves hit a Ghost type
    ScrappyOnGhost,         // the same, by the attacker's ability
    GravityOnFlying,        // Ground moves hit a Flying type
    TypeEffectiveness,      // factor: the chart's product over 4; arg, arg2: the two entries, in halves
    WonderGuard,            // immune
    FlashFireImmunity,      // immune to Fire
    DrySkinImmunity,        // immune to Water
    WaterAbsorb,            // immune to Water
    VoltAbsorb,             // immune to Electric; arg: Volt Absorb or Motor Drive
    Levitate,               // immune to Ground
    GravityCancelsLevitate, // Levitate does not count
    SapSipper,              // immune to Grass (the 5th generation)
    StormDrain,             // immune to Water (the 5th generation)
    LightningRod,           // immune to Electric (the 5th generation)
    Soundproof,             // immune to sound moves
    AirBalloon,             // immune to Ground: the held balloon
    IronBallGrounds,        // the held Iron Ball lets Ground moves hit a Flying type, or one with Levitate
    RingTargetHit,          // the held Ring Target lets a move hit a type immune to it
    FixedDamage,            // arg: the move; after: the damage
    // Stages; before and after: the stage (-6..+6).
    LiechiBerry,                // +1 attack
    PetayaBerry,                // +1 special attack
    Download,                   // +1 to the stat the defender's lower defence calls for
    Simple,                     // the holder's stages count double; side: the holder
    Unaware,                    // the holder ignores the foe's stages; side: the holder
    CriticalIgnoresAttackDrop,  // the attacker's lowered stages do not count
    ChipAway,                   // the defender's stages are ignored; arg: the move
    CriticalIgnoresDefenceRise, // the defender's raised stages do not count
    WeakArmor,                  // the defender's defence after this use's earlier physical hits; arg: how many
    StatStage, // the stage table's factor; side: whose stat; arg: the stage; before and after: the stat
    FoulPlay,  // the defender's attack stands for the attacker's, at a neutral stage; arg: that attack
    // Modifiers of the power, the attack or special attack, the defence or special defence. Their
    // factor; before and after: the value they scale, or for a modifier chained in 4096ths (the 5th
    // generation's), the product of the stage's modifiers so far.
    Technician,
    Heatproof,
    DrySkinFire,
    TypeItem,
    MuscleBand,
    WiseGlasses,
    Facade,
    SolarBeamWeather, // the power halved in rain, sand or hail (in the 4th generation, the damage)
    Brine,            // the foe at half its HP or less
    Venoshock,        // the foe poisoned
    HelpingHand,
    Charge,              // じゅうでん: a でんき move's power doubled
    Analytic,            // power
    AnalyticAssumesLast, // the attacker is taken to move after the defender; arg: why (0 slower, 1 the same speed, 2
                         // the ability's box)
    SandForce,
    Reckless,
    IronFist,
    SheerForce,
    Rivalry,        // arg: 1 same gender, -1 opposite
    RivalryUnknown, // a gender is not known: no change
    Gem,            // arg: the item
    FlareBoost,
    ToxicBoost,
    Overgrow,
    Blaze,
    Torrent,
    Swarm,
    ThickFat,
    Guts,
    FlashFire, // Flash Fire activated
    SolarPower,
    SlowStart,
    Defeatist,
    PlusMinus, // arg: the ability
    HugePower, // or Pure Power
    Hustle,
    FlowerGift,
    ThickClub,
    LightBall,
    DeepSeaTooth,
    SoulDew, // side: whose stat it raises
    ChoiceBand,
    ChoiceSpecs,
    SandstormSpDefence,
    MetalPowder,
    DeepSeaScale,
    MarvelScale,
    MarvelScaleAssumesNoStatus, // the defender is taken to have no status
    Eviolite,
    Explosion,       // or Self-Destruct: the defence halved
    ModifierProduct, // the modifiers of one stage together; factor: the product over 4096
    // What a stage ends with; after: the value.
    ModifiedPower,
    ModifiedStat, // arg: the stat
    BaseDamage,
    // Modifiers of the damage, as above. Those the game applies to each roll (same type,
    // effectiveness, the 5th generation's burn, the 4th's last three) carry no before and after.
    Spread,
    WeatherDamage,
    Burn,
    BurnCuredByBerry, // the attacker's Rawst Berry cured its burn after the first hit
    Reflect,
    LightScreen,
    CriticalDamage,
    LifeOrb,
    Sniper,           // the critical hit ×3 in the 4th generation, a final modifier in the 5th
    DamageBeforeRoll, // after: the damage the rolls start from
    RandomRoll,       // factor: 85/100, the lowest roll
    SameType,
    Adaptability, // the same-type bonus of Adaptability
    TintedLens,
    Filter, // or Solid Rock
    ExpertBelt,
    Multiscale,
    FriendGuard,
    Infiltrator,              // the screens do not count
    MetronomeAssumesFirstUse, // the item counts the move's uses in a row: the first assumed
    ResistBerry,              // side: the defender; arg: the berry
    ResistBerryUnnerved,      // the defender cannot eat its berry; arg: the berry
    ZeroAfterFinalModifiers,  // the 5th generation: a roll the final modifiers took from 1 down to 0
    Count
};
inline constexpr int kExactRuleCount = static_cast<int>(ExactRule::Count);

enum class ExactStepSide : uint8_t { Attacker, Defender };

// What the engine takes when the battle state does not say (ExactRule::Assumed).
enum class ExactAssumption : uint8_t {
    FullHp,               // the HP is full
    NoStatus,             // no status
    OtherStagesNeutral,   // the stages the window does not give are ±0
    FirstUse,             // the first use in a row
    PpLeft,               // 4 PP or more left
    OneStockpile,         // one たくわえる stored
    NotHitThisTurn,       // the user was not hit by the foe earlier this turn
    TargetNotHitThisTurn, // the foe was not hit earlier this turn
    NoAllyFainted,        // no ally fainted last turn
    NoRoundBefore,        // no ally used りんしょう before it this turn
    NotSwitchingOut,      // the foe does not switch out
    UserAloneInParty,     // the user is the only able member of its party
};

// Why a move doubled its power (ExactRule::PowerDoubled).
enum class PowerReason : uint8_t {
    TargetHalfHp,
    TargetStatus,
    TargetParalysed,
    TargetAsleep,
    MovesAfter,
    HitByTarget,
    TargetAlreadyHit,
    AllyFainted,
    AllyRound,
    NoItem,
    GemUsedUp,
    SwitchingOut,
};

// Why a move does nothing (ExactRule::MoveFails).
enum class MoveFailure : uint8_t {
    None,
    NothingToFling,
    NoBerry,
    Klutz,
    NothingStored,
    HpNotLower,    // がむしゃら: the user has as much HP as the foe, or more
    TargetAwake,   // ゆめくい: the foe is not asleep
    NoSharedType,  // シンクロノイズ: the foe shares no type with the user
    NoOneToBeatUp, // ふくろだたき (4th generation): the user has a status, and is the party
    MagicRoom,     // なげつける, しぜんのめぐみ: マジックルーム keeps the item from being used
};

// One applied rule.
struct ExactStep {
    ExactRule rule = ExactRule::Count;
    ExactStepSide side = ExactStepSide::Attacker; // whose ability, item, stat or stage it concerns
    int32_t numerator = 1;                        // the factor applied: numerator / denominator
    int32_t denominator = 1;
    int64_t before = 0; // the value it changed, before and after
    int64_t after = 0;
    int32_t arg = 0; // what wording the step needs, as the rule above says
    int32_t arg2 = 0;
};

// Where a hit's steps go. The engine fills it when one is given, and does no work for it otherwise.
struct ExactRecord {
    Generation generation = kGen5;
    std::vector<ExactStep> steps;
};

} // namespace rusrina
