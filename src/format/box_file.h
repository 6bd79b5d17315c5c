#pragma once
// Box files: kBoxCapacity raw BoxEntry records, kBoxFileBytes bytes, no header, optionally
// followed by the extension block with what each slot keeps beside its record
// (format/box_extension.h). A box file is the user's work: it is read as untrusted input and
// replaced only atomically.

#include "box/box.h"
#include "files/atomic_file.h"
#include "format/box_extension.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace rusrina {

inline constexpr const char* kDefaultBoxFileName = "rusrina.vbd";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr const char* kPreviousBackupSuffix = ".bak.1";
inline constexpr const char* kRecoverySuffix = ".recovery";

// What a save compares to tell whether a box file is still the one this program loaded or last
// saved: its size, modification time and a hash of what the program reads of it.
struct FileIdentity {
    bool regularFile = false; // false: missing, or nothing a save could lose (a directory, a fifo)
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0; // of what the program reads of it: the records and the extension block
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity fileIdentity(const std::filesystem::path& path);

// The records of a file and what follows them, up to an extension block's length (never more).
// Regular files only: a directory, a fifo or a device is refused without reading (and without
// blocking on open).
struct BoxImage {
    enum class Status { Read, Missing, CannotOpen, NotAFile, ReadError };
    Status status = Status::Missing;
    std::unique_ptr<BoxSlots> slots; // zero past the end of a short file; null unless Read
    int completeRecords = 0;         // whole records in the file, at most kBoxCapacity
    bool longerThanBox = false;      // the file holds more than kBoxFileBytes
    ExtensionRead extension;         // what follows the records
    std::string afterRecords;        // the bytes read after the records
    int error = 0;                   // errno of the failure
    FileIdentity identity;           // of the file read
};
BoxImage readBoxImage(const std::filesystem::path& path);

struct LoadResult {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Missing;
    int count = 0;                     // entries in use after loading
    int invalidRecords = 0;            // in-use records left out
    std::string message;               // why an existing file could not be read; empty otherwise
    std::string extensionProblem = {}; // why the extension block was left out; empty when read or absent
    int movedExtras = 0;               // extension records left out: their slot now holds another creature
    int normalisedExtras = 0;          // extension records with a value out of range, read as the nearest kept
};

struct ImportResult {
    enum class Status { Imported, OpenFailed };
    Status status = Status::OpenFailed;
    int firstAddedSlot = 0; // the added entries fill the slots from here on, in file order
    int added = 0;
    int present = 0; // same name and species already in the box
    int invalid = 0;
    int noRoom = 0;           // new and valid, but the box was full
    std::string failure = {}; // OpenFailed: the file's full path and the reason
};

// Whether a save first checks that the file on disk is the one loaded or last saved.
enum class SaveCheck { DiskUnchanged, Overwrite };

// The default box file, or any path given (tests use their own directories). It remembers whether
// the file it loaded held anything a save would drop (invalid records, bytes past the box that are
// no extension block, a damaged block, a held item its record's row does not stand for); the
// first save then copies the file to path + kBackupSuffix, keeping an older backup as
// path + kPreviousBackupSuffix. A file that exists but could not be read is never replaced: the
// box is saved under another name (saveAs).
class BoxFile {
public:
    explicit BoxFile(std::filesystem::path path = kDefaultBoxFileName) : m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path backupPath() const;
    std::filesystem::path previousBackupPath() const;
    bool backupPending() const { return m_backupPending; }
    bool needsNewName() const { return m_needsNewName; }
    // The file as this object loaded or last saved it; not known for one that has done neither.
    const FileIdentity& identity() const { return m_identity; }
    bool identityKnown() const { return m_identityKnown; }

    // Fills the box from the file; a missing or unreadable file gives an empty box.
    LoadResult load(Box& box);
    // Writes every slot of the box. With SaveCheck::DiskUnchanged, a file that someone else has
    // written since this object loaded or last saved it is left alone (SaveProblem::ChangedOnDisk).
    SaveResult save(const Box& box, SaveCheck check = SaveCheck::DiskUnchanged);
    // Writes the box to `path`, which from then on is this file's path.
    SaveResult saveAs(const Box& box, const std::filesystem::path& path);
    // For a box restored from a recovery of this file: `asRead` is the file as the session that wrote
    // the recovery read or last saved it, so that a save still notices a change made since. A file
    // there that cannot be read is not replaced (needsNewName), as after load().
    void adoptRecovered(const FileIdentity& asRead);
    // The next save asks for another name (the user chose not to write over this file).
    void requireNewName() { m_needsNewName = true; }

private:
    std::filesystem::path m_path;
    FileIdentity m_identity;      // as loaded or last saved
    bool m_identityKnown = false; // a file object that only ever saves has nothing to compare
    bool m_backupPending = false;
    bool m_needsNewName = false;
    bool m_writesBlock = false; // the file had an extension block, so a save keeps one even when empty
};

// The bytes of a box file: every slot's record, then the extension block when the box keeps
// extras or `withBlock` asks for one anyway.
std::string boxFileBytes(const Box& box, bool withBlock = false);

// The copy of unsaved work written when the session ends without a save: `boxFile` + kRecoverySuffix.
std::filesystem::path recoveryPathFor(const std::filesystem::path& boxFile);

// Writes every slot of the box, with its extension block when it keeps extras, to `recoveryPath`. A link there is
// replaced, never followed, and nothing is written when `boxFile` leads to the same place: the recovery copy never
// overwrites the box file itself.
SaveResult writeRecoveryFile(const Box& box, const std::filesystem::path& recoveryPath,
                             const std::filesystem::path& boxFile);

// Appends the records of another box file that are not in the box yet, in file order, until the
// box is full, each with what that file's extension block keeps for it. Every record with a name
// is visited, also past an empty one.
ImportResult importBoxFile(Box& box, const std::filesystem::path& path);

// The texts the box window shows for these results.
std::string loadSummaryText(const LoadResult& result, const std::filesystem::path& backup);
std::string importSummaryText(const ImportResult& result);

} // namespace rusrina
