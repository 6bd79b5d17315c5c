#pragma once
// What the exact engine gives for one move against one defender, without words: the 16 random rolls
// (85 % … 100 %) of a hit, for a move of several hits or possible powers every hit's rolls and the
// outcomes of a use with their chances, and the chance to knock out in n uses. The views word them
// (view/common/exact_texts.h); calc/calculate.h is where they are asked for.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace rusrina {

inline constexpr int kRollCount = 16;
// The verdict counts the uses this far and no further: a move that needs more knocks out too slowly
// for its chance to mean anything to a player (a side that heals may never fall at all).
inline constexpr int kMostUsesCounted = 20;
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
// do, counted over every equally likely roll (and every outcome by its chance; 1 when certain);
// hits 0 when none up to kMostUsesCounted can.
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
