#include "view/common/exact_texts.h"

#include "calc/damage/damage_engine.h"
#include "text/ui_text.h"

#include <algorithm>
#include <cmath>

namespace rusrina {

namespace {

// "48.2": tenths of a percent, cut rather than rounded so that a share never shows more than it is.
std::string percentOfHp(int64_t damage, int64_t hp) {
    const int64_t tenths = damage * 1000 / hp;
    return percentText(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
}

std::string rangeText(std::string_view low, std::string_view high) {
    return text::fillText(text::uiText("Verdict", "%1 ～ %2"), {low, high});
}

std::string immuneText() {
    return text::uiText("Verdict", "無効");
}

std::string cannotUseText() {
    return text::uiText("Verdict", "使用不可");
}

} // namespace

std::string percentText(std::string_view number) {
    return text::fillText(text::uiText("Verdict", "%1％"), {number});
}

// A chance below certainty never shows as 100.0, nor one above nothing as 0.0: one that would round
// to 0.0 says it is below the least shown.
std::string koChanceText(double chance) {
    if (chance > 0.0 && chance < 0.0005)
        return text::uiText("Verdict", "0.1％未満");
    int64_t tenths = std::llround(std::clamp(chance, 0.0, 1.0) * 1000.0);
    if (chance > 0.0 && chance < 1.0)
        tenths = std::clamp<int64_t>(tenths, 1, 999);
    return percentText(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
}

std::string exactDamageText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return immuneText();
    if (r.outcome == ExactRolls::Outcome::CannotUse)
        return cannotUseText();
    if (!r.hits())
        return kNotAvailable;
    if (r.low() == r.high())
        return std::to_string(r.low());
    return rangeText(std::to_string(r.low()), std::to_string(r.high()));
}

std::string hpShareText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return immuneText();
    if (!r.hits() || r.hp <= 0)
        return kNotAvailable;
    if (r.low() == r.high())
        return percentOfHp(r.low(), r.hp);
    return rangeText(percentOfHp(r.low(), r.hp), percentOfHp(r.high(), r.hp));
}

std::string certainKoText(int hits) {
    if (hits == 1)
        return text::uiText("Verdict", "確定1発");
    return text::fillText(text::uiText("Verdict", "確定%1発"), {std::to_string(hits)});
}

std::string possibleKoText(int hits, std::string_view chance) {
    if (hits == 1)
        return text::fillText(text::uiText("Verdict", "乱数1発 (%1)"), {chance});
    return text::fillText(text::uiText("Verdict", "乱数%1発 (%2)"), {std::to_string(hits), chance});
}

std::string koText(const ExactRolls& r, const KoChance& ko) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return immuneText();
    if (r.outcome == ExactRolls::Outcome::CannotUse)
        return cannotUseText();
    if (!r.hits() || ko.hits <= 0)
        return kNotAvailable;
    if (ko.chance >= 1.0)
        return certainKoText(ko.hits);
    return possibleKoText(ko.hits, koChanceText(ko.chance));
}

std::string turnEndName(TurnEndKind kind) {
    switch (kind) {
    case TurnEndKind::StealthRock:
        return text::uiText("TurnEnd", "ステルスロック");
    case TurnEndKind::Spikes:
        return text::uiText("TurnEnd", "まきびし");
    case TurnEndKind::Sandstorm:
        return text::uiText("TurnEnd", "すなあらし");
    case TurnEndKind::Hail:
        return text::uiText("TurnEnd", "あられ");
    case TurnEndKind::RainDish:
        return text::uiText("TurnEnd", "あめうけざら");
    case TurnEndKind::IceBody:
        return text::uiText("TurnEnd", "アイスボディ");
    case TurnEndKind::DrySkin:
        return text::uiText("TurnEnd", "かんそうはだ");
    case TurnEndKind::SolarPower:
        return text::uiText("TurnEnd", "サンパワー");
    case TurnEndKind::Leftovers:
        return text::uiText("TurnEnd", "たべのこし");
    case TurnEndKind::BlackSludge:
        return text::uiText("TurnEnd", "くろいヘドロ");
    case TurnEndKind::LeechSeed:
        return text::uiText("TurnEnd", "やどりぎのタネ");
    case TurnEndKind::Poison:
        return text::uiText("TurnEnd", "どく");
    case TurnEndKind::Toxic:
        return text::uiText("TurnEnd", "もうどく");
    case TurnEndKind::Burn:
        return text::uiText("TurnEnd", "やけど");
    case TurnEndKind::PoisonHeal:
        return text::uiText("TurnEnd", "ポイズンヒール");
    case TurnEndKind::Bound:
        return text::uiText("TurnEnd", "しめつけ");
    case TurnEndKind::SitrusBerry:
        return text::uiText("TurnEnd", "オボンのみ");
    }
    return "";
}

std::string turnEndCounted(const TurnEndPlan& plan, bool hitChances) {
    const std::string separator = text::uiText("Verdict", "・");
    std::string names;
    for (const TurnEndStep& s : plan.steps())
        names += (names.empty() ? "" : separator) + turnEndName(s.kind);
    if (hitChances)
        names += (names.empty() ? "" : separator) + text::uiText("Verdict", "命中・急所");
    return names;
}

std::string koTextWithTurnEnd(const ExactRolls& r, const KoChance& ko, const TurnEndPlan& plan, bool hitChances) {
    const std::string verdict = koText(r, ko);
    if ((plan.empty() && !hitChances) || !r.hits() || ko.hits <= 0)
        return verdict;
    return text::fillText(text::uiText("Verdict", "%1込みで %2"), {turnEndCounted(plan, hitChances), verdict});
}

std::string decimalText(int64_t num, int64_t den, int places) {
    int64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    int64_t q = num * scale / den;
    const int64_t twice = 2 * (num * scale % den);
    if (twice > den || (twice == den && q % 2 == 1))
        ++q;
    std::string fraction = std::to_string(q % scale);
    fraction.insert(0, static_cast<size_t>(places) - fraction.size(), '0');
    return std::to_string(q / scale) + (places ? "." + fraction : "");
}

std::string shortDecimalText(int64_t num, int64_t den) {
    std::string text = decimalText(num, den, 3);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace rusrina
