#include "view/common/choice_find.h"

#include "data/held_items.h"
#include "data/names.h"
#include "text/name_fold.h"

namespace rusrina {
namespace {

const char* englishName(ChoiceNames names, int value) {
    switch (names) {
    case ChoiceNames::Species:
        return speciesEnglishName(value);
    case ChoiceNames::Moves:
        return moveEnglishName(value);
    case ChoiceNames::Abilities:
        return abilityEnglishName(value);
    case ChoiceNames::HeldItems:
        return value >= kHeldItemChoiceBase ? heldItem(value - kHeldItemChoiceBase).english : itemEnglishName(value);
    case ChoiceNames::None:
        break;
    }
    return "";
}

} // namespace

std::string choiceFindKey(const ListChoice& choice, ChoiceNames names) {
    std::string key = text::foldForFind(choice.text);
    if (const char* english = englishName(names, choice.value); *english != '\0') {
        // A separator no typed text holds, so that nothing matches across the two names.
        key.push_back('\n');
        key += text::foldForFind(english);
    }
    return key;
}

std::string foldTyped(std::string_view typed) {
    return text::foldForFind(typed);
}

} // namespace rusrina
