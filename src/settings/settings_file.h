#pragma once
// The settings file rusrina.ini: every window's placement, visibility and last choices, as integers
// under one INI section per window. The layout is that of a Windows private-profile file, so a file
// copied from or to a Windows copy of the program reads the same.
//
// The file is read once, when the object is made, and written once, by flush() at the end of the
// run; the windows read and write the copy in memory in between. Every line the program does not
// know (comments, other keys, other sections) is kept as it was. No read or write reports an
// error: a value that is not there yields the caller's default. A file that is not a settings file
// (over kMaxSettingsBytes, or one that cannot be read) is left untouched for the whole run.

#include "files/atomic_file.h"
#include "settings/setting_key.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rusrina {

// The settings format this program writes; a file holding any other `Main`/`Version` starts over.
inline constexpr int kSettingsVersion = 92;
inline constexpr std::string_view kSettingsFileName = "rusrina.ini";
// A settings file holds a few hundred short lines; anything longer is not one.
inline constexpr std::size_t kMaxSettingsBytes = 1 << 20;

class SettingsFile {
public:
    enum class LoadStatus { Read, Missing, TooLarge, Unreadable };

    // `path` is the full path of the settings file, fixed for the whole run. The file is read here.
    explicit SettingsFile(std::filesystem::path path);

    // The integer under [section] key=, matched without regard to case. A missing file, section or
    // key, or a value that is not a decimal integer in the range of int, yields `defaultValue`.
    int readSetting(std::string_view section, std::string_view key, int defaultValue) const;

    // Stores `value` as "%d", creating the section and the key as needed. Where the file cannot be
    // written (no file can be created in its directory, or it has no write permission) or is not a
    // settings file, the write is dropped and later reads keep giving what the file holds.
    void writeSetting(std::string_view section, std::string_view key, int value);

    // Takes the key's line out of its section, and the section's header with it once nothing else
    // is left under it. Dropped, as a write is, where the file cannot be written.
    void removeSetting(std::string_view section, std::string_view key);

    // A typed key: its value, or its default when it is absent or outside the key's range.
    int read(const SettingKey& key) const;
    // Writes a typed key by its rule: a key Stored::UnlessDefault at its default is taken out.
    void write(const SettingKey& key, int value);

    std::string settingsPath() const { return m_path.string(); }

    // A file whose `Main`/`Version` is not kSettingsVersion (or that has none) is dropped and the
    // settings start over holding only the version, so every window starts from its defaults.
    void applyVersionRule();

    // Writes the settings when a write changed them: atomically, through a symbolic link to the
    // file it names, keeping the file's permissions. A failure keeps the old file whole. Settings
    // that would take more than kMaxSettingsBytes are not written: the file keeps what it holds, so
    // that the next start still reads it.
    SaveResult flush();

    LoadStatus loadStatus() const { return m_status; }
    // What to tell the user once at start-up when the file was not read as a settings file; empty
    // otherwise.
    std::string loadProblemText() const;

private:
    // A header line and the lines under it, or (the first block) the lines before any header.
    struct Block {
        std::vector<std::string> lines;
        std::unordered_map<std::string, std::size_t> keys; // lower-case key -> its first line
        std::size_t insertAt = 0;                          // after the last line that is not blank
    };

    void load();
    void parse(std::string_view text);
    void startBlock(std::string line);
    void addLine(std::string line);
    // Finds the block's keys and insertion point again after lines were taken out.
    static void indexBlock(Block& block);
    void indexSections();
    std::string text() const;

    std::filesystem::path m_path;
    LoadStatus m_status = LoadStatus::Missing;
    int m_loadError = 0;
    bool m_ignored = false;  // not a settings file: never read further, never written
    bool m_writable = false; // a flush could replace the file
    bool m_changed = false;
    std::string m_lineEnd = "\r\n";
    std::vector<Block> m_blocks;
    std::unordered_map<std::string, std::size_t> m_sections; // lower-case name -> its first block
};

// Whether files can really be created in `dir` (checked by creating and removing one, since
// permission bits say nothing when running as root or on a read-only mount).
bool isWritableDirectory(const std::filesystem::path& dir);

// The desktop entry that `cmake --install` and the package put beside the executable's `bin`
// directory, named by the application id; its presence marks an installed copy. The entry's
// earlier name still counts, so that an executable copied over an older installation keeps
// finding the settings and box in the per-user directory instead of starting afresh beside itself.
inline constexpr std::string_view kInstalledMarkers[] = {"../share/applications/io.github.rusrina.Rusrina.desktop",
                                                         "../share/applications/rusrina.desktop"};

// Whether the executable in `executableDir` is an installed copy (see kInstalledMarkers).
bool isInstalledCopy(const std::filesystem::path& executableDir);

// The directory that holds the settings file and the default box file and becomes the current
// directory: the executable's own directory when it is writable and not an installed copy (a copy
// run from where it was built or unpacked), else the per-user configuration directory
// `$XDG_CONFIG_HOME/rusrina` (or `$HOME/.config/rusrina`), created 0700 when missing. An installed copy
// never writes beside itself, even where it could (run by root, or installed under the user's home).
// When nothing can be written the executable's directory is kept and every setting simply stays at
// its default.
std::filesystem::path chooseDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                          std::string_view home, bool installedCopy);

// The directory chooseDataDirectory would choose, found without creating anything: for a run that
// only reads the settings (the command-line verbs), where a missing per-user directory holds none.
std::filesystem::path findDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                        std::string_view home, bool installedCopy);

} // namespace rusrina
