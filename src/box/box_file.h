#pragma once
// Box files: kBoxCapacity raw BoxEntry records, kBoxFileBytes bytes, no header. A box file is the
// user's work: it is read as untrusted input and replaced only atomically.

#include "box/atomic_file.h"
#include "box/box.h"

#include <filesystem>
#include <memory>
#include <string>

namespace rusrina {

inline constexpr const char* kDefaultBoxFileName = "rusrina.vbd";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr const char* kImportFilter = "VantreBoxData (*.vbd)|*.vbd|All Files (*.*)|*.*||";
inline constexpr const char* kImportDefaultExtension = "VantreBoxData";
inline constexpr const char* kImportOpenFailedText = "ファイルオープン失敗";

// The first kBoxFileBytes of a file, never more. Regular files only: a directory, a fifo or a
// device is refused without reading (and without blocking on open).
struct BoxImage {
    enum class Status { Read, Missing, CannotOpen, NotAFile, ReadError };
    Status status = Status::Missing;
    std::unique_ptr<BoxSlots> slots; // zero past the end of a short file; null unless Read
    int completeRecords = 0;         // whole records in the file, at most kBoxCapacity
    bool longerThanBox = false;      // the file holds more than kBoxFileBytes
    int error = 0;                   // errno of the failure
};
BoxImage readBoxImage(const std::filesystem::path& path);

struct LoadResult {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Missing;
    int count = 0;          // entries in use after loading
    int invalidRecords = 0; // in-use records left out
    std::string message;    // why an existing file could not be read; empty otherwise
};

struct ImportResult {
    enum class Status { Imported, OpenFailed };
    Status status = Status::OpenFailed;
    int firstAddedSlot = 0; // the added entries fill the slots from here on, in file order
    int added = 0;
    int present = 0; // same name and species already in the box
    int invalid = 0;
    int noRoom = 0; // new and valid, but the box was full
};

// The default box file, or any path given (tests use their own directories). It remembers whether
// the file it loaded held anything a save would drop (invalid records, bytes past the box, or a
// file it could not read); the first save then copies the file to path + kBackupSuffix.
class BoxFile {
public:
    explicit BoxFile(std::filesystem::path path = kDefaultBoxFileName) : m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path backupPath() const;
    bool backupPending() const { return m_backupPending; }

    // Fills the box from the file; a missing or unreadable file gives an empty box.
    LoadResult load(Box& box);
    // Writes every slot of the box.
    SaveResult save(const Box& box);

private:
    std::filesystem::path m_path;
    bool m_backupPending = false;
};

// Appends the records of another box file that are not in the box yet, in file order, until the
// box is full. Every record with a name is visited, also past an empty one.
ImportResult importBoxFile(Box& box, const std::filesystem::path& path);

// The texts the box window shows for these results.
std::string loadSummaryText(const LoadResult& result, const std::filesystem::path& backup);
std::string importSummaryText(const ImportResult& result);

} // namespace rusrina
