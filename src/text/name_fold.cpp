#include "text/name_fold.h"

#include "text/cp932.h"
#include "text/ui_text.h"

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

// Half-width katakana and punctuation U+FF61..U+FF9D as their full-width forms.
constexpr char32_t kHalfWidthFirst = 0xFF61;
constexpr char32_t kHalfWidthLast = 0xFF9D;
constexpr char16_t kFullWidthOf[kHalfWidthLast - kHalfWidthFirst + 1] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
    0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
    0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
    0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,
};
constexpr char32_t kHalfWidthVoiced = 0xFF9E;
constexpr char32_t kHalfWidthSemiVoiced = 0xFF9F;

bool isHaRow(char32_t kana) {
    return kana >= U'ハ' && kana <= U'ホ' && (kana - U'ハ') % 3 == 0;
}

// The katakana `kana` with a voiced (or semi-voiced) mark, or 0 when it takes none.
char32_t withMark(char32_t kana, bool semiVoiced) {
    if (isHaRow(kana))
        return kana + (semiVoiced ? 2 : 1);
    if (semiVoiced)
        return 0;
    if ((kana >= U'カ' && kana <= U'チ' && (kana - U'カ') % 2 == 0) || kana == U'ツ' || kana == U'テ' || kana == U'ト')
        return kana + 1;
    if (kana == U'ウ')
        return U'ヴ';
    return 0;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Katakana, full- and half-width, as hiragana; other text unchanged.
std::string kanaAsHiragana(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t pending = 0; // a katakana not yet written, which a half-width mark may still join
    const auto flush = [&] {
        if (pending != 0)
            appendUtf8(out, pending >= U'ァ' && pending <= U'ヶ' ? pending - (U'ァ' - U'ぁ') : pending);
        pending = 0;
    };
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = 0;
        char32_t c = decodeAt(utf8, pos, length);
        if ((c == kHalfWidthVoiced || c == kHalfWidthSemiVoiced) && pending != 0) {
            if (const char32_t marked = withMark(pending, c == kHalfWidthSemiVoiced)) {
                pending = marked;
                pos += length;
                continue;
            }
        }
        flush();
        if (c >= kHalfWidthFirst && c <= kHalfWidthLast)
            c = kFullWidthOf[c - kHalfWidthFirst];
        if (c >= U'ァ' && c <= U'ヶ')
            pending = c;
        else if (c == 0xFFFFFFFF)
            out.append(utf8.substr(pos, length));
        else
            appendUtf8(out, c);
        pos += length;
    }
    flush();
    return out;
}

} // namespace

std::string foldForFind(std::string_view utf8) {
    return foldName(kanaAsHiragana(utf8));
}

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

std::string nameSortKey(std::string_view utf8) {
    if (textLanguage() != TextLanguage::English)
        return toCp932(utf8);
    std::string key(utf8);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

} // namespace rusrina::text
