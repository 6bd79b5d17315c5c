#include "view/search/search_summary.h"

#include "data/moves.h"

#include <algorithm>
#include <array>

namespace rusrina {
namespace {

constexpr const char* kNeedMethodAndEdition = "習得方法と作品を1つ以上選んでください";

// Each part of the criteria as the window labels it, in the window's order.
struct PartLabel {
    int part;
    const char* label;
};
constexpr std::array<PartLabel, kSearchPartCount> kPartsInWindowOrder{{
    {kStatPart + 0, "HP"},
    {kStatPart + 1, "こうげき"},
    {kStatPart + 2, "ぼうぎょ"},
    {kStatPart + 3, "すばやさ"},
    {kStatPart + 4, "とくこう"},
    {kStatPart + 5, "とくぼう"},
    {kTypePart, "タイプ"},
    {kAbilityPart, "とくせい"},
    {kEggGroupPart, "たまごグループ"},
    {kMovePart, "わざ"},
    {kRulePart, "成長段階"},
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
            return std::string("「") + moveRecord(move).name + "」を選んだ習得方法・作品で覚えるものがありません";
    }
    return "選んだわざをすべて覚えるものがありません";
}

} // namespace

std::string resultCountText(std::size_t count) {
    return std::to_string(count) + " 件";
}

std::string emptyResultReason(const SearchCriteria& criteria) {
    const bool anyMethod = criteria.byLevel || criteria.byEgg || criteria.byMachine || criteria.byTutor;
    const bool anyEdition = criteria.inQX || criteria.inZV || criteria.inJYJY || criteria.inTK;
    if (anyMoveChosen(criteria) && (!anyMethod || !anyEdition))
        return kNeedMethodAndEdition;
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
        return std::string("「") + part.label + "」の条件だけで該当がなくなります";
    }
    // Every part lets some species through: the species a part alone keeps out would be listed
    // without that part.
    for (const PartLabel& part : kPartsInWindowOrder) {
        const auto listed = std::ranges::count(misses, partBit(part.part));
        if (listed > 0)
            return std::string("条件の組み合わせで該当がなくなります（「") + part.label + "」を外すと " +
                   resultCountText(static_cast<std::size_t>(listed)) + "）";
    }
    return "条件の組み合わせで該当がなくなります";
}

} // namespace rusrina
