// A row of the box and damage window in an exact mode: its texts, its log, and the chance to
// knock the defender out.

#include "calc/exact_damage.h"

#include "calc/damage_row.h"
#include "calc/exact_hit.h"
#include "data/types.h"
#include "text/cp932.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rusrina {

using namespace damage;

namespace {

constexpr int kMostChancesLogged = 6;

int ceilDiv(int64_t a, int64_t b) {
    return static_cast<int>((a + b - 1) / b);
}

// "48.2": tenths of a percent, cut rather than rounded so that a share never shows more than it is.
std::string percentOfHp(int64_t damage, int64_t hp) {
    return formatted("%.1f", static_cast<double>(damage * 1000 / hp) / 10.0) + "％";
}

// A chance below certainty never shows as 100.0, nor one above nothing as 0.0.
std::string chanceText(double chance) {
    double percent = std::round(chance * 1000.0) / 10.0;
    if (chance < 1.0)
        percent = std::clamp(percent, 0.1, 99.9);
    return formatted("%.1f", percent) + "％";
}

std::string multiplierText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::NotComputed || r.outcome == ExactRolls::Outcome::NoFormula || r.fixed)
        return kNotAvailable;
    const double sameType = r.sameType == 2 ? 2.0 : r.sameType == 1 ? 1.5 : 1.0;
    return formatted("%1.2f", r.effect * 0.25 * sameType);
}

void writeMoveBlock(CalcLog& log, const ExactAttack& a, bool hitsDefence) {
    if (a.move == NO_MOVE) {
        log.append("\r\n技：直接数値選択\r\n");
        log.appendf("威力： %-3d  命中： ---\r\n", a.power);
    } else {
        log.appendf("\r\n%s\r\n", moveRecord(a.move).name);
        log.appendf("威力： %-3d  命中： %-3d\r\n", a.power, a.accuracy);
    }
    const char* type = a.move == kWeatherBall ? "天候依存" : typeName(a.type);
    log.appendf("分類： %s タイプ： %s\r\n", text::padRight(moveCategoryName(a.category), 4).c_str(),
                text::padRight(type, 8).c_str());
    if (hitsDefence && a.category != kPhysical)
        log.append("（相手の防御で計算）\r\n");
    log.appendf("計算方式： %s\r\n",
                damageModeName(a.options.generation == kGen4 ? DamageMode::ExactGen4 : DamageMode::ExactGen5));
}

void writeHeader(CalcLog& log, const ExactAttack& a, const BoxEntry& defender) {
    Row r{*a.attacker, defender, a.slot, a.conditions};
    const bool defenceMove =
        a.options.generation == kGen5 &&
        (a.move == exact::kPsyshock || a.move == exact::kPsystrike || a.move == exact::kSecretSword);
    r.category = a.category;
    damage::writeHeader(r);
    log.append(r.result.log.text());
    if (defenceMove)
        log.appendf("＞＞＞ 防御： %-3d\r\n", defender.stat[kDefence]);
    writeMoveBlock(log, a, defenceMove);
}

void writeChances(CalcLog& log, const ExactRolls& r, const KoChance& ko) {
    std::string rolls;
    for (int32_t roll : r.rolls)
        rolls += (rolls.empty() ? "" : " ") + std::to_string(roll);
    log.append("乱数16通り： " + rolls + "\r\n撃破確率：\r\n");
    const int certain = ceilDiv(r.hp, r.low());
    for (int n = ko.hits; n <= certain; ++n) {
        if (n - ko.hits == kMostChancesLogged - 1 && n < certain)
            n = certain;
        const double chance = n == ko.hits ? ko.chance : koChanceIn(r.rolls, r.hp, n);
        log.append("　" + std::to_string(n) + "発： " + chanceText(chance) + "\r\n");
    }
}

void writeResult(CalcLog& log, const ExactRowResult& row) {
    if (row.rolls.outcome == ExactRolls::Outcome::NoFormula || row.rolls.outcome == ExactRolls::Outcome::NotComputed)
        return;
    log.append("ダメージ： " + row.texts.damageText + "\r\n");
    if (row.rolls.hits())
        log.append("ＨＰ割合： " + row.hpShareText + "\r\n");
    log.append("必要攻撃回数： " + row.texts.hitsText + "\r\n");
    if (row.rolls.hits())
        writeChances(log, row.rolls, row.ko);
}

} // namespace

double koChanceIn(const std::array<int32_t, kRollCount>& rolls, int32_t hp, int hits) {
    const auto [lowest, highest] = std::minmax_element(rolls.begin(), rolls.end());
    if (hits <= 0 || *highest <= 0)
        return 0.0;
    // Each hit adds its roll's excess over the lowest roll; the hits knock out when the excesses
    // reach `need`. Sums at or past it are kept together.
    const int64_t need = int64_t{hp} - int64_t{hits} * *lowest;
    if (need <= 0)
        return 1.0;
    if (need > int64_t{hits} * (*highest - *lowest))
        return 0.0;
    std::vector<double> sums(static_cast<size_t>(need) + 1, 0.0), next(sums.size());
    sums[0] = 1.0;
    for (int h = 0; h < hits; ++h) {
        std::fill(next.begin(), next.end(), 0.0);
        for (int64_t s = 0; s <= need; ++s) {
            if (sums[s] == 0.0)
                continue;
            const double share = sums[s] / kRollCount;
            for (int32_t roll : rolls)
                next[std::min<int64_t>(need, s + roll - *lowest)] += share;
        }
        sums.swap(next);
    }
    return sums[need];
}

KoChance koChance(const ExactRolls& rolls) {
    if (!rolls.hits() || rolls.hp <= 0)
        return {};
    const int hits = ceilDiv(rolls.hp, rolls.high());
    return {hits, koChanceIn(rolls.rolls, rolls.hp, hits)};
}

std::string exactDamageText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
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
    if (!r.hits() || ko.hits <= 0)
        return kNotAvailable;
    if (ko.chance >= 1.0)
        return "確定" + std::to_string(ko.hits) + "発";
    return "乱数" + std::to_string(ko.hits) + "発 (" + chanceText(ko.chance) + ")";
}

ExactRowResult computeExactRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                               const BattleConditions& conditions, const ExactOptions& options) {
    ExactRowResult row;
    const ExactAttack attack = prepareExactAttack(attacker, slot, conditions, options);
    if (!attack.usable)
        return row;
    CalcLog& log = row.texts.log;
    log.reserve(3072);
    writeHeader(log, attack, defender);
    row.rolls = exact::runLoggedHit(attack, defender, log);
    if (row.rolls.outcome == ExactRolls::Outcome::NotComputed) {
        row.texts.log.clear();
        return row;
    }
    row.ko = koChance(row.rolls);
    row.texts.damageText = exactDamageText(row.rolls);
    row.texts.hitsText = koText(row.rolls, row.ko);
    row.texts.multiplierText = multiplierText(row.rolls);
    row.texts.shownType = row.rolls.shownType;
    row.texts.shownPower = row.rolls.shownPower;
    row.hpShareText = hpShareText(row.rolls);
    writeResult(log, row);
    return row;
}

std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const DamageEngine& engine,
                                                              const DamageSettings& settings) {
    std::array<ExactRowResult, kDamageRowCount> rows;
    if (!isExact(settings.mode)) {
        auto simple = engine.computeAllRows();
        for (int i = 0; i < kDamageRowCount; ++i)
            rows[i].texts = std::move(simple[i]);
        return rows;
    }
    if (!engine.attacker || !engine.defender)
        return rows;
    const ExactOptions options{generationOf(settings.mode), settings.critical};
    for (int i = 0; i < kDamageRowCount; ++i)
        rows[i] = computeExactRow(*engine.attacker, *engine.defender, engine.slot(i), engine.conditions, options);
    return rows;
}

} // namespace rusrina
