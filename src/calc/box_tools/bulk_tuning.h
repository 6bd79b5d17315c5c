#pragma once
// Bulk tuning against a sequence of attacks: the fewest EVs in HP, 防御 and 特防 together with which
// the defender survives the whole sequence (calc/box_tools/attack_sequence.h) certainly or with a
// wanted chance, optionally with an HP of a tuning mark (calc/hp_marks.h). The other EVs, the IVs,
// the level and the nature stay as they are.
//
// For each HP step the least 特防 that does it falls as 防御 rises, so the search walks that
// staircase instead of every spread, and it works one HP step at a time so that a window can keep
// answering and show its progress between the steps.

#include "calc/box_tools/attack_sequence.h"
#include "calc/box_tools/spread_finder.h"

#include <chrono>
#include <map>
#include <tuple>
#include <vector>

namespace rusrina {

inline constexpr int kMostBulkSpreads = 30; // the answers kept, best first

struct BulkQuery {
    Scenario scenario; // the defender searched, with its state; the field and the mode
    std::vector<PlannedStep> steps;
    double least = 1.0; // the least chance to survive: 1 for 確定, 15/16, 0.9 …
    int hpMark = -1;    // an index into kHpMarks the HP must meet, or -1
};

struct BulkSpread {
    int hpEv = 0;
    int defenceEv = 0;
    int spDefenceEv = 0;
    int hp = 0; // the stats they give
    int defence = 0;
    int spDefence = 0;
    double survives = 0.0; // the chance to stand after the whole sequence
    int total() const { return hpEv + defenceEv + spDefenceEv; }
};

enum class BulkStatus {
    Found,
    NotFound,    // nothing within the EVs left does it
    NoDefender,  // no defender, or no step
    TypedStats,  // the defender's stats were typed in
    NotComputed, // the sequence cannot be computed (an entry or a move it cannot count)
    BadQuery,    // a chance or a mark outside its range
};

struct BulkSpreads {
    BulkStatus status = BulkStatus::NoDefender;
    int budget = 0;                  // EVs left for the three beside the other three
    std::vector<BulkSpread> spreads; // no other beats them in all three EVs; fewest total, then surest, first
};

class BulkSearch {
public:
    explicit BulkSearch(const BulkQuery& query);
    // Searches the next HP step; false once every step is done (or there is nothing to search).
    bool step();
    // Searches steps for about `slice` (at least one), so that a window can answer in between;
    // false once every step is done.
    bool stepFor(std::chrono::milliseconds slice);
    int stepsDone() const { return m_hpStep; }
    int stepCount() const { return m_hpSteps; }
    BulkSpreads result() const;

private:
    double survives(int h, int d, int s);

    BulkQuery m_query;
    BulkSpreads m_out;
    BoxEntry m_entry{};
    int m_hpStep = 0;
    int m_hpSteps = 0;
    int m_lastHp = -1;
    std::map<std::tuple<int, int, int>, double> m_known; // by the stats, not the EVs
    std::vector<BulkSpread> m_found;
};

BulkSpreads findBulkSpreads(const BulkQuery& query);

// Whether a chance to survive is at least `least` (1: certainly).
bool survivesEnough(double chance, double least);

} // namespace rusrina
