// The one-on-one's answer in words (duel_text.h).

#include "view/box/duel_text.h"

#include <cstdio>

namespace rusrina {

namespace {

std::string percent(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", p * 100.0);
    return text;
}

} // namespace

const char* duelRefusalText(DuelRefusal refusal) {
    switch (refusal) {
    case DuelRefusal::None:
        return "";
    case DuelRefusal::NoMove:
        return "技がない";
    case DuelRefusal::NotComputed:
        return "この相手には計算できない技";
    case DuelRefusal::NotDamaging:
        return "変化技";
    case DuelRefusal::OneHitKo:
        return "一撃必殺技";
    case DuelRefusal::SeveralHits:
        return "1回に複数回当たるか結果が何通りもある技";
    case DuelRefusal::FollowsHp:
        return "ダメージがHPで決まる技";
    case DuelRefusal::TwoTurns:
        return "2ターンかかる技";
    case DuelRefusal::UserFaints:
        return "使うと倒れる技";
    case DuelRefusal::FollowsTurn:
        return "威力や成否がそのターンの状況で変わる技";
    case DuelRefusal::Asleep:
        return "ねむり・こおり状態";
    }
    return "";
}

std::vector<std::string> duelNoteTexts(uint32_t notes) {
    static const std::pair<uint32_t, const char*> kNotes[] = {
        {kDuelNoteSecondaryEffects, "技の追加効果（ひるみ、やけど、能力ダウンなど）は含めていません"},
        {kDuelNoteOwnStages, "技による自分の能力変化は含めていません"},
        {kDuelNoteLockedMove, "あばれる技のあとの混乱は含めていません"},
        {kDuelNotePinchBerry, "ピンチきのみ（チイラのみなど）は食べないものとしています"},
        {kDuelNoteContact, "接触で受けるもの（さめはだ、ゴツゴツメット、ゆうばくなど）は含めていません"},
        {kDuelNotePpRunsOut, "決着より先に技のPPが尽きることがあります（実機ではわるあがき）"},
        {kDuelNoteCrash, "外したときの反動（とびひざげりなど）は含めていません"},
        {kDuelNoteLeechOoze, "ヘドロえきは含めていません"},
        {kDuelNoteAbility, "ターンが進むと働く特性・受けて働く特性（かそく、なまけ、いかくなど）は含めていません"},
    };
    std::vector<std::string> out;
    for (const auto& [bit, text] : kNotes)
        if (notes & bit)
            out.emplace_back(text);
    return out;
}

std::string duelLine(const DuelResult& r, const std::string& firstMove, const std::string& secondMove) {
    std::string out = "対面（" + firstMove + " 対 " + secondMove + "）：";
    if (!r.computed) {
        out += "計算できません（";
        const char* sides[] = {"攻撃側", "防御側"};
        bool any = false;
        for (int s = 0; s < 2; ++s)
            if (r.refusal[s] != DuelRefusal::None) {
                out += std::string(any ? "、" : "") + sides[s] + "：" + duelRefusalText(r.refusal[s]);
                any = true;
            }
        return out + "）";
    }
    out += "勝ち " + percent(r.win) + "・引き分け " + percent(r.draw) + "・負け " + percent(r.lose);
    if (r.unresolved > 0.0)
        out += "・決着せず " + percent(r.unresolved);
    char turns[48];
    std::snprintf(turns, sizeof turns, "（平均 %.2f ターン）", r.expectedTurns);
    return out + turns;
}

std::vector<std::string> duelLog(const DuelResult& r, int turns) {
    std::vector<std::string> out;
    if (!r.computed)
        return out;
    out.push_back("1ターン目に先に動く確率 " + percent(r.firstMovesFirst));
    for (int t = 0; t < turns && t < static_cast<int>(r.turns.size()); ++t) {
        const DuelResult::Turn& turn = r.turns[t];
        out.push_back(std::to_string(t + 1) + "ターン目：勝ち " + percent(turn.win) + "（先に倒す " +
                      percent(turn.firstWinsBeforeFoeMoves) + "）・引き分け " + percent(turn.draw) + "・負け " +
                      percent(turn.lose) + "（先に倒される " + percent(turn.foeWinsBeforeFirstMoves) + "）");
    }
    for (const std::string& note : duelNoteTexts(r.notes))
        out.push_back("※" + note);
    return out;
}

} // namespace rusrina
