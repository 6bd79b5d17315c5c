// What the command line echoes of outside text: control characters as escapes, the rest as it is.

#include "text/terminal_text.h"

#include <gtest/gtest.h>

using rusrina::text::escapeForTerminal;

TEST(TerminalText, ControlCharactersAndStrayBytesShowAsEscapes) {
    const struct {
        const char* what;
        std::string in;
        std::string out;
    } cases[] = {
        {"plain text", "Garchomp @ こだわりハチマキ", "Garchomp @ こだわりハチマキ"},
        {"a screen-clearing sequence", "\x1b[2J\x1b[H", "\\x1B[2J\\x1B[H"},
        {"a window-title sequence", "\x1b]0;owned\x07x", "\\x1B]0;owned\\x07x"},
        {"a carriage return over the line", "ok\rfake", "ok\\x0Dfake"},
        {"a tab, a line break, a NUL and DEL", std::string("a\tb\nc\0d\x7f", 8), "a\\x09b\\x0Ac\\x00d\\x7F"},
        {"the C1 control sequence introducer",
         "\xc2\x9b"
         "2J",
         "\\u009B2J"},
        {"the first character after the C1 controls", "\xc2\xa0", "\xc2\xa0"},
        {"a lone 8-bit byte",
         "\x9b"
         "2J",
         "\\x9B2J"},
        {"a character cut short", "\xe3\x82", "\\xE3\\x82"},
        {"an overlong ESC", "\xc0\x9b", "\\xC0\\x9B"},
        {"beyond Unicode", "\xf8\x88\x80\x80\x80", "\\xF8\\x88\\x80\\x80\\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeForTerminal(c.in), c.out) << c.what;
}
