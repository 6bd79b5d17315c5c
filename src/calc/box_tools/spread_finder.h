#pragma once
// The EVs a set needs, found with the exact engine over every EV step:
// - defence: the splits between HP and the defence a move hits that survive it n times;
// - offence: the fewest attack (or special attack) EVs that knock the defender out in n hits.
// The entry's other EVs, its IVs and its level stay as they are; the two EVs searched fit in what
// is left of the 510 beside the other four. Asked to, the finder counts the other EVs as free
// (the spread found sets them to 0), but for the stats the user keeps.

#include "calc/calculate.h"

#include <vector>

namespace rusrina {

inline constexpr int kEvStep = 4;
inline constexpr int kMaxUsefulEv = 252; // 255 adds nothing: the formula quarters the EV
inline constexpr int kMaxEvSum = 510;
inline constexpr int kEvStepCount = kMaxUsefulEv / kEvStep + 1; // 0, 4, … 252
// Up to this many hits every chance is an exact sum of 1/16^n shares in a double.
inline constexpr int kMaxSpreadHits = 10;
inline constexpr int kCertain = 100; // a certainty of 100 % is "確定"

// The nature a spread is worked out with: the entry's own, or the best one for the stat.
enum class SpreadNature { Keep, Best };

// The nature that raises `stat`: the entry's own when it already does; otherwise the one that
// lowers what the entry's nature lowers, or, when that is the stat itself or nothing, the
// attacking stat other than `stat` with the lower base stat of the species.
int bestNatureFor(const BoxEntry& entry, int stat);

// One side's move in a scenario: which row, how many hits, how sure. The finder computes in the
// tools' exact mode (calc/calculate.h's toolScenario) and counts what the rows count: the entries'
// extras, the state of each side (the searched side's HP given as a value becomes its share of that
// entry's HP, so that it fits every spread), the hazards and each end of turn.
struct SpreadQuery {
    Scenario scenario; // both sides chosen
    DamageSlot slot;
    int hits = 1;           // 1..kMaxSpreadHits
    int percent = kCertain; // 確定 (100), or the least chance in percent (1..99)
    SpreadNature nature = SpreadNature::Keep;
    // "ほかの努力値も振り直す": the EVs of the stats not searched are free, but for those kept.
    bool freeOtherEvs = false;
    std::array<bool, kStatCount> keptEvs{};
    // The defence finder keeps only the splits whose HP meets this mark (an index into kHpMarks,
    // calc/hp_marks.h), -1 for any HP.
    int hpMark = -1;
};

// The stats whose EVs a search with `q` frees (sets to 0) beside the searched `first` and `second`.
std::array<bool, kStatCount> freedStats(const SpreadQuery& q, int first, int second);

enum class SpreadStatus {
    Found,
    NotFound,   // no split within the EVs left does it
    TypedStats, // the entry's stats were typed in: it has no EVs to work with
    NoDamage,   // the row deals no damage that can be computed (no move, no formula)
    Immune,     // the move does nothing to the defender: every split survives, none knocks out
    BadQuery,   // hits or percent outside their ranges
};

struct DefenceSplit {
    int hpEv = 0;
    int defenceEv = 0;
    int hp = 0; // the stats the split gives
    int defence = 0;
    double koChance = 0.0; // the chance that the n hits knock the defender out
    int total() const { return hpEv + defenceEv; }
};

struct DefenceSpreads {
    SpreadStatus status = SpreadStatus::NoDamage;
    int stat = kDefence;                  // the defence the move hits
    int nature = 0;                       // the nature the splits are worked out with
    int budget = 0;                       // EVs left for HP and that defence beside the other four
    std::array<bool, kStatCount> freed{}; // the other stats whose EVs the splits set to 0
    // The splits no other split beats in both EVs, fewest total first (then fewer HP EVs).
    std::vector<DefenceSplit> splits;
    bool hitChances = false; // the chances count each use's miss and critical hits
};

// The defender's splits that survive `hits` hits: certainly (確定: a chance of 0 to be knocked out)
// or with a chance of at least `percent` %.
DefenceSpreads findDefenceSpreads(const SpreadQuery& query);

struct OffenceSpread {
    SpreadStatus status = SpreadStatus::NoDamage;
    int stat = kAttack; // attack or special attack
    int nature = 0;
    int budget = 0;                       // EVs left for that stat beside the other five
    std::array<bool, kStatCount> freed{}; // the other stats whose EVs the spread sets to 0
    int ev = 0;                           // the fewest that do it
    int value = 0;                        // the stat they give
    double chance = 0.0;                  // the chance that `hits` hits then knock out
    bool hitChances = false;              // the chances count each use's miss and critical hits
};

// The attacker's fewest EVs in the stat its move uses that knock the defender out in `hits` hits,
// certainly (確定) or with a chance of at least `percent` %.
OffenceSpread findOffenceSpread(const SpreadQuery& query);

// The scenario a found spread promises its verdict in: the query's, in the tools' exact mode, with
// `entry` (the searched entry with the spread applied) on the searched side, that side's HP given as
// a value taken as the share of its entry's HP the search read.
Scenario scenarioWithSpread(const SpreadQuery& query, const BoxEntry& entry, bool defenderSearched);

// Whether a chance to knock out in n hits meets the wish: knocking out (`knockOut`) or surviving,
// certainly or with at least `percent` %.
bool meetsCertainty(double koChance, int percent, bool knockOut);

} // namespace rusrina
