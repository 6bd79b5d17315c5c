#include "view/box/learnable_moves.h"

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "text/name_fold.h"

#include <algorithm>

namespace rusrina {
namespace {

bool passes(int move, int categoryFilter) {
    return categoryFilter == kNoLearnFilter || moveRecord(move).category == categoryFilter;
}

} // namespace

std::vector<ListChoice> learnableMoveChoices(int species, int categoryFilter) {
    std::vector<ListChoice> choices;
    choices.push_back({kNoMoveChoiceText, NO_MOVE});
    if (species >= 0 && species < kSpeciesCount)
        for (int move = 0; move < kMoveCount; ++move)
            if (passes(move, categoryFilter) && canLearnMove(species, move))
                choices.push_back({moveRecord(move).name, move});
    choices.push_back({kTutorSeparatorText, NO_MOVE});
    for (int move : opTutorMoves())
        if (passes(move, categoryFilter))
            choices.push_back({std::string(kTutorPrefix) + moveRecord(move).name, move});
    // Sorting by the names' sort keys (the Shift-JIS bytes in Japanese) is the chooser's own order; the
    // keys are made once.
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(choices.size());
    for (size_t i = 0; i < choices.size(); ++i)
        keys.emplace_back(text::nameSortKey(choices[i].text), i);
    // std::string compares its chars as unsigned, which is byte order.
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListChoice> sorted;
    sorted.reserve(choices.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(choices[key.second]));
    return sorted;
}

} // namespace rusrina
