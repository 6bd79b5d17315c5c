// Any bytes through the Shift-JIS helpers, taken both as UTF-8 and as Shift-JIS: conversions give
// well-formed results that convert back stably, widths add up at a cut and padding reaches its
// width; and, as well-formed UTF-8, through the folding that typed text is found by, which keeps it
// well formed and changes nothing when done again. The first input byte is the width.

#include "fuzz_support.h"
#include "text/cp932.h"
#include "text/name_fold.h"

#include <cstdint>

using namespace rusrina::text;
using rusrina::fuzz::check;

namespace {

bool isWellFormedUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80                 ? 1
                        : c >= 0xC2 && c <= 0xDF ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

void conversions(std::string_view bytes) {
    const std::string sjis = toCp932(bytes);
    check(isValidCp932(sjis), "toCp932 gives valid Shift-JIS");
    check(toCp932(fromCp932(sjis)) == sjis, "Shift-JIS written by toCp932 converts back to itself");

    const std::string utf8 = fromCp932(bytes);
    check(isWellFormedUtf8(utf8), "fromCp932 gives well-formed UTF-8");
    if (isValidCp932(bytes))
        check(fromCp932(toCp932(utf8)) == utf8, "valid Shift-JIS text survives a round trip");
}

// Names and typed text reach the folding as well-formed UTF-8 (malformed bytes are only kept, and
// a dropped blank may join two of them).
void folding(std::string_view bytes) {
    if (!isWellFormedUtf8(bytes))
        return;
    const std::string folded = foldForFind(bytes);
    check(isWellFormedUtf8(folded), "folding well-formed UTF-8 gives well-formed UTF-8");
    check(foldForFind(folded) == folded, "folding folded text changes nothing");
}

void widths(std::string_view text, int width) {
    const int whole = cp932Width(text);
    check(whole == static_cast<int>(toCp932(text).size()), "the width is the Shift-JIS byte count");

    const std::string cut = cutToWidth(text, width);
    const int cutWidth = cp932Width(cut);
    check(text.substr(0, cut.size()) == cut, "a cut is a prefix");
    check(cutWidth <= width, "a cut fits its width");
    check(cut.size() == text.size() || cutWidth >= width - 1, "a cut stops only when the next character would not fit");
    check(cutWidth + cp932Width(text.substr(cut.size())) == whole, "a cut never splits a character");

    const std::string right = padRight(text, width);
    const int padded = std::max(width, whole);
    check(right.substr(0, text.size()) == text && cp932Width(right) == padded, "padRight keeps the text and pads");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int width = data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    conversions(bytes);
    folding(bytes);
    widths(bytes, width);
    return 0;
}
