#pragma once
// The one-on-one's answer in words: the "対面" line of the box window, the log of how the first
// turns end, the notes on what the answer leaves out and the reason a move cannot be played.

#include "calc/duel/duel.h"

#include <string>
#include <vector>

namespace rusrina {

// "対面（りゅうのはどう 対 シャドーボール）：勝ち 5.9 %・引き分け 0.0 %・負け 94.1 %（平均 1.88 ターン）", with
// "・決着せず 0.3 %" when some battles pass the turn limit; a refused pair says why:
// "対面（ソーラービーム 対 なみのり）：計算できません（攻撃側：2ターンかかる技）".
std::string duelLine(const DuelResult& result, const std::string& firstMove, const std::string& secondMove);

// Why a move cannot be played, and each note, in words.
std::string duelRefusalText(DuelRefusal refusal);
std::vector<std::string> duelNoteTexts(uint32_t notes);

// How the first `turns` turns end, a line each ("1ターン目：勝ち 5.9 %（先に倒す 5.9 %）・引き分け
// 0.0 %・負け 6.3 %（先に倒される 6.3 %）"), then the chance the first side moves first in the first
// turn and the notes.
std::vector<std::string> duelLog(const DuelResult& result, int turns = 3);

// The box window's 対面 line for the scenario's pair, each side using the move that knocks the other
// out soonest, and its log (the line, then duelLog's). The simple mode, or a side that deals no
// damage, gives the reason on the line and no log; no pair, nothing.
struct DuelView {
    std::string line;
    std::vector<std::string> log;
};
DuelView duelViewOf(const Scenario& scenario);

} // namespace rusrina
