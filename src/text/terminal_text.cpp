#include "text/terminal_text.h"

#include "text/cp932.h"

#include <cstdio>

namespace rusrina::text {
namespace {

std::string hexEscape(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        out += escaped;
    }
    return out;
}

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// Lead bytes that never begin a well-formed character: C0 and C1 would spell an ASCII character
// the long way round, F5 and up a code point beyond Unicode.
bool isBadLead(unsigned char c) {
    return c == 0xC0 || c == 0xC1 || c >= 0xF5;
}

} // namespace

std::string escapeForTerminal(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const std::string_view ch : utf8Characters(utf8)) {
        const auto lead = static_cast<unsigned char>(ch[0]);
        if (ch.size() == 1 && (isControl(lead) || lead >= 0x80)) {
            out += hexEscape(ch); // a control character, or a byte that belongs to no character
        } else if (isBadLead(lead)) {
            out += hexEscape(ch);
        } else if (ch.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(ch[1]) < 0xA0) {
            char escaped[7];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned char>(ch[1]));
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace rusrina::text
