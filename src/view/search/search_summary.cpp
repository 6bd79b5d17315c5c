#include "view/search/search_summary.h"

#include "data/moves.h"
#include "text/ui_text.h"

#include <algorithm>
#include <array>

namespace rusrina {
namespace {

// Each part of the criteria as the window labels it, in the window's order.
struct PartLabel {
    int part;
    const char* label;
};
constexpr std::array<PartLabel, kSearchPartCount> kPartsInWindowOrder{{
    {kStatPart + 0, "HP"},
    {kStatPart + 1, UI_TEXT_NOOP("SearchText", "こうげき")},
    {kStatPart + 2, UI_TEXT_NOOP("SearchText", "ぼうぎょ")},
    {kStatPart + 3, UI_TEXT_NOOP("SearchText", "すばやさ")},
    {kStatPart + 4, UI_TEXT_NOOP("SearchText", "とくこう")},
    {kStatPart + 5, UI_TEXT_NOOP("SearchText", "とくぼう")},
    {kTypePart, UI_TEXT_NOOP("SearchText", "タイプ")},
    {kAbilityPart, UI_TEXT_NOOP("SearchText", "とくせい")},
    {kEggGroupPart, UI_TEXT_NOOP("SearchText", "たまごグループ")},
    {kMovePart, UI_TEXT_NOOP("SearchText", "わざ")},
    {kRulePart, UI_TEXT_NOOP("SearchText", "成長段階")},
}};

bool anyMoveChosen(const SearchCriteria& c) {
    return std::ranges::any_of(c.slots, [](int move) { return move != NO_MOVE; });
}

// The criteria with every part open but the moves, and of the moves only slot `slot`.
SearchCriteria onlyMoveSlot(const SearchCriteria& c, int slot) {
    SearchCriteria only = c;
    only.maxStat = SearchCriteria{}.maxStat;
    only.minStat = {};
    only.typeA = only.typeB = kAnyType;
    only.ability = kAnyAbility;
    only.eggGroup = kAnyEggGroup;
    only.rule = kAnyRule;
    only.slots = {NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
    only.slots[static_cast<size_t>(slot)] = c.slots[static_cast<size_t>(slot)];
    return only;
}

// The moves leave nothing by themselves: one move no species learns by the methods and in the
// editions ticked, or moves that no species learns all together.
std::string movesReason(const SearchCriteria& c) {
    for (int slot = 0; slot < 4; ++slot) {
        const int move = c.slots[static_cast<size_t>(slot)];
        if (move != NO_MOVE && runSearch(onlyMoveSlot(c, slot)).empty())
            return text::fillText(text::uiText("SearchText", "「%1」を選んだ習得方法・作品で覚えるものがありません"),
                                  {moveRecord(move).name});
    }
    return text::uiText("SearchText", "選んだわざをすべて覚えるものがありません");
}

} // namespace

std::string resultCountText(std::size_t count) {
    return text::fillText(text::uiText("SearchText", "%1 件"), {std::to_string(count)});
}

std::string emptyResultReason(const SearchCriteria& criteria) {
    const bool anyMethod = criteria.byLevel || criteria.byEgg || criteria.byMachine || criteria.byTutor;
    const bool anyEdition = criteria.inQX || criteria.inZV || criteria.inJYJY || criteria.inTK;
    if (anyMoveChosen(criteria) && (!anyMethod || !anyEdition))
        return text::uiText("SearchText", "習得方法と作品を1つ以上選んでください");
    const std::vector<unsigned> misses = searchMisses(criteria);
    if (std::ranges::find(misses, 0u) != misses.end())
        return {};
    unsigned missedByAll = ~0u;
    for (unsigned missed : misses)
        missedByAll &= missed;
    for (const PartLabel& part : kPartsInWindowOrder) {
        if ((missedByAll & partBit(part.part)) == 0)
            continue;
        if (part.part == kMovePart)
            return movesReason(criteria);
        return text::fillText(text::uiText("SearchText", "「%1」の条件だけで該当がなくなります"),
                              {text::uiText("SearchText", part.label)});
    }
    // Every part lets some species through: the species a part alone keeps out would be listed
    // without that part.
    for (const PartLabel& part : kPartsInWindowOrder) {
        const auto listed = std::ranges::count(misses, partBit(part.part));
        if (listed > 0)
            return text::fillText(
                text::uiText("SearchText", "条件の組み合わせで該当がなくなります（「%1」を外すと %2）"),
                {text::uiText("SearchText", part.label), resultCountText(static_cast<std::size_t>(listed))});
    }
    return text::uiText("SearchText", "条件の組み合わせで該当がなくなります");
}

} // namespace rusrina
