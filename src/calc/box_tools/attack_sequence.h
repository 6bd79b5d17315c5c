#pragma once
// A sequence of attacks the player lists from the box ("ガブリアス げきりん → ボーマンダ だいもんじ
// ×2") against the pair's defender: each step an entry of the box using one of its four moves a
// number of times. The list lives in the session, not in the box file; each step keeps a copy of
// its attacker so that a step whose entry was deleted or rewritten meanwhile is found out rather
// than computed with another creature.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "calc/exact/exact_sequence.h"
#include "calc/scenario.h"

#include <span>
#include <vector>

namespace rusrina {

inline constexpr int kMostPlannedUses = 10; // the most uses one step offers
inline constexpr int kMostPlannedSteps = 32;

struct PlannedStep {
    BoxEntry entry{}; // the attacker as it stood when the step was added
    EntryExtra extra;
    int slot = -1;    // where it stood in the box
    int moveSlot = 0; // 0 … 3
    int uses = 1;     // 1 … kMostPlannedUses
};

// Where each step's attacker stands in the box now: its slot while that slot holds the same entry,
// else the first slot holding an identical one (the box was sorted or entries moved), else -1 (it
// was deleted or rewritten).
std::vector<int> locateSteps(std::span<const PlannedStep> steps, std::span<const BoxEntry> entries);

// The sequence in the scenario's tools exact mode (calc/calculate.h's toolScenario): each step's
// attacker with the scenario attacker's side conditions and state, against the scenario's
// defender, on its field, the end of turn and the hit chances counted as its field says. Steps are
// taken as they are; the same slot is the same creature (its gem, its lowered stage).
SequenceResult computePlannedSequence(const Scenario& scenario, std::span<const PlannedStep> steps);

// The step's use that ends it: the index in SequenceResult::uses of each step's last use, -1 for a
// step with no use counted.
std::vector<int> lastUseOfSteps(const SequenceResult& result, int stepCount);

} // namespace rusrina
