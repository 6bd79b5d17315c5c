#pragma once
// The settings file rusrina.ini: every window's placement, visibility and last choices, as integers
// under one INI section per window. The layout is that of a Windows private-profile file, so a file
// copied from or to a Windows copy of the program reads the same.
//
// The file is opened for each read or write and never held open; nothing is cached between calls.
// No operation reports an error: a read that cannot find its value returns the caller's default, and
// a write that cannot be done leaves the file as it was.

#include <filesystem>
#include <string>
#include <string_view>

namespace rusrina {

// The settings format this program writes; a file holding any other `Main`/`Version` starts over.
inline constexpr int kSettingsVersion = 92;
inline constexpr std::string_view kSettingsFileName = "rusrina.ini";

class SettingsFile {
public:
    // `path` is the full path of the settings file, fixed for the whole run.
    explicit SettingsFile(std::filesystem::path path);

    // The integer under [section] key=, matched without regard to case. A missing file, section or
    // key, or a value that is not a decimal integer in the range of int, yields `defaultValue`.
    int readSetting(std::string_view section, std::string_view key, int defaultValue) const;

    // Stores `value` as "%d", creating the file, the section and the key as needed. The file is
    // replaced through a temporary file and a rename, so a failed write leaves the old file intact.
    void writeSetting(std::string_view section, std::string_view key, int value);

    std::string settingsPath() const { return m_path.string(); }

    // A file whose `Main`/`Version` is not kSettingsVersion (or that has none) is deleted and a new
    // one holding only the version is written, so every window starts from its defaults.
    void applyVersionRule();

private:
    std::filesystem::path m_path;
    bool m_ignored = false; // another version's file that the version rule could not remove
};

// Whether files can really be created in `dir` (checked by creating and removing one, since
// permission bits say nothing when running as root or on a read-only mount).
bool isWritableDirectory(const std::filesystem::path& dir);

// The desktop entry that `cmake --install` and the package put beside the executable's `bin`
// directory; its presence marks an installed copy.
inline constexpr std::string_view kInstalledMarker = "../share/applications/rusrina.desktop";

// Whether the executable in `executableDir` is an installed copy (see kInstalledMarker).
bool isInstalledCopy(const std::filesystem::path& executableDir);

// The directory that holds the settings file and the default box file and becomes the current
// directory: the executable's own directory when it is writable and not an installed copy (a copy
// run from where it was built or unpacked), else the per-user configuration directory
// `$XDG_CONFIG_HOME/rusrina` (or `$HOME/.config/rusrina`), created when missing. An installed copy
// never writes beside itself, even where it could (run by root, or installed under the user's home).
// When nothing can be written the executable's directory is kept and every setting simply stays at
// its default.
std::filesystem::path chooseDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                          std::string_view home, bool installedCopy);

} // namespace rusrina
