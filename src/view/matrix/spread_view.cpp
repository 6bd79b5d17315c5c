#include "view/matrix/spread_view.h"

#include "calc/hp_marks.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "format/entry_form.h"
#include "text/ui_text.h"
#include "view/common/exact_texts.h"
#include "view/common/list_choice.h"
#include "view/matrix/matrix_view.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rusrina {
namespace {

using text::fillText;
using text::uiText;

constexpr int kLeastPercentChoice = 10;
constexpr int kPercentChoiceStep = 10;

std::string statName(int stat) {
    static const char* const kNames[kStatCount] = {"HP",
                                                   UI_TEXT_NOOP("SpreadText", "攻撃"),
                                                   UI_TEXT_NOOP("SpreadText", "防御"),
                                                   UI_TEXT_NOOP("SpreadText", "特攻"),
                                                   UI_TEXT_NOOP("SpreadText", "特防"),
                                                   UI_TEXT_NOOP("SpreadText", "素早")};
    return stat >= 0 && stat < kStatCount ? uiText("SpreadText", kNames[stat]) : "";
}

// The finders' sentences join their parts with "、" and list EVs with "・".
std::string joinedWith(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : separator) + parts[i];
    return text;
}

std::string certaintyText(int percent) {
    return percent >= kCertain ? uiText("SpreadText", "確定で")
                               : fillText(uiText("SpreadText", "%1％以上の確率で"), {std::to_string(percent)});
}

// What the chances count beside the hits, around the words about the hits.
std::string hitChancesCounted(bool hitChances, const std::string& text) {
    return hitChances ? fillText(uiText("SpreadText", "命中・急所込みで %1"), {text}) : text;
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
    static const char* const kNames[kStatCount] = {"HP",
                                                   UI_TEXT_NOOP("SpreadText", "攻撃"),
                                                   UI_TEXT_NOOP("SpreadText", "防御"),
                                                   UI_TEXT_NOOP("SpreadText", "特攻"),
                                                   UI_TEXT_NOOP("SpreadText", "特防"),
                                                   UI_TEXT_NOOP("SpreadText", "素早さ")};
    std::vector<std::string> fixed;
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (stat == first || stat == second || freed[stat] || entry.ev[stat] == 0)
            continue;
        fixed.push_back(uiText("SpreadText", kNames[stat]) + " " + std::to_string(entry.ev[stat]));
    }
    if (fixed.empty())
        return fillText(uiText("SpreadText", "残り %1：ほかの努力値は 0"), {std::to_string(budget)});
    return fillText(uiText("SpreadText", "残り %1：%2 は固定"),
                    {std::to_string(budget), joinedWith(fixed, uiText("SpreadText", "・"))});
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
            helps.push_back(fillText(uiText("SpreadText", "確実さ %1％以上"), {std::to_string(percent)}));
            break;
        }
    }
    if (query.nature == SpreadNature::Keep && bestNatureFor(entry, stat) != entry.nature) {
        SpreadQuery best = query;
        best.nature = SpreadNature::Best;
        if (find(best))
            helps.push_back(uiText("SpreadText", "最適な性格"));
    }
    if (!query.freeOtherEvs) {
        SpreadQuery freed = query;
        freed.freeOtherEvs = true;
        if (find(freed))
            helps.push_back(uiText("SpreadText", "ほかの努力値も振り直す"));
    }
    if (query.hpMark >= 0 && query.hpMark < static_cast<int>(kHpMarks.size())) {
        SpreadQuery anyHp = query;
        anyHp.hpMark = -1;
        if (find(anyHp))
            helps.push_back(fillText(uiText("SpreadText", "HP調整 %1 を外す"), {kHpMarks[query.hpMark].name}));
    }
    if (helps.empty())
        return uiText("SpreadText", "確実さ・性格・ほかの努力値を変えても見つかりません");
    return fillText(uiText("SpreadText", "こうすると見つかります：%1"),
                    {joinedWith(helps, uiText("SpreadText", "、"))});
}

// The reasons a search finds nothing to list, shared by both finders.
std::string blockedText(SpreadStatus status) {
    switch (status) {
    case SpreadStatus::TypedStats:
        return uiText("SpreadText", "能力値を直接入力した個体には努力値がありません");
    case SpreadStatus::Immune:
        return uiText("SpreadText", "この技ではダメージを与えられません");
    case SpreadStatus::NoDamage:
        return uiText("SpreadText", "この技のダメージは計算できません");
    default:
        return kNotAvailable;
    }
}

// "最速ガブリアス", "Lv.100 準速ガブリアス", "防御側のガブリアス".
std::string speedTargetName(const SpeedTuningSearch& search) {
    static const char* const kBenchmarks[] = {
        "", UI_TEXT_NOOP("SpreadText", "最速%1"), UI_TEXT_NOOP("SpreadText", "準速%1"),
        UI_TEXT_NOOP("SpreadText", "無振り%1"), UI_TEXT_NOOP("SpreadText", "最遅%1")};
    const BoxEntry& other = search.other;
    const std::string species =
        other.species >= 0 && other.species < kSpeciesCount ? speciesName(other.species) : kNotAvailable;
    if (search.target == SpeedTarget::Current)
        return fillText(search.otherIsDefender ? uiText("SpreadText", "防御側の%1")
                                               : uiText("SpreadText", "攻撃側の%1"),
                        {species});
    const std::string level = other.level == 50 ? "" : "Lv." + std::to_string(other.level) + " ";
    return level + fillText(uiText("SpreadText", kBenchmarks[static_cast<int>(search.target)]), {species});
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

std::string natureText(int nature) {
    if (nature < 0 || nature >= kNatureCount)
        return kNotAvailable;
    std::string text = natureChoiceText(nature);
    static const std::string kPad = "　";
    while (text.size() >= kPad.size() && text.compare(text.size() - kPad.size(), kPad.size(), kPad) == 0)
        text.erase(text.size() - kPad.size());
    return text;
}

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
    static const char* const kCaptions[kDamageRowCount] = {
        UI_TEXT_NOOP("SpreadText", "わざ１"), UI_TEXT_NOOP("SpreadText", "わざ２"),
        UI_TEXT_NOOP("SpreadText", "わざ３"), UI_TEXT_NOOP("SpreadText", "わざ４"),
        UI_TEXT_NOOP("SpreadText", "習得技"), UI_TEXT_NOOP("SpreadText", "直接数値")};
    std::vector<ListChoice> choices;
    for (int row = 0; row < kDamageRowCount; ++row) {
        const DamageSlot slot = inputs.slot(row);
        std::string name = kNotAvailable;
        if (row == kDirectRow)
            name = fillText(uiText("SpreadText", "威力 %1 %2 %3"),
                            {std::to_string(slot.direct.power), moveCategoryName(slot.direct.category),
                             typeName(slot.direct.type)});
        else if (isValidMove(slot.move))
            name = moveRecord(slot.move).name;
        choices.push_back(
            {fillText(uiText("SpreadText", "%1：%2"), {uiText("SpreadText", kCaptions[row]), name}), row});
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
        choices.push_back(
            {hits == 1 ? uiText("SpreadText", "1発") : fillText(uiText("SpreadText", "%1発"), {std::to_string(hits)}),
             hits});
    return choices;
}

std::vector<ListChoice> spreadCertaintyChoices() {
    std::vector<ListChoice> choices{{uiText("SpreadText", "確定"), kCertain}};
    for (int percent = kCertain - kPercentChoiceStep; percent >= kLeastPercentChoice; percent -= kPercentChoiceStep)
        choices.push_back({fillText(uiText("SpreadText", "%1％以上"), {std::to_string(percent)}), percent});
    return choices;
}

std::vector<ListChoice> spreadNatureChoices() {
    return {{uiText("SpreadText", "今の性格"), static_cast<int>(SpreadNature::Keep)},
            {uiText("SpreadText", "最適な性格"), static_cast<int>(SpreadNature::Best)}};
}

std::array<std::string, kSplitColumnCount> splitHeadings(int stat) {
    return {uiText("SpreadText", "HP努力値"),
            fillText(uiText("SpreadText", "%1努力値"), {statName(stat)}),
            uiText("SpreadText", "合計"),
            "HP",
            statName(stat),
            uiText("SpreadText", "耐える確率")};
}

std::array<std::string, kSplitColumnCount> splitTexts(const DefenceSplit& split) {
    return {std::to_string(split.hpEv), std::to_string(split.defenceEv), std::to_string(split.total()),
            std::to_string(split.hp),   std::to_string(split.defence),   chanceShown(1.0 - split.koChance)};
}

std::string defenceSummaryText(const DefenceSpreads& found, int hits, int percent) {
    if (found.status != SpreadStatus::Found && found.status != SpreadStatus::NotFound)
        return blockedText(found.status);
    const std::string spreads =
        found.status == SpreadStatus::NotFound
            ? fillText(uiText("SpreadText", "%1発を%2耐える配分はありません"),
                       {std::to_string(hits), certaintyText(percent)})
            : fillText(uiText("SpreadText", "%1発を%2耐える配分 %3 通り（少ない順）"),
                       {std::to_string(hits), certaintyText(percent), std::to_string(found.splits.size())});
    return fillText(uiText("SpreadText", "性格 %1・HPと%2の努力値の残り %3：%4"),
                    {natureText(found.nature), statName(found.stat), std::to_string(found.budget),
                     hitChancesCounted(found.hitChances, spreads)});
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
    return {{uiText("SpreadText", "相手の今の素早さ"), static_cast<int>(SpeedTarget::Current)},
            {uiText("SpreadText", "最速"), static_cast<int>(SpeedTarget::Fastest)},
            {uiText("SpreadText", "準速"), static_cast<int>(SpeedTarget::Neutral)},
            {uiText("SpreadText", "無振り"), static_cast<int>(SpeedTarget::Uninvested)},
            {uiText("SpreadText", "最遅"), static_cast<int>(SpeedTarget::Slowest)}};
}

std::vector<ListChoice> speedSideChoices() {
    return {{uiText("SpreadText", "攻撃側を調整"), 0}, {uiText("SpreadText", "防御側を調整"), 1}};
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
        return uiText("SpreadText", kChooseSidesText);
    if (found.status == SpeedTuningStatus::TypedStats)
        return blockedText(SpreadStatus::TypedStats);
    const std::string target = fillText(uiText("SpreadText", "%1（%2）"),
                                        {speedTargetName(search), speedShown(otherStat(search), found.otherSpeed)});
    if (found.status == SpeedTuningStatus::OrderWithoutSpeed)
        return fillText(found.order == TurnOrder::First
                            ? uiText("SpreadText", "あとだし・こうこうのしっぽ・まんぷくのおこうで順番が決まるので、"
                                                   "素早さでは変わりません（%1に先手）")
                            : uiText("SpreadText", "あとだし・こうこうのしっぽ・まんぷくのおこうで順番が決まるので、"
                                                   "素早さでは変わりません（%1に後手）"),
                        {target});
    const std::string nature = natureText(found.nature);
    const std::string ev = std::to_string(found.ev);
    const std::string own = speedShown(found.stat, found.speed);
    const std::string tie = found.tieEv >= 0 && found.tieEv != found.ev
                                ? fillText(uiText("SpreadText", "。努力値 %1 では同速"), {std::to_string(found.tieEv)})
                                : std::string();
    if (found.status == SpeedTuningStatus::Found)
        return fillText(found.trickRoom ? uiText("SpreadText", "性格 %1・素早さ努力値 %2 まで（素早さ %3）なら "
                                                               "%4より遅く、トリックルームで先手")
                                        : uiText("SpreadText", "性格 %1・素早さ努力値 %2（素早さ %3）で %4抜き"),
                        {nature, ev, own, target}) +
               tie;
    return fillText(found.trickRoom
                        ? uiText("SpreadText", "性格 %1・素早さ努力値 0（素早さ %3）でも "
                                               "%4より速く、トリックルームで先に動けません")
                        : uiText("SpreadText", "性格 %1・素早さ努力値を残りの %2 まで振っても（素早さ %3）、"
                                               "%4を抜けません"),
                    {nature, ev, own, target}) +
           tie;
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
        helps.push_back(fillText(uiText("SpreadText", "最適な性格（%1）"), {natureText(best)}));
    const bool othersFixed = std::ranges::any_of(std::array{kHp, kAttack, kDefence, kSpAttack, kSpDefence},
                                                 [&](int stat) { return !found.freed[stat] && entry.ev[stat] > 0; });
    if (othersFixed && finds([](SpeedTuningQuery& q) { q.freed.fill(true); }))
        helps.push_back(uiText("SpreadText", "ほかの努力値も振り直す"));
    if (!found.trickRoom && search.query.own.heldItem != ItemId::ChoiceScarf &&
        finds([](SpeedTuningQuery& q) { q.own.heldItem = ItemId::ChoiceScarf; }))
        helps.push_back(uiText("SpreadText", "こだわりスカーフを持たせる"));
    if (helps.empty())
        return text + (found.trickRoom ? uiText("SpreadText", "努力値・性格では遅くなりきれません")
                                       : uiText("SpreadText", "努力値・性格では届きません"));
    return text + fillText(uiText("SpreadText", "こうすると見つかります：%1"),
                           {joinedWith(helps, uiText("SpreadText", "、"))});
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
    const std::string nature = natureText(found.nature);
    const std::string chance =
        hitChancesCounted(found.hitChances, fillText(uiText("SpreadText", "%1発で倒す確率は %2"),
                                                     {std::to_string(hits), chanceShown(found.chance)}));
    const std::string value = std::to_string(found.value);
    if (found.status == SpreadStatus::NotFound)
        return fillText(
            uiText("SpreadText", "性格 %1・%2努力値を残りの %3 まで振っても、%4（%2 %5）で、%6に届きません"),
            {nature, stat, std::to_string(std::min(kMaxUsefulEv, found.budget)), chance, value,
             percent >= kCertain ? uiText("SpreadText", "確定")
                                 : fillText(uiText("SpreadText", "%1％"), {std::to_string(percent)})});
    return fillText(uiText("SpreadText", "性格 %1・%2努力値 %3（%2 %4）で、%5"),
                    {nature, stat, std::to_string(found.ev), value, chance});
}

} // namespace rusrina
