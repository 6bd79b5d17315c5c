#include "view/common/list_choice.h"

#include "data/types.h"

namespace rusrina {

std::vector<ListChoice> typeChoices(int offset) {
    std::vector<ListChoice> choices;
    for (int type = 0; type < kTypeCount; ++type) {
        if (type != kPlaceholderType)
            choices.push_back({typeName(type), type + offset});
    }
    return choices;
}

} // namespace rusrina
