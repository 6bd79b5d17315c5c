#pragma once
// Text from outside (a team text, a file name) echoed to a terminal. A terminal takes control
// characters as commands: an escape sequence in a team text could clear the screen, move the
// cursor over earlier lines or retitle the window. Echoed, each shows as an escape instead.

#include <string>
#include <string_view>

namespace rusrina::text {

// The text with every control character (U+0000–U+001F, U+007F and the C1 controls
// U+0080–U+009F) and every byte that is not part of a UTF-8 character written as "\xNN" (the C1
// controls as "\u0080"…"\u009F"); everything else as it is.
std::string escapeForTerminal(std::string_view utf8);

} // namespace rusrina::text
