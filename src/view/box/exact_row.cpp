// A row of the box and damage window in an exact mode: its texts, its log around the steps the
// engine recorded, and the chance to knock the defender out.

#include "view/box/exact_row.h"

#include "calc/stats.h"
#include "data/moves.h"
#include "data/types.h"
#include "text/cp932.h"
#include "text/ui_text.h"
#include "view/box/exact_log.h"

#include <algorithm>

namespace rusrina {

namespace {

using text::fillText;
using text::uiText;

constexpr int kMostChancesLogged = 6;

std::string number(int64_t value) {
    return std::to_string(value);
}

std::string multiplierText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::NotComputed || r.outcome == ExactRolls::Outcome::NoFormula || r.fixed)
        return kNotAvailable;
    // effectiveness / 4 × same type (1, 3/2 or 2)
    const int num = r.sameType == 2 ? 2 : r.sameType == 1 ? 3 : 1;
    const int den = r.sameType == 1 ? 8 : 4;
    return decimalText(r.effect * num, den, 2);
}

void writeMoveBlock(CalcLog& log, const MoveUsed& a, bool hitsDefence) {
    const std::string power = text::padRight(number(a.power), 3);
    if (a.move == kNoMoveId) {
        log.append("\r\n" + uiText("ExactLog", "技：直接数値選択") + "\r\n");
        log.append(fillText(uiText("ExactLog", "威力： %1  命中： %2"), {power, "---"}) + "\r\n");
    } else {
        log.appendf("\r\n%s\r\n", moveRecord(a.move).name);
        log.append(
            fillText(uiText("ExactLog", "威力： %1  命中： %2"), {power, text::padRight(number(a.accuracy), 3)}) +
            "\r\n");
    }
    const std::string type = a.move == MoveId::WeatherBall ? uiText("ExactLog", "天候依存") : typeName(a.type);
    log.append(fillText(uiText("ExactLog", "分類： %1 タイプ： %2"),
                        {text::padRight(moveCategoryName(a.category), 4), text::padRight(type, 8)}) +
               "\r\n");
    if (hitsDefence && a.category != kPhysical)
        log.append(uiText("ExactLog", "（相手の防御で計算）") + "\r\n");
    log.append(fillText(uiText("ExactLog", "計算方式： %1"),
                        {damageModeName(a.generation == kGen4 ? DamageMode::ExactGen4 : DamageMode::ExactGen5)}) +
               "\r\n");
}

// The simple engine's header, which depends on the two entries and the category alone; the six
// rows of one change share it, one text per side of the stats.
struct HeaderCache {
    std::string text[2];
};

void writeHeader(CalcLog& log, const MoveUsed& a, const BoxEntry& attacker, const BoxEntry& defender,
                 HeaderCache& cache) {
    std::string& header = cache.text[a.category == kPhysical ? 0 : 1];
    if (header.empty())
        header = damageLogHead(attacker, defender, a.category);
    log.append(header);
    // A special move that hits the defence shows the defence as well.
    const bool defenceMove = a.category != kPhysical && a.hitsDefence;
    if (defenceMove)
        log.append(
            fillText(uiText("ExactLog", "＞＞＞ 防御： %1"), {text::padRight(number(defender.stat[kDefence]), 3)}) +
            "\r\n");
    writeMoveBlock(log, a, defenceMove);
}

std::string rollsText(const RollSet& rolls) {
    std::string text;
    for (int32_t roll : rolls)
        text += (text.empty() ? "" : " ") + std::to_string(roll);
    return text;
}

// "1回目", "2～5回目": the hits of the longest use that deal the same roll set.
std::string hitsLabel(int first, int last) {
    return first == last ? fillText(uiText("ExactLog", "%1回目"), {number(first)})
                         : fillText(uiText("ExactLog", "%1～%2回目"), {number(first), number(last)});
}

// The rolls of every hit of a use at its most hits, hits dealing the same rolls together.
void writeUseRolls(CalcLog& log, const ExactRolls& r, const std::vector<UseOutcome>& use, bool laterUse) {
    const UseOutcome* longest = &use.front();
    for (const UseOutcome& o : use)
        if (o.hits > longest->hits)
            longest = &o;
    for (int i = 0; i < longest->hits;) {
        int j = i;
        while (j + 1 < longest->hits && longest->sets[j + 1] == longest->sets[i])
            ++j;
        const std::string hits = hitsLabel(i + 1, j + 1);
        const std::string rolls = rollsText(r.sets[longest->sets[i]].rolls);
        log.append(fillText(laterUse ? uiText("ExactLog", "次に使うときの%1の乱数16通り： %2")
                                     : uiText("ExactLog", "%1の乱数16通り： %2"),
                            {hits, rolls}) +
                   "\r\n");
        i = j + 1;
    }
}

// The rolls of every hit of a move of several hits; the uses after the first when they deal otherwise.
void writeHitRolls(CalcLog& log, const ExactRolls& r) {
    writeUseRolls(log, r, r.firstUse, false);
    if (!r.laterUse.empty())
        writeUseRolls(log, r, r.laterUse, true);
}

// "マグニチュード4（5％）", "威力 80（30％）", "回復（20％）", "後攻（威力 100・50％）": an outcome of a use
// that deals one of several powers, with its chance.
std::string outcomeLabel(const ExactRolls& r, const UseOutcome& o, int totalWeight) {
    const std::string share = percentText(shortDecimalText(int64_t{o.weight} * 100, totalWeight));
    switch (r.kind) {
    case OutcomeKind::Magnitude:
        return fillText(uiText("ExactLog", "マグニチュード%1（%2）"), {number(o.label), share});
    case OutcomeKind::TurnOrder:
        return fillText(o.label ? uiText("ExactLog", "後攻（威力 %1・%2）") : uiText("ExactLog", "先攻（威力 %1・%2）"),
                        {number(r.sets[o.sets[0]].power), share});
    default:
        return o.hits == 0 ? fillText(uiText("ExactLog", "回復（%1）"), {share})
                           : fillText(uiText("ExactLog", "威力 %1（%2）"), {number(o.label), share});
    }
}

// The rolls of each outcome of a use that deals one of several powers; サイコウェーブ's amounts are
// in its step already.
void writeOutcomeRolls(CalcLog& log, const ExactRolls& r) {
    if (r.kind == OutcomeKind::Damage)
        return;
    int total = 0;
    for (const UseOutcome& o : r.firstUse)
        total += o.weight;
    for (const UseOutcome& o : r.firstUse) {
        const std::string rolls = o.hits == 0 ? uiText("ExactLog", "ダメージなし") : rollsText(r.sets[o.sets[0]].rolls);
        log.append(fillText(uiText("ExactLog", "%1の乱数16通り： %2"), {outcomeLabel(r, o, total), rolls}) + "\r\n");
    }
}

// "　2発： 43.8％": the chance to have knocked out in so many hits.
std::string chanceLine(int hits, std::string_view chance) {
    return uiText("ExactLog", "　") + fillText(uiText("ExactLog", "%1発： %2"), {number(hits), chance}) + "\r\n";
}

std::string notKnockedOutLine(int hits) {
    return uiText("ExactLog", "　") + fillText(uiText("ExactLog", "%1発までに倒せない"), {number(hits)}) + "\r\n";
}

// What the hazards and each end of turn take and give, as the chance to knock out counted them.
void writeTurnEnd(CalcLog& log, const TurnEndPlan& plan, int turns) {
    log.append(uiText("ExactLog", "登場時・ターン終了時の増減：") + "\r\n");
    const auto signedText = [](int32_t amount) { return (amount > 0 ? "+" : "") + std::to_string(amount); };
    for (const TurnEndStep& s : plan.steps()) {
        std::string when = s.kind == TurnEndKind::StealthRock || s.kind == TurnEndKind::Spikes
                               ? uiText("ExactLog", "%1（登場時）")
                           : s.kind == TurnEndKind::SitrusBerry ? uiText("ExactLog", "%1（HP半分以下で1回）")
                                                                : uiText("ExactLog", "%1（毎ターン終了時）");
        if (s.kind == TurnEndKind::Bound)
            when = fillText(uiText("ExactLog", "%1（%2ターン目まで毎ターン終了時）"), {"%1", number(plan.boundTurns)});
        std::string amounts = signedText(s.amount);
        if (s.kind == TurnEndKind::Toxic) {
            for (int t = 2; t <= std::max(turns, 2); ++t)
                amounts += " → " + signedText(plan.toxicLoss(t));
            amounts += " …";
        }
        log.append(uiText("ExactLog", "　") + fillText(when, {turnEndName(s.kind)}) + uiText("ExactLog", "： ") +
                   amounts + "\r\n");
    }
}

// The chances through the hazards and the end of turn (and each use's miss and critical hits when
// they count), turn by turn.
void writeTurnEndChances(CalcLog& log, const TurnEndSeries& series, const KoChance& ko, bool hitChances) {
    log.append((hitChances ? uiText("ExactLog", "撃破確率（命中・急所込み）：")
                           : uiText("ExactLog", "撃破確率（登場時・ターン終了時込み）：")) +
               "\r\n");
    if (ko.hits <= 0) {
        log.append(notKnockedOutLine(static_cast<int>(series.chance.size())));
        return;
    }
    const int last = static_cast<int>(series.chance.size());
    const int shown = std::min(last, ko.hits + kMostChancesLogged - 2);
    for (int n = ko.hits; n <= shown; ++n)
        log.append(chanceLine(n, koChanceText(series.chance[n - 1])));
    if (series.certain && shown < series.certain)
        log.append(chanceLine(series.certain, koChanceText(1.0)));
}

void writeChances(CalcLog& log, const ExactRolls& r, const KoChance& ko) {
    if (r.oneHit())
        log.append(uiText("ExactLog", "乱数16通り： ") + rollsText(r.rolls) + "\r\n");
    else if (r.kind == OutcomeKind::HitCount)
        writeHitRolls(log, r);
    else
        writeOutcomeRolls(log, r);
    log.append(uiText("ExactLog", "撃破確率：") + "\r\n");
    if (ko.hits <= 0) {
        log.append(notKnockedOutLine(kMostUsesCounted));
        return;
    }
    const int certain = certainKo(r); // 0: a roll deals nothing, so no number is certain
    const int shown = certain ? std::min(certain, ko.hits + kMostChancesLogged - 2) : ko.hits + kMostChancesLogged - 2;
    for (int n = ko.hits; n <= shown; ++n) {
        const double chance = n == ko.hits ? ko.chance : n == certain ? 1.0 : koChanceIn(r, n);
        log.append(chanceLine(n, koChanceText(chance)));
    }
    if (certain && shown < certain)
        log.append(chanceLine(certain, koChanceText(1.0)));
}

// A percentage of an exact chance with the decimals it needs: "80", "6.25".
std::string oddsText(const Odds& odds) {
    return percentText(shortDecimalText(odds.numerator * 100, odds.denominator));
}

void writeResult(CalcLog& log, const ExactRowResult& row, const ExactAnswer& answer) {
    const TurnEndPlan& plan = answer.turnEnd;
    if (row.rolls.outcome == ExactRolls::Outcome::NoFormula || row.rolls.outcome == ExactRolls::Outcome::NotComputed)
        return;
    log.append(uiText("ExactLog", "ダメージ： ") + row.texts.damageText + "\r\n");
    if (row.rolls.hits())
        log.append(uiText("ExactLog", "ＨＰ割合： ") + row.hpShareText + "\r\n");
    log.append(uiText("ExactLog", "必要攻撃回数： ") + row.texts.hitsText + "\r\n");
    if (!row.rolls.hits())
        return;
    if (answer.hitChances)
        log.append(fillText(uiText("ExactLog", "命中率： %1（1回ごと）　急所率： %2（1発ごと）"),
                            {oddsText(answer.odds.hit), oddsText(answer.odds.critical)}) +
                   "\r\n");
    if (plan.empty() && !answer.hitChances) {
        writeChances(log, row.rolls, row.ko);
        return;
    }
    if (!plan.empty())
        writeTurnEnd(log, plan, std::max(row.ko.hits, 1));
    writeTurnEndChances(log, answer.series, row.ko, answer.hitChances);
}

ExactRowResult exactRow(const BoxEntry& attacker, const BoxEntry& defender, const ExactAnswer& answer,
                        HeaderCache& headers) {
    ExactRowResult row;
    if (!answer.usable || answer.rolls.outcome == ExactRolls::Outcome::NotComputed)
        return row;
    CalcLog& log = row.texts.log;
    log.reserve(3072);
    writeHeader(log, answer.move, attacker, defender, headers);
    row.rolls = answer.rolls;
    writeExactSteps(log, answer.record);
    // The hazards and the end of turn, when the state asks for them, count in the verdict.
    row.turnEnd = answer.turnEnd;
    row.ko = answer.ko;
    row.texts.damageText = exactDamageText(row.rolls);
    row.texts.hitsText = koTextWithTurnEnd(row.rolls, row.ko, row.turnEnd, answer.hitChances);
    row.texts.multiplierText = multiplierText(row.rolls);
    row.texts.shownType = row.rolls.shownType;
    row.texts.shownPower = row.rolls.shownPower;
    row.hpShareText = hpShareText(row.rolls);
    writeResult(log, row, answer);
    return row;
}

} // namespace

ExactRowResult exactRowResult(const BoxEntry& attacker, const BoxEntry& defender, const ExactAnswer& answer) {
    HeaderCache headers;
    return exactRow(attacker, defender, answer, headers);
}

std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const Scenario& scenario, const RowMoves& moves) {
    std::array<RowAnswer, kDamageRowCount> answers = calculateRows(scenario, moves);
    std::array<ExactRowResult, kDamageRowCount> rows;
    if (!isExact(scenario.mode)) {
        for (int i = 0; i < kDamageRowCount; ++i)
            rows[i].texts = std::move(answers[i].simple);
        return rows;
    }
    if (!hasPair(scenario))
        return rows;
    HeaderCache headers;
    for (int i = 0; i < kDamageRowCount; ++i)
        rows[i] = exactRow(*scenario.attacker.entry, *scenario.defender.entry, answers[i].exact, headers);
    return rows;
}

std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const DamageEngine& engine,
                                                              const DamageSettings& settings) {
    return computeRowsInMode(engine.scenario(settings.mode, settings.critical), engine.moves());
}

} // namespace rusrina
