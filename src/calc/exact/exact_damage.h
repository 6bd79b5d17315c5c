#pragma once
// The exact damage engine: what the game computes for one hit, in the 5th or the 4th generation,
// roll by roll (calc/exact/exact_rolls.h), and, when a record is given, every rule it applied in the
// order the game applies them (calc/exact/exact_step.h). It words nothing. Its sides and attacks are
// its own: the rest of the program describes a battle as a Scenario (calc/scenario.h) and asks
// calc/calculate.h, which reads the scenario into them here (exactSideOf, exactAttackOf).
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
#include "calc/damage/damage_engine.h"
#include "calc/exact/exact_rolls.h"
#include "calc/exact/exact_step.h"
#include "calc/exact/exact_turn_end.h"
#include "calc/scenario.h"
#include "data/generations.h"
#include "data/ids.h"

#include <optional>

namespace rusrina {

struct ExactOptions {
    Generation generation = kGen5;
    bool critical = false;
};

// One side of a hit as the engine reads it: the box entry and what the engine needs beyond its
// 144 bytes. Made from an entry alone, it holds what the entry says today: the held item its
// damage-item row stands for, no gender, a happiness not known (おんがえし and やつあたり at their
// strongest) and nothing said of the battle. The engine takes every item effect from the held item;
// kItemOfRow leaves the entry's row to say it, which for "各種タイプ補正" means the type item of
// whatever type the move hits with.
inline constexpr ItemId kItemOfRow = static_cast<ItemId>(-1);
inline constexpr int kUnknownGender = 0; // or genderless; 1 male, 2 female
inline constexpr int kFullHappiness = 255;
struct ExactSide {
    ExactSide() = default;
    ExactSide(const BoxEntry& e); // an entry as it stands is a side, so calls may pass the entry

    const BoxEntry* entry = nullptr;
    ItemId heldItem = ItemId::None; // kItemOfRow: what the entry's damage-item row stands for
    int gender = kUnknownGender;
    std::optional<int> happiness; // 0..255
    CombatantState state;         // what the battle has done to it
};
// The HP the side has now as a value, when its state gives one.
std::optional<int> hpNowOf(const ExactSide& side);
// Every stage of the side is given (アシストパワー, おしおき add them up).
bool stagesKnown(const ExactSide& side);

// A scenario's combatant as a side; the combatant must hold an entry and outlive the side.
ExactSide exactSideOf(const Combatant& combatant);
// The engine's options for a scenario: the mode's generation (the 5th for the simple mode, which the
// tools of the box compute in) and its critical hit.
ExactOptions exactOptionsOf(const Scenario& scenario);

// One attacker's move under the conditions, worked out once for any number of defenders. It
// points at the attacker's entry it was prepared from, which must outlive it.
struct ExactAttack {
    ExactSide attacker;
    DamageSlot slot;
    BattleConditions conditions;
    ExactOptions options;
    Field field;             // the rooms of the 5th generation act on the hit; the end of turn on the KO chance
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
    bool abilityForced = false; // the 特性発動 box wakes an ability the battle state shows asleep
    bool flashFire = false;     // もらいび active: its box, or the battle state
    bool magicRoom = false;     // マジックルーム in the 5th generation: no held item acts, on either side
    bool spread = false;        // a move that hits both foes, in a double battle, from the attacker's own moves
};
ExactAttack prepareExactAttack(const ExactSide& attacker, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options);
// The same on a field with rooms (マジックルーム, ワンダールーム) and the end of turn counted.
ExactAttack prepareExactAttack(const ExactSide& attacker, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options, const Field& field);
// The scenario's move in `slot` for `attacker` (made from one of its combatants, or from a box entry
// standing in for one): the one way from a scenario to the engine's attack.
ExactAttack exactAttackOf(const Scenario& scenario, const ExactSide& attacker, const DamageSlot& slot);
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

// The prepared move against one defender as calc/calculate.h answers it: the rolls, the plan beside
// them and the verdict, with the steps when asked for.
struct ExactAnswer;
ExactAnswer exactAnswerOf(const ExactAttack& attack, const ExactSide& defender, bool withRecord);

// What applies to the defender of `attack` besides the hits (exact_turn_end.h): the hazards when its
// side says it is switching in; the rest when the field says to count the end of turn. Empty otherwise.
TurnEndPlan turnEndPlan(const ExactAttack& attack, const ExactSide& defender);

} // namespace rusrina
