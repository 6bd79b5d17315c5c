#pragma once
// The most team text the program takes, from whichever source: the clipboard of the テキスト入力
// dialog, a file or standard input of --import-text. A full box written as team text is about
// 170 KB, so 1 MiB holds six of them, and reading 1 MiB with its preview takes a fifth of a second;
// what is larger is no team text anyone pastes, and would hold the window up for seconds at every
// keystroke. Larger text is refused whole, with a message: never cut, so never half a set.

#include <cstddef>
#include <cstdint>
#include <string>

namespace rusrina {

inline constexpr std::size_t kMaxTeamTextBytes = std::size_t{1} << 20;

// "テキストが 1 MiB（1,048,576 バイト）を超えるため読み込みませんでした（54,525,952 バイト）";
// without the size at the end when `bytes` is 0 (standard input is not read to its end).
std::string teamTextTooLargeText(std::uint64_t bytes);

} // namespace rusrina
