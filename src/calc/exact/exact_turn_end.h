#pragma once
// What the defender loses and regains besides the hits: the hazards of its side when it comes in,
// and what each end of turn does to it in the generation's order (weather, たべのこし/くろいヘドロ,
// やどりぎのタネ, どく/もうどく/やけど, the abilities that heal or hurt in a weather, and last the bind
// of the attacker's binding move), with オボンのみ the moment it falls to half its HP. The plan
// records what applies and how much (no words); the chance to knock out then counts, over every roll
// of every hit, the HP step by step: a hit or a step that takes the HP to 0 knocks the defender out,
// a heal never lifts it past its maximum.

#include "calc/exact/exact_rolls.h"

#include <cstdint>
#include <vector>

namespace rusrina {

enum class TurnEndKind : uint8_t {
    // When it comes in.
    StealthRock,
    Spikes,
    // At each end of turn, in this order.
    Sandstorm,
    Hail,
    RainDish,
    IceBody,
    DrySkin, // heals in rain, hurts in sun
    SolarPower,
    Leftovers,
    BlackSludge, // heals a どく type, hurts any other
    LeechSeed,
    Poison,
    Toxic, // n/16, n rising each turn
    Burn,
    PoisonHeal,
    // The attacker's binding move (まきつく, しめつける, からではさむ, ほのおのうず, うずしお, すなじごく,
    // マグマストーム): 1/16, with しめつけバンド 1/8.
    Bound,
    // Once, at half HP or less.
    SitrusBerry,
};

// One thing that applies: what it is and the HP it changes (a heal positive, a loss negative; for
// もうどく the loss of the first turn counted).
struct TurnEndStep {
    TurnEndKind kind;
    int32_t amount;
};

struct TurnEndPlan {
    int32_t maxHp = 0;
    std::vector<TurnEndStep> onEntry;  // before the first hit (the side is switching in)
    std::vector<TurnEndStep> eachTurn; // after each hit, the last one too
    int toxicTurn = 0;                 // もうどく: n of the first end of turn (0: none)
    // The ends of turn a binding move surely holds the defender, from its first hit: the bind lasts
    // 4 or 5 of them in the 5th generation and 2 to 5 in the 4th (7 and 5 with ねばりのかぎづめ), and
    // when it ends the next use binds again. Only the turns it surely lasts count, so a verdict
    // never promises what a short bind would not deal.
    int boundTurns = 0;
    int32_t sitrus = 0;             // オボンのみ's heal; 0 when it does not apply
    bool sitrusOnEntryOnly = false; // はたきおとす takes the berry with its first hit unless eaten on entry

    bool empty() const { return onEntry.empty() && eachTurn.empty() && sitrus == 0; }
    // もうどく's loss at the end of turn `turn` (1 the first): n times 1/16 of the maximum, n at most 15.
    int32_t toxicLoss(int turn) const;
    // Every step in the order the view lists them: on entry, each turn, the berry.
    std::vector<TurnEndStep> steps() const;
};

inline constexpr int kMostTurnEndUses = kMostUsesCounted;

// The chance to be knocked out by the end of each turn, uses 1 … n, with the plan.
struct TurnEndSeries {
    std::vector<double> chance; // [n - 1]: by the end of turn n (never 0 when possible, never 1 when not certain)
    int certain = 0;            // the first n that always knocks out, 0 when none within the count
};
// With `untilPossible` the count stops at the first use that can knock out, all a verdict needs.
TurnEndSeries koSeries(const ExactRolls& rolls, const TurnEndPlan& plan, int mostUses = kMostTurnEndUses,
                       bool untilPossible = false);
// The fewest uses that can knock out, with its chance; hits 0 when none within the count.
KoChance koChanceOf(const TurnEndSeries& series);

// The verdict every window shows for a move: the fewest uses that can knock out, with their chance,
// counting what the plan holds beside the hits (koChance when it holds nothing). The rows, the matrix
// and the spread finder all read it here.
KoChance koChanceWith(const ExactRolls& rolls, const TurnEndPlan& plan);
// The chance that `uses` uses knock out, with the plan.
double koChanceWith(const ExactRolls& rolls, const TurnEndPlan& plan, int uses);

} // namespace rusrina
