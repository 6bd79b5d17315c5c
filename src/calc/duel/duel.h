#pragma once
// Who wins when two creatures meet alone and each keeps using one move (対面): the exact chance that
// the first side wins, that the battle ends in a draw, that it loses, and that it lasts past the turn
// limit, with the expected number of turns. Each turn the order is drawn (priority, speed, a tie at
// 50 %, トリックルーム, せんせいのツメ), each side's use may miss or be critical and deals one of its 16
// rolls, a side that falls before its turn does not move, the user of a move loses its recoil or
// いのちのたま's tenth and a draining move heals it; then the end of turn runs in the game's order across
// both sides (weather, たべのこし/くろいヘドロ, やどりぎのタネ, どく/もうどく/やけど …), a heal berry is
// eaten once at half HP. Both sides down in one action is a draw in the 4th generation; in the 5th the
// side that fell last wins.
//
// The chain's state is (each side's HP, whether each still holds its item); もうどく's count follows
// the turn. It is written once for any probability type (duel_chain.h): the program uses double, the
// tests an exact fraction against an enumeration of every branch.
//
// Left out, and said so in the notes: the added effects of the moves (a flinch, a burn, a lowered
// stat), the user's own stat changes, げきりん's confusion, the pinch berries, the contact abilities
// and items (さめはだ, ゴツゴツメット …). A move that is not one damaging hit a turn, or whose power
// follows what the turn holds, is refused with the reason. まひ keeps a side from moving a quarter of
// its turns.

#include "calc/damage/damage_engine.h"
#include "calc/scenario.h"
#include "data/ids.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rusrina {

inline constexpr int kDuelTurnLimit = 100; // what is still going after this many turns is "決着せず"

// Why a side's move cannot be played in the chain.
enum class DuelRefusal : uint8_t {
    None,
    NoMove,      // no move in the slot
    NotComputed, // the engine cannot compute it against this foe (no formula, an entry it cannot use)
    NotDamaging, // a status move
    OneHitKo,    // じわれ and its like
    SeveralHits, // a move of several hits or several outcomes a use
    FollowsHp,   // its damage follows the HP (いかりのまえば, ふんか, じたばた, しおみず …)
    TwoTurns,    // it charges or must rest (ソーラービーム, はかいこうせん)
    UserFaints,  // だいばくはつ
    FollowsTurn, // its power or success follows what the turn holds (しっぺがえし, ねこだまし …)
    Asleep,      // it sleeps or is frozen: the turns it wakes are not counted
};

enum DuelNote : uint32_t {
    kDuelNoteSecondaryEffects = 1u << 0, // an added effect is left out
    kDuelNoteOwnStages = 1u << 1,        // the user's own stat changes are left out
    kDuelNoteLockedMove = 1u << 2,       // げきりん's confusion is left out
    kDuelNotePinchBerry = 1u << 3,       // a pinch berry (チイラのみ …) is never eaten
    kDuelNoteContact = 1u << 4,   // what a contact move meets (さめはだ, ゴツゴツメット …) is left out
    kDuelNotePpRunsOut = 1u << 5, // the move's PP can run out before the battle ends (わるあがき)
    kDuelNoteCrash = 1u << 6,     // とびひざげり's loss on a miss is left out
    kDuelNoteLeechOoze = 1u << 7, // ヘドロえき against draining or やどりぎのタネ is left out
    kDuelNoteAbility = 1u << 8,   // an ability that acts as turns pass or as it is hit (かそく, なまけ …)
};

// The answer for the first side (the scenario's attacker); its foe's win is `lose`.
struct DuelResult {
    bool computed = false;
    std::array<DuelRefusal, 2> refusal{}; // per side: why its move cannot be played
    double win = 0.0;
    double draw = 0.0;
    double lose = 0.0;
    double unresolved = 0.0;      // still going after kDuelTurnLimit turns
    double expectedTurns = 0.0;   // the turns played, those going on at the limit counted as the limit
    double firstMovesFirst = 0.0; // the first turn: the chance the first side moves first
    uint32_t notes = 0;           // DuelNote bits
    std::array<int, 2> pp{};      // each move's PP with three ポイントアップ
    // How the first turns end: [t] the chance the battle ends in turn t + 1 with the first side's
    // win, a draw, its loss; the end of the last entry is what goes on.
    struct Turn {
        double win = 0.0, draw = 0.0, lose = 0.0;
        double firstWinsBeforeFoeMoves = 0.0; // of `win`: the first side moved first and knocked out
        double foeWinsBeforeFirstMoves = 0.0; // of `lose`: the same for the foe
    };
    std::vector<Turn> turns; // up to the last turn with anything left, within the limit
};

// The two sides of the scenario meeting, the attacker using `first`, the defender `second`. The
// scenario's exact mode gives the generation (the 5th for the simple mode, without a battle state);
// the window's own 攻撃補正/防御補正, やけど, 特性発動 and きのみ発動 are left out, the battle state is read.
DuelResult computeDuel(const Scenario& scenario, const DamageSlot& first, const DamageSlot& second);

// Every pair of the two sides' moves: [i][j] the first side using its move i, the foe its move j.
// Each side's best fixed move is the one whose worst outcome over the foe's moves is best
// (maximin): for the first side the row of the highest least win + draw / 2, for the foe the column
// of the highest least lose + draw / 2; a move that cannot be played is never best.
struct DuelTable {
    std::array<std::array<DuelResult, 4>, 4> cell;
    std::array<int, 2> best{-1, -1}; // the move index (0 … 3) of each side, -1 when none plays
};
DuelTable computeDuelTable(const Scenario& scenario);

// The one-on-one with each side using the move that knocks the other out soonest (the fewest uses,
// then the higher chance, misses and the end of turn aside): one cell of the box's 対面 column, at
// the cost of one chain. `moves` receives each side's move slot (-1 when none plays).
DuelResult computeDuelWithSoonestMoves(const Scenario& scenario, std::array<int, 2>* moves = nullptr);

// What a result is worth to the first side: win + draw / 2.
double duelScore(const DuelResult& r);

} // namespace rusrina
