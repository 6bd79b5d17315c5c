#include "text/name_fold.h"

namespace rusrina::text {
namespace {

constexpr char32_t kFullWidthFirst = 0xFF01; // '！', the full-width form of '!'
constexpr char32_t kFullWidthLast = 0xFF5E;  // '～'
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;

// Decodes the code point at `pos` and advances past it; a malformed byte decodes as itself
// (marked by `valid` = false) so that it is copied through.
char32_t decodeAt(std::string_view s, std::size_t& pos, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || pos + length > s.size()) {
        length = 1;
        return 0xFFFFFFFF;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFFFFFF;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    return c;
}

bool isDropped(char32_t c) {
    switch (c) {
    case U' ':
    case U'\t':
    case U'-':
    case U'\'':
    case U'.':
    case U':':
    case U'_':
    case U'\u3000': // ideographic space
    case U'\u2010': // hyphen
    case U'\u2018': // left single quotation mark
    case U'\u2019': // right single quotation mark, as in "Farfetch’d"
        return true;
    default:
        return false;
    }
}

} // namespace

std::string foldName(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = 0;
        char32_t c = decodeAt(utf8, pos, length);
        if (c >= kFullWidthFirst && c <= kFullWidthLast)
            c -= kFullWidthOffset;
        if (c == U'\u2640')
            c = U'f';
        else if (c == U'\u2642')
            c = U'm';
        if (c < 0x80) {
            if (!isDropped(c))
                out.push_back(c >= U'A' && c <= U'Z' ? static_cast<char>(c - U'A' + U'a') : static_cast<char>(c));
        } else if (!isDropped(c)) {
            out.append(utf8.substr(pos, length));
        }
        pos += length;
    }
    return out;
}

std::string foldNumberText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = 0;
        const char32_t c = decodeAt(utf8, pos, length);
        if (c >= U'０' && c <= U'９')
            out.push_back(static_cast<char>('0' + (c - U'０')));
        else if (c == U'＋')
            out.push_back('+');
        else if (c == U'－' || c == U'\u2212')
            out.push_back('-');
        else if (c == U'\u3000')
            out.push_back(' ');
        else
            out.append(utf8.substr(pos, length));
        pos += length;
    }
    return out;
}

} // namespace rusrina::text
