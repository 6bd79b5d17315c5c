#pragma once
// Shift-JIS (code page 932) where the program stores or counts bytes: the name field of a box
// entry, byte-width padding and cutting in formatted texts, and byte-order sorting of names.
// Strings are UTF-8 everywhere else.

#include <string>
#include <string_view>
#include <vector>

namespace rusrina::text {

// UTF-8 to CP932. A character CP932 cannot hold, or a malformed UTF-8 sequence, becomes '?'.
std::string toCp932(std::string_view utf8);

// CP932 to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, one per bad byte.
std::string fromCp932(std::string_view cp932);

// Whether the bytes are entirely valid CP932.
bool isValidCp932(std::string_view cp932);

// Number of bytes the UTF-8 text takes in CP932 (1 for ASCII and half-width kana, 2 otherwise).
int cp932Width(std::string_view utf8);

// The characters of a UTF-8 text, each its own sequence; a malformed byte stands alone.
std::vector<std::string_view> utf8Characters(std::string_view utf8);

// printf's "%-Ns" over the CP932 bytes: pads with spaces on the right up to `width` bytes;
// a longer text is returned unchanged.
std::string padRight(std::string_view utf8, int width);

// The longest prefix whose CP932 form takes at most `width` bytes, never splitting a character.
std::string cutToWidth(std::string_view utf8, int width);

} // namespace rusrina::text
