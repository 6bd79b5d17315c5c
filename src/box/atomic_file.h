#pragma once
// Replacing a file so that a crash, a full disk or any other failure leaves the previous file
// intact: a temporary file in the same directory is written, flushed to disk and renamed over
// the target, then the directory is flushed where the system allows it.

#include <filesystem>
#include <string>
#include <string_view>

namespace rusrina {

struct SaveResult {
    bool ok = false;
    std::string message; // on failure: the path and the system's reason
};

// Replaces `target` with exactly `bytes`. A symbolic link is followed and the file it names is
// replaced; an existing file's permissions are kept.
SaveResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Replaces `target` with a byte-for-byte copy of `source` (any length).
SaveResult copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target);

// "ファイル保存失敗: <path> (<reason>)" for an errno value.
std::string saveFailureText(const std::filesystem::path& path, int error);

} // namespace rusrina
