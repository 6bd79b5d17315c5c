#pragma once
// Directories only this user may enter: the data directory when the program makes it, and the
// directory of the socket through which a second start reaches the running program. Another user
// who could enter either could read the box, or answer in the program's place.

#include <filesystem>
#include <string_view>

namespace rusrina {

// Whether `dir` is a real directory (not a symbolic link) owned by this user that no one else may
// read, write or enter.
bool isPrivateDirectory(const std::filesystem::path& dir);

// Makes `dir`, and any missing parent, with mode 0700 (an existing directory is left as it is).
// True when `dir` is a directory afterwards.
bool createPrivateDirectories(const std::filesystem::path& dir);

// Where the running program's socket lives: `xdgRuntimeDir` ($XDG_RUNTIME_DIR) when it is an
// absolute path to a private directory; otherwise `<tempDir>/rusrina-<uid>`, made 0700 when missing
// (and narrowed to 0700 when it is this user's already). A name taken by another user, a link or a
// file is not used: the answer is then empty, and the program runs without a socket.
std::filesystem::path socketDirectory(std::string_view xdgRuntimeDir, const std::filesystem::path& tempDir);

} // namespace rusrina
