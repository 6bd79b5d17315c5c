#include "format/team_text_limit.h"

#include "text/ui_text.h"

namespace rusrina {
namespace {

// "54,525,952".
std::string withThousands(std::uint64_t value) {
    // Built forward rather than by inserting: GCC 12 takes the inserts for overlapping copies.
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

} // namespace

std::string teamTextTooLargeText(std::uint64_t bytes) {
    if (bytes == 0)
        return text::fillText(text::uiText("TeamText", "テキストが 1 MiB（%1 バイト）を超えるため読み込みませんでした"),
                              {withThousands(kMaxTeamTextBytes)});
    return text::fillText(
        text::uiText("TeamText", "テキストが 1 MiB（%1 バイト）を超えるため読み込みませんでした（%2 バイト）"),
        {withThousands(kMaxTeamTextBytes), withThousands(bytes)});
}

} // namespace rusrina
