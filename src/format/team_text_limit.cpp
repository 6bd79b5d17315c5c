#include "format/team_text_limit.h"

namespace rusrina {
namespace {

// "54,525,952".
std::string withThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

} // namespace

std::string teamTextTooLargeText(std::uint64_t bytes) {
    std::string text =
        "テキストが 1 MiB（" + withThousands(kMaxTeamTextBytes) + " バイト）を超えるため読み込みませんでした";
    if (bytes > 0)
        text += "（" + withThousands(bytes) + " バイト）";
    return text;
}

} // namespace rusrina
