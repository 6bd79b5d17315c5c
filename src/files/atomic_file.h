#pragma once
// Replacing a file so that a crash, a full disk or any other failure leaves the previous file
// intact: a temporary file in the same directory is written, flushed to disk and renamed over
// the target, then the directory is flushed where the system allows it. The box file, its backup,
// its recovery copy and the settings file are all written this way.

#include <filesystem>
#include <string>
#include <string_view>

namespace rusrina {

// Why a save did not happen. The box window answers some of these with a question of its own.
enum class SaveProblem {
    None,
    Failed,        // the system refused (the message says why)
    ReadOnly,      // the target has no write permission and is left as it is
    ChangedOnDisk, // a box file changed by someone else since it was loaded or saved (box_file.h)
    NeedsNewName,  // a box file that could not be read is not replaced (box_file.h)
};

struct SaveResult {
    bool ok = false;
    std::string message; // on failure: the path of the file that failed and the reason
    SaveProblem problem = SaveProblem::Failed;

    static SaveResult saved() { return {true, {}, SaveProblem::None}; }
};

struct WriteOptions {
    // A symbolic link stays a link and the file it names is replaced, or created when the link
    // dangles. Off: the link itself is replaced by the new file, wherever it pointed.
    bool followLinks = true;
    // When set, an existing file or link at the target is renamed to this name just before the new
    // file takes its place (a directory there stops the write instead).
    std::filesystem::path keepPreviousAs;
};

// Replaces `target` with exactly `bytes`. An existing file's permissions are kept; one without any
// write permission is not replaced (SaveProblem::ReadOnly). When `permissionsOf` names an existing
// file, the new file takes that file's permissions instead, with write permission for its owner (so
// that the program can replace it again): a copy of a private file is as private as the file.
SaveResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                               const WriteOptions& options = {}, const std::filesystem::path& permissionsOf = {});

// Replaces `target` with a byte-for-byte copy of `source` (any length); `permissionsOf` as above.
SaveResult copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target,
                              const WriteOptions& options = {}, const std::filesystem::path& permissionsOf = {});

// The file a chain of symbolic links ends at, whether or not it exists; `path` itself when it is
// not a link. Relative links resolve against the directory of the link. Empty for a loop.
std::filesystem::path resolveLinks(const std::filesystem::path& path);

// Whether `path` is an existing regular file that must not be replaced: no write bit at all (which
// stops even root), or no write access for this process.
bool isReadOnlyFile(const std::filesystem::path& path);

// The temporary files the writers above leave when the program is killed mid-write are named
// "<target>.tmp<pid>-<n>". Removes those in `dir` whose target is one of this program's files
// (*.vbd, *.ini, *.bak, *.recovery, *.recovery-<n>, their *.info) and whose process no longer runs. Returns how many it
// removed.
int removeStaleTemporaryFiles(const std::filesystem::path& dir);

// "ファイル保存失敗: <path> (<reason>)" for an errno value.
std::string saveFailureText(const std::filesystem::path& path, int error);

} // namespace rusrina
