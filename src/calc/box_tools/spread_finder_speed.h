#pragma once
// Speed tuning: the fewest speed EVs with which a side moves before the other one; under
// トリックルーム, where the slower side moves first, the most speed EVs it can keep and still move
// first. The side's battle state (stage, item, ability, status, おいかぜ, its move) and the other
// side's count as they stand; the entry's IVs, level and other EVs stay as they are, and the speed
// EVs fit in what is left of the 510 beside the other five.

#include "box/box_entry.h"
#include "calc/battle/speed.h"
#include "calc/box_tools/spread_finder.h"
#include "calc/scenario.h"

#include <array>

namespace rusrina {

// The usual speeds players tune against, for a species at a level: 最速 (IV 31, 252 EVs, a nature
// raising speed), 準速 (IV 31, 252 EVs, a neutral nature), 無振り (IV 31, no EVs, neutral) and, for
// トリックルーム, 最遅 (IV 0, no EVs, a nature lowering speed).
enum class SpeedBenchmark { Fastest, Neutral, Uninvested, Slowest };
int benchmarkSpeedStat(int species, int level, SpeedBenchmark benchmark);

struct SpeedTuningQuery {
    BoxEntry entry{}; // the side whose speed EVs are searched
    SpeedSide own;    // its battle state; the stat is worked out from the EVs tried
    SpeedSide other;  // the other side as it stands, with its speed stat
    SpeedField field;
    SpreadNature nature = SpreadNature::Keep;
    // EVs taken as 0, to be spread again ("ほかの努力値も振り直す"), which leaves the speed more room.
    std::array<bool, kStatCount> freed{};
};

enum class SpeedTuningStatus {
    Found,
    NotFound,          // no EVs within the budget do it (tieEv may still say where a tie comes)
    TypedStats,        // the entry's stats were typed in: it has no EVs to work with
    OrderWithoutSpeed, // the priorities (or あとだし and its like) decide: speed does not matter
};

struct SpeedTuning {
    SpeedTuningStatus status = SpeedTuningStatus::NotFound;
    bool trickRoom = false;               // the most EVs that still move first, instead of the fewest
    int nature = 0;                       // the nature the EVs are worked out with
    int budget = 0;                       // speed EVs left beside the other five (at most 252)
    int ev = 0;                           // the EVs found
    int stat = 0;                         // the speed stat they give
    int speed = 0;                        // the effective speed with the state
    int otherSpeed = 0;                   // the other side's effective speed
    int tieEv = -1;                       // the fewest EVs at which the two speeds are equal, -1 when none
    TurnOrder order = TurnOrder::Tie;     // the order with `ev`
    std::array<bool, kStatCount> freed{}; // the query's: the EVs the tuned entry gives up
};

// The query for one side of a scenario against the other, in the tools' exact mode
// (calc/calculate.h's toolScenario): each side with its held item and its state, the field's
// weather and rooms. Both sides must be chosen.
SpeedTuningQuery speedTuningQueryOf(const Scenario& scenario, bool defenderTuned, SpreadNature nature);

// With SpreadNature::Best the entry's own nature is kept whenever it does it already.
SpeedTuning findSpeedTuning(const SpeedTuningQuery& query);
// The same against a benchmark of `species` at `level` in place of the other side's stat.
SpeedTuning findSpeedTuningAgainst(SpeedTuningQuery query, int species, int level, SpeedBenchmark benchmark);

// The nature for speed tuning: the entry's own when it already raises speed (lowers it, under
// トリックルーム); else one raising what the entry's nature raises (lowering what it lowers) and
// lowering (raising) speed, the attacking stat the species uses less standing in.
int bestSpeedNature(const BoxEntry& entry, bool trickRoom);

} // namespace rusrina
