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
    // Sorting by the names' sort keys (the Shift-JIS bytes in Japanese) is the chooser's own order;
    // the keys are made once. The first row and the separator sort by their Japanese texts in any
    // language, so that they stay first and before the tutor moves.
    std::vector<std::pair<std::string, size_t>> keys;
    const auto add = [&](std::string text, std::string_view sortText, int move) {
        keys.emplace_back(text::nameSortKey(sortText), choices.size());
        choices.push_back({std::move(text), move});
    };
    add(text::uiText("LearnableMoves", kNoMoveChoiceText), kNoMoveChoiceText, NO_MOVE);
    if (species >= 0 && species < kSpeciesCount)
        for (int move = 0; move < kMoveCount; ++move)
            if (passes(move, categoryFilter) && canLearnMove(species, move))
                add(moveRecord(move).name, moveRecord(move).name, move);
    add(text::uiText("ListChoice", kTutorSeparatorText), kTutorSeparatorText, NO_MOVE);
    for (int move : opTutorMoves())
        if (passes(move, categoryFilter)) {
            const std::string text = std::string(kTutorPrefix) + moveRecord(move).name;
            add(text, text, move);
        }
    // std::string compares its chars as unsigned, which is byte order.
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListChoice> sorted;
    sorted.reserve(choices.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(choices[key.second]));
    return sorted;
}

} // namespace rusrina
