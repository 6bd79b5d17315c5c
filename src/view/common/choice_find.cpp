#include "view/common/choice_find.h"

#include "data/abilities.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"
#include "text/name_fold.h"
#include "text/ui_text.h"

namespace rusrina {
namespace {

// The value's name in the language the entry's own text is not in: the English name beside a
// Japanese text, the Japanese one beside an English text.
const char* otherName(ChoiceNames names, int value) {
    const bool english = text::textLanguage() == text::TextLanguage::English;
    switch (names) {
    case ChoiceNames::Species:
        return english ? speciesJapaneseName(value) : speciesEnglishName(value);
    case ChoiceNames::Moves:
        return english ? moveJapaneseName(value) : moveEnglishName(value);
    case ChoiceNames::Abilities:
        return english ? abilityJapaneseName(value) : abilityEnglishName(value);
    case ChoiceNames::HeldItems:
        if (value >= kHeldItemChoiceBase) {
            const HeldItem& item = heldItem(value - kHeldItemChoiceBase);
            return english ? item.japanese : item.english;
        }
        return english ? damageItemJapaneseName(value) : itemEnglishName(value);
    case ChoiceNames::None:
        break;
    }
    return "";
}

} // namespace

std::string choiceFindKey(const ListChoice& choice, ChoiceNames names) {
    std::string key = text::foldForFind(choice.text);
    if (const char* other = otherName(names, choice.value); *other != '\0') {
        // A separator no typed text holds, so that nothing matches across the two names.
        key.push_back('\n');
        key += text::foldForFind(other);
    }
    return key;
}

std::string foldTyped(std::string_view typed) {
    return text::foldForFind(typed);
}

} // namespace rusrina
