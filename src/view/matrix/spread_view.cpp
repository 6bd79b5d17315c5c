#include "view/matrix/spread_view.h"

#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "format/entry_form.h"
#include "view/common/exact_texts.h"
#include "view/common/list_choice.h"
#include "view/matrix/matrix_view.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rusrina {
namespace {

constexpr int kLeastPercentChoice = 10;
constexpr int kPercentChoiceStep = 10;

const char* statName(int stat) {
    static const char* const kNames[kStatCount] = {"HP", "攻撃", "防御", "特攻", "特防", "素早"};
    return stat >= 0 && stat < kStatCount ? kNames[stat] : "";
}

// The nature's bare name, without the padding of the chooser text.
std::string natureText(int nature) {
    if (nature < 0 || nature >= kNatureCount)
        return kNotAvailable;
    std::string text = natureChoiceText(nature);
    static const std::string kPad = "　";
    while (text.size() >= kPad.size() && text.compare(text.size() - kPad.size(), kPad.size(), kPad) == 0)
        text.erase(text.size() - kPad.size());
    return text;
}

std::string certaintyText(int percent) {
    return percent >= kCertain ? "確定で" : std::to_string(percent) + "％以上の確率で";
}

// What the chances count beside the hits, before the number of hits.
std::string hitChancesCounted(bool hitChances) {
    return hitChances ? "命中・急所込みで " : "";
}

std::string chanceShown(double chance) {
    return koChanceText(chance);
}

std::array<int, 6> evsOf(const BoxEntry& entry) {
    std::array<int, 6> evs;
    std::copy(std::begin(entry.ev), std::end(entry.ev), evs.begin());
    return evs;
}

void freeEvs(std::array<int, 6>& evs, const std::array<bool, kStatCount>& freed) {
    for (int stat = 0; stat < kStatCount; ++stat)
        if (freed[stat])
            evs[stat] = 0;
}

// "残り 4：攻撃 252・素早さ 252 は固定": the EVs a search left where they were.
std::string fixedEvsText(const BoxEntry& entry, int budget, const std::array<bool, kStatCount>& freed, int first,
                         int second) {
    static const char* const kNames[kStatCount] = {"HP", "攻撃", "防御", "特攻", "特防", "素早さ"};
    std::string fixed;
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (stat == first || stat == second || freed[stat] || entry.ev[stat] == 0)
            continue;
        fixed += (fixed.empty() ? "" : "・") + std::string(kNames[stat]) + " " + std::to_string(entry.ev[stat]);
    }
    const std::string left = "残り " + std::to_string(budget);
    return fixed.empty() ? left + "：ほかの努力値は 0" : left + "：" + fixed + " は固定";
}

// The changes of the finder's choices that each find something on their own: the highest lower
// certainty, the best nature, the other EVs freed.
template <typename Find> std::string helpText(const SpreadQuery& query, const BoxEntry& entry, int stat, Find find) {
    std::vector<std::string> helps;
    for (int percent = kCertain - kPercentChoiceStep; percent >= kLeastPercentChoice; percent -= kPercentChoiceStep) {
        if (percent >= query.percent)
            continue;
        SpreadQuery lower = query;
        lower.percent = percent;
        if (find(lower)) {
            helps.push_back("確実さ " + std::to_string(percent) + "％以上");
            break;
        }
    }
    if (query.nature == SpreadNature::Keep && bestNatureFor(entry, stat) != entry.nature) {
        SpreadQuery best = query;
        best.nature = SpreadNature::Best;
        if (find(best))
            helps.push_back("最適な性格");
    }
    if (!query.freeOtherEvs) {
        SpreadQuery freed = query;
        freed.freeOtherEvs = true;
        if (find(freed))
            helps.push_back("ほかの努力値も振り直す");
    }
    if (helps.empty())
        return "確実さ・性格・ほかの努力値を変えても見つかりません";
    std::string text = "こうすると見つかります：";
    for (std::size_t i = 0; i < helps.size(); ++i)
        text += (i == 0 ? "" : "、") + helps[i];
    return text;
}

// The reasons a search finds nothing to list, shared by both finders.
std::string blockedText(SpreadStatus status) {
    switch (status) {
    case SpreadStatus::TypedStats:
        return "能力値を直接入力した個体には努力値がありません";
    case SpreadStatus::Immune:
        return "この技ではダメージを与えられません";
    case SpreadStatus::NoDamage:
        return "この技のダメージは計算できません";
    default:
        return kNotAvailable;
    }
}

// "最速ガブリアス", "Lv.100 準速ガブリアス", "防御側のガブリアス".
std::string speedTargetName(const SpeedTuningSearch& search) {
    static const char* const kBenchmarks[] = {"", "最速", "準速", "無振り", "最遅"};
    const BoxEntry& other = search.other;
    const std::string species =
        other.species >= 0 && other.species < kSpeciesCount ? speciesName(other.species) : kNotAvailable;
    if (search.target == SpeedTarget::Current)
        return std::string(search.otherIsDefender ? "防御側の" : "攻撃側の") + species;
    const std::string level = other.level == 50 ? "" : "Lv." + std::to_string(other.level) + " ";
    return level + kBenchmarks[static_cast<int>(search.target)] + species;
}

// "152" or "152 → 228" when the state or an item changes the stat.
std::string speedShown(int stat, int speed) {
    return std::to_string(stat) + (speed == stat ? "" : " → " + std::to_string(speed));
}

int otherStat(const SpeedTuningSearch& search) {
    if (search.target == SpeedTarget::Current)
        return search.query.other.stat;
    return benchmarkSpeedStat(search.other.species, search.other.level,
                              static_cast<SpeedBenchmark>(static_cast<int>(search.target) - 1));
}

} // namespace

std::optional<BoxEntry> entryWithSpread(const BoxEntry& entry, int nature, const std::array<int, 6>& evs) {
    if (entry.statsDirect)
        return std::nullopt;
    EntryForm form = formFromEntry(entry);
    form.nature = nature;
    form.ev = evs;
    if (registrationRefusal(form) != Refusal::None)
        return std::nullopt;
    return entryFromForm(form);
}

std::optional<BoxEntry> entryWithSplit(const BoxEntry& defender, const DefenceSpreads& found,
                                       const DefenceSplit& split) {
    if (found.status != SpreadStatus::Found)
        return std::nullopt;
    std::array<int, 6> evs = evsOf(defender);
    freeEvs(evs, found.freed);
    evs[kHp] = split.hpEv;
    evs[found.stat] = split.defenceEv;
    return entryWithSpread(defender, found.nature, evs);
}

std::optional<BoxEntry> entryWithOffence(const BoxEntry& attacker, const OffenceSpread& found) {
    if (found.status != SpreadStatus::Found)
        return std::nullopt;
    std::array<int, 6> evs = evsOf(attacker);
    freeEvs(evs, found.freed);
    evs[found.stat] = found.ev;
    return entryWithSpread(attacker, found.nature, evs);
}

std::vector<ListChoice> spreadMoveChoices(const DamageEngine& inputs) {
    static const char* const kCaptions[kDamageRowCount] = {"わざ１", "わざ２", "わざ３",
                                                           "わざ４", "習得技", "直接数値"};
    std::vector<ListChoice> choices;
    for (int row = 0; row < kDamageRowCount; ++row) {
        const DamageSlot slot = inputs.slot(row);
        std::string name = kNotAvailable;
        if (row == kDirectRow)
            name = "威力 " + std::to_string(slot.direct.power) + " " + moveCategoryName(slot.direct.category) + " " +
                   typeName(slot.direct.type);
        else if (isValidMove(slot.move))
            name = moveRecord(slot.move).name;
        choices.push_back({std::string(kCaptions[row]) + "：" + name, row});
    }
    return choices;
}

SpreadQuery spreadQueryFor(const Scenario& scenario, const RowMoves& moves, int row) {
    SpreadQuery q;
    q.scenario = scenario;
    const BoxEntry* attacker = scenario.attacker.entry ? &*scenario.attacker.entry : nullptr;
    q.slot = rowSlot(attacker, moves, std::clamp(row, 0, kDamageRowCount - 1));
    return q;
}

SpreadQuery spreadQueryFor(const DamageEngine& inputs, const DamageSettings& settings, int row) {
    return spreadQueryFor(inputs.scenario(settings.mode, settings.critical), inputs.moves(), row);
}

std::vector<ListChoice> spreadHitChoices() {
    std::vector<ListChoice> choices;
    for (int hits = 1; hits <= kMaxSpreadHits; ++hits)
        choices.push_back({std::to_string(hits) + "発", hits});
    return choices;
}

std::vector<ListChoice> spreadCertaintyChoices() {
    std::vector<ListChoice> choices{{"確定", kCertain}};
    for (int percent = kCertain - kPercentChoiceStep; percent >= kLeastPercentChoice; percent -= kPercentChoiceStep)
        choices.push_back({std::to_string(percent) + "％以上", percent});
    return choices;
}

std::vector<ListChoice> spreadNatureChoices() {
    return {{"今の性格", static_cast<int>(SpreadNature::Keep)}, {"最適な性格", static_cast<int>(SpreadNature::Best)}};
}

std::array<std::string, kSplitColumnCount> splitHeadings(int stat) {
    return {"HP努力値", std::string(statName(stat)) + "努力値", "合計", "HP", statName(stat), "耐える確率"};
}

std::array<std::string, kSplitColumnCount> splitTexts(const DefenceSplit& split) {
    return {std::to_string(split.hpEv), std::to_string(split.defenceEv), std::to_string(split.total()),
            std::to_string(split.hp),   std::to_string(split.defence),   chanceShown(1.0 - split.koChance)};
}

std::string defenceSummaryText(const DefenceSpreads& found, int hits, int percent) {
    if (found.status != SpreadStatus::Found && found.status != SpreadStatus::NotFound)
        return blockedText(found.status);
    std::string text = "性格 " + natureText(found.nature) + "・HPと" + statName(found.stat) + "の努力値の残り " +
                       std::to_string(found.budget) + "：" + hitChancesCounted(found.hitChances) +
                       std::to_string(hits) + "発を" + certaintyText(percent) + "耐える配分";
    if (found.status == SpreadStatus::NotFound)
        return text + "はありません";
    return text + " " + std::to_string(found.splits.size()) + " 通り（少ない順）";
}

std::string defenceAdviceText(const SpreadQuery& query, const DefenceSpreads& found) {
    if (found.status != SpreadStatus::NotFound)
        return {};
    const auto finds = [](const SpreadQuery& q) { return findDefenceSpreads(q).status == SpreadStatus::Found; };
    const BoxEntry& defender = *query.scenario.defender.entry;
    return fixedEvsText(defender, found.budget, found.freed, kHp, found.stat) + "\n" +
           helpText(query, defender, found.stat, finds);
}

std::string offenceAdviceText(const SpreadQuery& query, const OffenceSpread& found) {
    if (found.status != SpreadStatus::NotFound)
        return {};
    const auto finds = [](const SpreadQuery& q) { return findOffenceSpread(q).status == SpreadStatus::Found; };
    const BoxEntry& attacker = *query.scenario.attacker.entry;
    return fixedEvsText(attacker, found.budget, found.freed, found.stat, found.stat) + "\n" +
           helpText(query, attacker, found.stat, finds);
}

std::vector<ListChoice> speedTargetChoices() {
    return {{"相手の今の素早さ", static_cast<int>(SpeedTarget::Current)},
            {"最速", static_cast<int>(SpeedTarget::Fastest)},
            {"準速", static_cast<int>(SpeedTarget::Neutral)},
            {"無振り", static_cast<int>(SpeedTarget::Uninvested)},
            {"最遅", static_cast<int>(SpeedTarget::Slowest)}};
}

std::vector<ListChoice> speedSideChoices() {
    return {{"攻撃側を調整", 0}, {"防御側を調整", 1}};
}

SpeedTuningSearch speedTuningSearchFor(const Scenario& scenario, bool defenderTuned, SpeedTarget target,
                                       SpreadNature nature, const std::array<bool, kStatCount>& freed) {
    SpeedTuningSearch search;
    search.target = target;
    search.otherIsDefender = !defenderTuned;
    if (!hasPair(scenario))
        return search;
    search.ready = true;
    search.other = defenderTuned ? *scenario.attacker.entry : *scenario.defender.entry;
    search.query = speedTuningQueryOf(scenario, defenderTuned, nature);
    search.query.freed = freed;
    return search;
}

SpeedTuningSearch speedTuningSearchFor(const DamageEngine& inputs, const DamageSettings& settings, bool defenderTuned,
                                       SpeedTarget target, SpreadNature nature,
                                       const std::array<bool, kStatCount>& freed) {
    return speedTuningSearchFor(inputs.scenario(settings.mode, settings.critical), defenderTuned, target, nature,
                                freed);
}

SpeedTuning runSpeedTuning(const SpeedTuningSearch& search) {
    if (!search.ready)
        return {};
    if (search.target == SpeedTarget::Current)
        return findSpeedTuning(search.query);
    return findSpeedTuningAgainst(search.query, search.other.species, search.other.level,
                                  static_cast<SpeedBenchmark>(static_cast<int>(search.target) - 1));
}

std::string speedTuningText(const SpeedTuningSearch& search, const SpeedTuning& found) {
    if (!search.ready)
        return kChooseSidesText;
    if (found.status == SpeedTuningStatus::TypedStats)
        return blockedText(SpreadStatus::TypedStats);
    const std::string target = speedTargetName(search) + "（" + speedShown(otherStat(search), found.otherSpeed) + "）";
    if (found.status == SpeedTuningStatus::OrderWithoutSpeed)
        return "あとだし・こうこうのしっぽ・まんぷくのおこうで順番が決まるので、素早さでは変わりません（" + target +
               "に" + (found.order == TurnOrder::First ? "先手" : "後手") + "）";
    const std::string nature = "性格 " + natureText(found.nature) + "・素早さ努力値";
    const std::string own = "（素早さ " + speedShown(found.stat, found.speed) + "）";
    const std::string tie = found.tieEv >= 0 && found.tieEv != found.ev
                                ? "。努力値 " + std::to_string(found.tieEv) + " では同速"
                                : std::string();
    if (found.status == SpeedTuningStatus::Found)
        return found.trickRoom ? nature + " " + std::to_string(found.ev) + " まで" + own + "なら " + target +
                                     "より遅く、トリックルームで先手" + tie
                               : nature + " " + std::to_string(found.ev) + own + "で " + target + "抜き" + tie;
    return found.trickRoom ? nature + " 0" + own + "でも " + target + "より速く、トリックルームで先に動けません" + tie
                           : nature + "を残りの " + std::to_string(found.ev) + " まで振っても" + own + "、" + target +
                                 "を抜けません" + tie;
}

std::string speedTuningAdviceText(const SpeedTuningSearch& search, const SpeedTuning& found) {
    if (!search.ready || found.status != SpeedTuningStatus::NotFound)
        return {};
    const BoxEntry& entry = search.query.entry;
    std::string text = fixedEvsText(entry, found.budget, found.freed, kSpeed, kSpeed) + "\n";
    const auto finds = [&](auto change) {
        SpeedTuningSearch changed = search;
        change(changed.query);
        return runSpeedTuning(changed).status == SpeedTuningStatus::Found;
    };
    std::vector<std::string> helps;
    const int best = bestSpeedNature(entry, found.trickRoom);
    if (search.query.nature == SpreadNature::Keep && best != entry.nature &&
        finds([](SpeedTuningQuery& q) { q.nature = SpreadNature::Best; }))
        helps.push_back("最適な性格（" + natureText(best) + "）");
    const bool othersFixed = std::ranges::any_of(std::array{kHp, kAttack, kDefence, kSpAttack, kSpDefence},
                                                 [&](int stat) { return !found.freed[stat] && entry.ev[stat] > 0; });
    if (othersFixed && finds([](SpeedTuningQuery& q) { q.freed.fill(true); }))
        helps.push_back("ほかの努力値も振り直す");
    if (!found.trickRoom && search.query.own.heldItem != ItemId::ChoiceScarf &&
        finds([](SpeedTuningQuery& q) { q.own.heldItem = ItemId::ChoiceScarf; }))
        helps.push_back("こだわりスカーフを持たせる");
    if (helps.empty())
        return text + (found.trickRoom ? "努力値・性格では遅くなりきれません" : "努力値・性格では届きません");
    text += "こうすると見つかります：";
    for (std::size_t i = 0; i < helps.size(); ++i)
        text += (i == 0 ? "" : "、") + helps[i];
    return text;
}

std::optional<BoxEntry> entryWithSpeedTuning(const BoxEntry& entry, const SpeedTuning& found) {
    if (found.status != SpeedTuningStatus::Found)
        return std::nullopt;
    std::array<int, 6> evs = evsOf(entry);
    freeEvs(evs, found.freed);
    evs[kSpeed] = found.ev;
    return entryWithSpread(entry, found.nature, evs);
}

std::string offenceSummaryText(const OffenceSpread& found, int hits, int percent) {
    if (found.status != SpreadStatus::Found && found.status != SpreadStatus::NotFound)
        return blockedText(found.status);
    const std::string stat = statName(found.stat);
    const std::string nature = "性格 " + natureText(found.nature) + "・";
    const std::string chance =
        hitChancesCounted(found.hitChances) + std::to_string(hits) + "発で倒す確率は " + chanceShown(found.chance);
    if (found.status == SpreadStatus::NotFound)
        return nature + stat + "努力値を残りの " + std::to_string(std::min(kMaxUsefulEv, found.budget)) +
               " まで振っても、" + chance + "（" + stat + " " + std::to_string(found.value) + "）で、" +
               (percent >= kCertain ? std::string("確定") : std::to_string(percent) + "％") + "に届きません";
    return nature + stat + "努力値 " + std::to_string(found.ev) + "（" + stat + " " + std::to_string(found.value) +
           "）で、" + chance;
}

} // namespace rusrina
