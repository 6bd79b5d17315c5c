#include "view/common/list_choice.h"

#include "data/names.h"
#include "data/natures.h"
#include "data/types.h"
#include "text/cp932.h"
#include "text/ui_text.h"

namespace rusrina {

std::vector<ListChoice> typeChoices(int offset) {
    std::vector<ListChoice> choices;
    for (int type = 0; type < kTypeCount; ++type) {
        if (type != kPlaceholderType)
            choices.push_back({typeName(type), type + offset});
    }
    return choices;
}

std::string natureChoiceText(int nature) {
    // The Japanese labels pad every name to five full-width characters before the bracketed note;
    // the English ones have no padding, so the name is taken whole.
    if (text::textLanguage() == text::TextLanguage::English)
        return natureName(nature);
    return text::cutToWidth(natureRecord(nature).label, 10);
}

} // namespace rusrina
