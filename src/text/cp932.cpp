#include "text/cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace rusrina::text {
namespace {

// One conversion descriptor per direction, opened on first use and kept for the run.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`; on a sequence that cannot be converted, writes `replacement` and skips
    // `skipBytes(in)` bytes of input.
    template <class Skip> std::string convert(std::string_view in, std::string_view replacement, Skip skipBytes) {
        std::string out;
        if (!ok()) {
            out.assign(in);
            return out;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.reserve(in.size() * 2 + 4);
        char buffer[256];
        size_t pos = 0;
        while (pos < in.size()) {
            char* src = const_cast<char*>(in.data() + pos);
            size_t srcLeft = in.size() - pos;
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            int err = errno;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            pos = in.size() - srcLeft;
            if (rc != static_cast<size_t>(-1))
                break;
            if (err == E2BIG)
                continue;
            // EILSEQ or EINVAL: a bad or truncated sequence at `pos`.
            out.append(replacement);
            pos += skipBytes(in.substr(pos));
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        // Flush any shift state (none for these encodings, but harmless).
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return out;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts `s` (1 for a stray byte).
size_t utf8SequenceLength(std::string_view s) {
    auto c = static_cast<unsigned char>(s[0]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (n > s.size())
        return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

Converter& toCp932Converter() {
    static thread_local Converter c("CP932", "UTF-8");
    return c;
}

Converter& fromCp932Converter() {
    static thread_local Converter c("UTF-8", "CP932");
    return c;
}

} // namespace

std::string toCp932(std::string_view utf8) {
    return toCp932Converter().convert(utf8, "?", utf8SequenceLength);
}

std::string fromCp932(std::string_view cp932) {
    return fromCp932Converter().convert(cp932, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

bool isValidCp932(std::string_view cp932) {
    return fromCp932(cp932).find("\xEF\xBF\xBD") == std::string::npos;
}

int cp932Width(std::string_view utf8) {
    return static_cast<int>(toCp932(utf8).size());
}

std::vector<std::string_view> utf8Characters(std::string_view utf8) {
    std::vector<std::string_view> characters;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t n = utf8SequenceLength(utf8.substr(pos));
        characters.push_back(utf8.substr(pos, n));
        pos += n;
    }
    return characters;
}

std::string padRight(std::string_view utf8, int width) {
    std::string out(utf8);
    int w = cp932Width(utf8);
    if (w < width)
        out.append(static_cast<size_t>(width - w), ' ');
    return out;
}

std::string cutToWidth(std::string_view utf8, int width) {
    size_t pos = 0;
    int used = 0;
    while (pos < utf8.size()) {
        size_t n = utf8SequenceLength(utf8.substr(pos));
        int w = cp932Width(utf8.substr(pos, n));
        if (used + w > width)
            break;
        used += w;
        pos += n;
    }
    return std::string(utf8.substr(0, pos));
}

} // namespace rusrina::text
