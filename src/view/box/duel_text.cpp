// The one-on-one's answer in words (duel_text.h).

#include "view/box/duel_text.h"

#include "data/moves.h"
#include "text/ui_text.h"

#include <cstdio>

namespace rusrina {

namespace {

using text::fillText;
using text::uiText;

std::string percent(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", p * 100.0);
    return text;
}

} // namespace

std::string duelRefusalText(DuelRefusal refusal) {
    switch (refusal) {
    case DuelRefusal::None:
        return "";
    case DuelRefusal::NoMove:
        return uiText("Duel", "技がない");
    case DuelRefusal::NotComputed:
        return uiText("Duel", "この相手には計算できない技");
    case DuelRefusal::NotDamaging:
        return uiText("Duel", "変化技");
    case DuelRefusal::OneHitKo:
        return uiText("Duel", "一撃必殺技");
    case DuelRefusal::SeveralHits:
        return uiText("Duel", "1回に複数回当たるか結果が何通りもある技");
    case DuelRefusal::FollowsHp:
        return uiText("Duel", "ダメージがHPで決まる技");
    case DuelRefusal::TwoTurns:
        return uiText("Duel", "2ターンかかる技");
    case DuelRefusal::UserFaints:
        return uiText("Duel", "使うと倒れる技");
    case DuelRefusal::FollowsTurn:
        return uiText("Duel", "威力や成否がそのターンの状況で変わる技");
    case DuelRefusal::Asleep:
        return uiText("Duel", "ねむり・こおり状態");
    }
    return "";
}

std::vector<std::string> duelNoteTexts(uint32_t notes) {
    static const std::pair<uint32_t, const char*> kNotes[] = {
        {kDuelNoteSecondaryEffects,
         UI_TEXT_NOOP("Duel", "技の追加効果（ひるみ、やけど、能力ダウンなど）は含めていません")},
        {kDuelNoteOwnStages, UI_TEXT_NOOP("Duel", "技による自分の能力変化は含めていません")},
        {kDuelNoteLockedMove, UI_TEXT_NOOP("Duel", "あばれる技のあとの混乱は含めていません")},
        {kDuelNotePinchBerry, UI_TEXT_NOOP("Duel", "ピンチきのみ（チイラのみなど）は食べないものとしています")},
        {kDuelNoteContact,
         UI_TEXT_NOOP("Duel", "接触で受けるもの（さめはだ、ゴツゴツメット、ゆうばくなど）は含めていません")},
        {kDuelNotePpRunsOut, UI_TEXT_NOOP("Duel", "決着より先に技のPPが尽きることがあります（実機ではわるあがき）")},
        {kDuelNoteCrash, UI_TEXT_NOOP("Duel", "外したときの反動（とびひざげりなど）は含めていません")},
        {kDuelNoteLeechOoze, UI_TEXT_NOOP("Duel", "ヘドロえきは含めていません")},
        {kDuelNoteAbility,
         UI_TEXT_NOOP("Duel", "ターンが進むと働く特性・受けて働く特性（かそく、なまけ、いかくなど）は含めていません")},
    };
    std::vector<std::string> out;
    for (const auto& [bit, text] : kNotes)
        if (notes & bit)
            out.push_back(uiText("Duel", text));
    return out;
}

std::string duelLine(const DuelResult& r, const std::string& firstMove, const std::string& secondMove) {
    const std::string head = fillText(uiText("Duel", "対面（%1 対 %2）："), {firstMove, secondMove});
    if (!r.computed) {
        std::string reasons;
        for (int s = 0; s < 2; ++s)
            if (r.refusal[s] != DuelRefusal::None) {
                const std::string side = s == 0 ? uiText("Duel", "攻撃側：%1") : uiText("Duel", "防御側：%1");
                reasons +=
                    (reasons.empty() ? "" : uiText("Duel", "、")) + fillText(side, {duelRefusalText(r.refusal[s])});
            }
        return head + fillText(uiText("Duel", "計算できません（%1）"), {reasons});
    }
    std::string out = head + fillText(uiText("Duel", "勝ち %1・引き分け %2・負け %3"),
                                      {percent(r.win), percent(r.draw), percent(r.lose)});
    if (r.unresolved > 0.0)
        out += fillText(uiText("Duel", "・決着せず %1"), {percent(r.unresolved)});
    char turns[16];
    std::snprintf(turns, sizeof turns, "%.2f", r.expectedTurns);
    return out + fillText(uiText("Duel", "（平均 %1 ターン）"), {turns});
}

std::vector<std::string> duelLog(const DuelResult& r, int turns) {
    std::vector<std::string> out;
    if (!r.computed)
        return out;
    out.push_back(fillText(uiText("Duel", "1ターン目に先に動く確率 %1"), {percent(r.firstMovesFirst)}));
    for (int t = 0; t < turns && t < static_cast<int>(r.turns.size()); ++t) {
        const DuelResult::Turn& turn = r.turns[t];
        out.push_back(
            fillText(uiText("Duel", "%1ターン目：勝ち %2（先に倒す %3）・引き分け %4・負け %5（先に倒される %6）"),
                     {std::to_string(t + 1), percent(turn.win), percent(turn.firstWinsBeforeFoeMoves),
                      percent(turn.draw), percent(turn.lose), percent(turn.foeWinsBeforeFirstMoves)}));
    }
    for (const std::string& note : duelNoteTexts(r.notes))
        out.push_back(fillText(uiText("Duel", "※%1"), {note}));
    return out;
}

DuelView duelViewOf(const Scenario& scenario) {
    DuelView out;
    if (!hasPair(scenario))
        return out;
    if (!isExact(scenario.mode)) {
        out.line = text::uiText("DuelText", "対面：計算方式を実機にすると、1対1の勝率を表示します");
        return out;
    }
    std::array<int, 2> moves{-1, -1};
    const DuelResult r = computeDuelWithSoonestMoves(scenario, &moves);
    if (moves[0] < 0 || moves[1] < 0) {
        out.line = moves[0] < 0 ? text::uiText("DuelText", "対面：攻撃側にダメージを与える技がありません")
                                : text::uiText("DuelText", "対面：防御側にダメージを与える技がありません");
        return out;
    }
    out.line = duelLine(r, moveRecord(scenario.attacker.entry->move[moves[0]]).name,
                        moveRecord(scenario.defender.entry->move[moves[1]]).name);
    if (r.computed) {
        out.log.push_back(out.line);
        for (std::string& line : duelLog(r))
            out.log.push_back(std::move(line));
    }
    return out;
}

} // namespace rusrina
