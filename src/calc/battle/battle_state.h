#pragma once
// The battle as the player states it in the exact modes: what each side has been through (its
// status, the HP it has now, the stages of every stat, what lies on its side of the field) and the
// field both share. Every field starts at the value that changes nothing, so a state left at its
// defaults computes exactly what the window computed before it had one. The conditions of the box
// and damage window (weather, 攻撃補正/防御補正, screens, じゅうりょく …) stay where they are; the
// state sits beside them.

#include "calc/scenario.h"

#include <array>
#include <cstdint>

namespace rusrina {

// One side: the attacker's or the defender's.
struct SideState {
    StatusCondition status = StatusCondition::None;
    int toxicTurns = 1; // もうどく: which turn of it the next end of turn is (1 deals 1/16, 2 deals 2/16 …)

    // The HP it has now: a share of its maximum in percent, or a value.
    int hp = 100;
    bool hpIsShare = true;

    // Stages, kLowestStage … kHighestStage. The attack and defence stages add to the window's
    // 攻撃補正/防御補正 (the sum held within ±6), which keep their meaning.
    std::array<int8_t, kStageStatCount> stages{};

    // Its side of the field.
    bool tailwind = false;    // おいかぜ
    bool stealthRock = false; // ステルスロック
    int spikes = 0;           // まきびし, 0 … kMostSpikes layers
    // On it.
    bool seeded = false;      // やどりぎのタネ: loses 1/8 at each end of turn
    bool charged = false;     // じゅうでん: its next でんき move has double power
    bool flashFire = false;   // もらいび active: its ほのお moves ×1.5
    bool switchingIn = false; // it comes in this turn: the hazards of its side hit it before the first hit

    bool operator==(const SideState&) const = default;
};

// What both sides share.
struct FieldState {
    bool trickRoom = false;  // トリックルーム: the slower moves first
    bool magicRoom = false;  // マジックルーム: no held item acts
    bool wonderRoom = false; // ワンダールーム: every defence and special defence change places
    // Whether the chance to knock out counts what each end of turn deals and heals (weather, items,
    // status, やどりぎのタネ …) between the hits; the hazards of a side switching in count either way.
    bool countTurnEnd = false;
    // Whether it counts each use's miss and critical hits by their chances.
    bool countHitChances = false;

    bool operator==(const FieldState&) const = default;
};

struct BattleState {
    SideState attacker;
    SideState defender;
    FieldState field;

    bool operator==(const BattleState&) const = default;
};

// Whether a state changes nothing (every field at its default).
inline bool isNeutral(const BattleState& state) {
    return state == BattleState{};
}

// The HP a side has now, of `maxHp`: the share rounded down, or the value, held within 1 … maxHp.
int hpNowOf(const SideState& side, int maxHp);

// The state with every number taken back into its range (a hand-edited settings file may hold
// anything): stages within ±6, もうどく's count 1 … 15, まきびし 0 … 3, the HP share 1 … 100 and a
// value at least 1.
BattleState stateWithinRange(BattleState state);

// The state with each side's HP given as a share: a value becomes the nearest share of that side's
// `maxHp` (0 leaves the side as it is). Where one side's state stands for many entries (the box
// against one creature, every split of a spread), a share fits each of them.
BattleState stateWithHpShares(BattleState state, int attackerMaxHp, int defenderMaxHp);

// The panel's side as a scenario holds it: an HP of 100 % and no status are what the player has not
// said, so a neutral side computes and logs exactly what a side without a state does.
CombatantState combatantStateOf(const SideState& side);
// The state's rooms and end of turn on a scenario's field.
void applyFieldState(Field& field, const FieldState& state);

} // namespace rusrina
