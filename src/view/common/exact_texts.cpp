#include "view/common/exact_texts.h"

#include "calc/damage/damage_engine.h"

#include <algorithm>
#include <cmath>

namespace rusrina {

namespace {

constexpr char kCannotUse[] = "使用不可";

// "48.2": tenths of a percent, cut rather than rounded so that a share never shows more than it is.
std::string percentOfHp(int64_t damage, int64_t hp) {
    const int64_t tenths = damage * 1000 / hp;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "％";
}

} // namespace

// A chance below certainty never shows as 100.0, nor one above nothing as 0.0: one that would round
// to 0.0 says it is below the least shown.
std::string koChanceText(double chance) {
    if (chance > 0.0 && chance < 0.0005)
        return "0.1％未満";
    int64_t tenths = std::llround(std::clamp(chance, 0.0, 1.0) * 1000.0);
    if (chance > 0.0 && chance < 1.0)
        tenths = std::clamp<int64_t>(tenths, 1, 999);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "％";
}

std::string exactDamageText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (r.outcome == ExactRolls::Outcome::CannotUse)
        return kCannotUse;
    if (!r.hits())
        return kNotAvailable;
    if (r.low() == r.high())
        return std::to_string(r.low());
    return std::to_string(r.low()) + " ～ " + std::to_string(r.high());
}

std::string hpShareText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (!r.hits() || r.hp <= 0)
        return kNotAvailable;
    if (r.low() == r.high())
        return percentOfHp(r.low(), r.hp);
    return percentOfHp(r.low(), r.hp) + " ～ " + percentOfHp(r.high(), r.hp);
}

std::string koText(const ExactRolls& r, const KoChance& ko) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (r.outcome == ExactRolls::Outcome::CannotUse)
        return kCannotUse;
    if (!r.hits() || ko.hits <= 0)
        return kNotAvailable;
    if (ko.chance >= 1.0)
        return "確定" + std::to_string(ko.hits) + "発";
    return "乱数" + std::to_string(ko.hits) + "発 (" + koChanceText(ko.chance) + ")";
}

const char* turnEndName(TurnEndKind kind) {
    switch (kind) {
    case TurnEndKind::StealthRock:
        return "ステルスロック";
    case TurnEndKind::Spikes:
        return "まきびし";
    case TurnEndKind::Sandstorm:
        return "すなあらし";
    case TurnEndKind::Hail:
        return "あられ";
    case TurnEndKind::RainDish:
        return "あめうけざら";
    case TurnEndKind::IceBody:
        return "アイスボディ";
    case TurnEndKind::DrySkin:
        return "かんそうはだ";
    case TurnEndKind::SolarPower:
        return "サンパワー";
    case TurnEndKind::Leftovers:
        return "たべのこし";
    case TurnEndKind::BlackSludge:
        return "くろいヘドロ";
    case TurnEndKind::LeechSeed:
        return "やどりぎのタネ";
    case TurnEndKind::Poison:
        return "どく";
    case TurnEndKind::Toxic:
        return "もうどく";
    case TurnEndKind::Burn:
        return "やけど";
    case TurnEndKind::PoisonHeal:
        return "ポイズンヒール";
    case TurnEndKind::Bound:
        return "しめつけ";
    case TurnEndKind::SitrusBerry:
        return "オボンのみ";
    }
    return "";
}

std::string turnEndCounted(const TurnEndPlan& plan, bool hitChances) {
    std::string names;
    for (const TurnEndStep& s : plan.steps())
        names += (names.empty() ? "" : "・") + std::string(turnEndName(s.kind));
    if (hitChances)
        names += names.empty() ? "命中・急所" : "・命中・急所";
    return names.empty() ? names : names + "込みで ";
}

std::string koTextWithTurnEnd(const ExactRolls& r, const KoChance& ko, const TurnEndPlan& plan, bool hitChances) {
    const std::string verdict = koText(r, ko);
    if ((plan.empty() && !hitChances) || !r.hits() || ko.hits <= 0)
        return verdict;
    return turnEndCounted(plan, hitChances) + verdict;
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
