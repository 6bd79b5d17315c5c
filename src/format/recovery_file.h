#pragma once
// Recovery files: the unsaved box of a session that ended without the unsaved-changes question
// (a signal to end, the desktop session closing). Each is a box file of its own (records, then
// the extension block when the box keeps extras), so any reader of box files reads it, and lies
// beside the box file the session opened: "<box>.recovery", then "<box>.recovery-2", "-3"… for
// the next ones, so that a new recovery never replaces one the user kept for later.
//
// Beside each, "<recovery>.info" says where the box came from: the box file it belongs to (the
// file last opened, saved or saved under a new name), that file's size, modification time and
// hash as the session read or last saved it, and when the recovery was written. A small text:
//
//   rusrina recovery 1
//   written=<nanoseconds since 1970>
//   file=<absolute path; '%', control characters and bytes past ASCII as %XX>
//   exists=<1 when a regular file was there, else 0>
//   size=<bytes>
//   mtime=<nanoseconds since 1970>
//   hash=<16 hex digits>
//
// A recovery without a readable info file (one from an older program, or cut by a kill) belongs
// to the box file it lies beside, with its state there unknown, and its time is its own
// modification time.
//
// An info file is only a text anyone can write (a recovery may come in a copied folder), so the
// file it names is saved to only when it is a box file of the recovery's own folder or the box
// file opened there, reached without a link; any other is offered as 名前を付けて保存 only.

#include "box/box.h"
#include "format/box_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

inline constexpr const char* kRecoveryInfoSuffix = ".info";
// At most this many recoveries are offered at one start (newest first); the others stay on disk
// for the next.
inline constexpr int kMaxOfferedRecoveries = 20;

// Where a recovery's box came from.
struct RecoveryOrigin {
    std::filesystem::path boxFile;
    FileIdentity identity;      // of boxFile when the session read or last saved it
    bool identityKnown = false; // false: no info file said it
    std::int64_t writtenNs = 0; // when the recovery was written
    bool operator==(const RecoveryOrigin&) const = default;
};

std::string recoveryInfoText(const RecoveryOrigin& origin);
// Empty for a text that is not an info file as recoveryInfoText writes it.
std::optional<RecoveryOrigin> parseRecoveryInfo(std::string_view text);

std::filesystem::path recoveryInfoPath(const std::filesystem::path& recovery);

// One recovery found beside a box file, read.
struct Recovery {
    std::filesystem::path path;
    RecoveryOrigin origin;
    LoadResult load;        // of the recovery file: entries read, entries left out, or why it is unreadable
    Box box;                // what restoring it gives
    bool ownTarget = false; // origin.boxFile may be saved to (restoreTargetAllowed)
};

// Whether a box restored from a recovery beside `openedBoxFile` may be saved to `target`: the
// opened file itself, or a "*.vbd" file of its folder, named by an absolute path without "." or
// "..", that is a regular file or not there at all (never a link, a directory or a device).
bool restoreTargetAllowed(const std::filesystem::path& target, const std::filesystem::path& openedBoxFile);

// The recoveries beside `boxFile`, newest first, at most kMaxOfferedRecoveries of them. Anything
// with a recovery's name counts, also one that cannot be read, so that it is offered (and can
// be deleted) rather than silently left.
std::vector<Recovery> findRecoveries(const std::filesystem::path& boxFile);
// The one recovery at `path` (beside `boxFile`), read.
Recovery readRecovery(const std::filesystem::path& path, const std::filesystem::path& boxFile);

// The first recovery name beside `boxFile` that no file takes; empty when all are taken.
std::filesystem::path freeRecoveryPath(const std::filesystem::path& boxFile);
// Takes the first free recovery name beside `boxFile` by creating an empty file there, only if no
// file has that name (so two programs ending at once never write one recovery); empty when none
// could be made.
std::filesystem::path claimRecoveryPath(const std::filesystem::path& boxFile);

// Writes the box to `recoveryPath` (writeRecoveryFile: never over `openedBoxFile` or the origin's
// file) and its info file, both as private as the origin's box file.
SaveResult writeRecovery(const Box& box, const std::filesystem::path& recoveryPath,
                         const std::filesystem::path& openedBoxFile, const RecoveryOrigin& origin);
// Removes a recovery and its info file.
void removeRecovery(const std::filesystem::path& recoveryPath);

// Whether the recovery's box file was changed since the session that wrote the recovery read or
// last saved it, so that restoring over it would drop that change. A file that is gone is no
// change; an existing one with its state unknown is.
bool recoveryOriginChanged(const RecoveryOrigin& origin);

// The entries in use in the box file at `path`; 0 when it is missing or unreadable.
int entriesInFile(const std::filesystem::path& path);

// The offer of one recovery at a start: its file, the box file it belongs to, when it was written,
// how many entries it holds and how many could not be read. `position`/`total` number it among the
// recoveries offered (no number for one alone).
std::string recoveryOfferText(const Recovery& recovery, int position, int total);
// The question before restoring over a box file changed since.
std::string recoveryOriginChangedText(const Recovery& recovery);
// The question before an empty recovery replaces a box with entries.
std::string emptyRecoveryText(const Recovery& recovery, int entriesNow);

} // namespace rusrina
