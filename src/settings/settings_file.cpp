#include "settings/settings_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

std::string_view trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The whole file, or nothing when it does not exist, cannot be read or is not a regular file.
// O_NONBLOCK: a fifo in the file's place must not hold the program up waiting for a writer.
std::optional<std::string> readWholeFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::string> content;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        content.emplace();
    char buffer[8192];
    while (content) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            content.reset();
        if (n <= 0)
            break;
        content->append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

// Lines without their LF or CR LF ends.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::string_view> sectionHeader(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

// The key of a "key=value" line, or nothing for a comment or any other line.
std::optional<std::string_view> keyOf(std::string_view line) {
    const auto t = trim(line);
    if (t.empty() || t.front() == ';')
        return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, eq));
}

struct KeyLocation {
    std::optional<std::size_t> section; // index of the header line
    std::optional<std::size_t> key;     // index of the key line
    std::size_t insertAt = 0;           // where a new key of that section goes
};

// Finds the first section of that name and the first line of that key in it.
KeyLocation locate(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    KeyLocation at;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionHeader(lines[i])) {
            if (at.section)
                break;
            if (equalsIgnoringCase(*name, section)) {
                at.section = i;
                at.insertAt = i + 1;
            }
            continue;
        }
        if (!at.section)
            continue;
        if (!trim(lines[i]).empty())
            at.insertAt = i + 1;
        const auto k = keyOf(lines[i]);
        if (k && !at.key && equalsIgnoringCase(*k, key))
            at.key = i;
    }
    return at;
}

// A decimal integer with an optional sign, optionally in double quotes, and nothing else.
std::optional<int> parseInteger(std::string_view text) {
    text = trim(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = trim(text.substr(1, text.size() - 2));
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Writes `text` beside `path` and renames it over `path`, so that the file is either the old one
// or the complete new one. No fsync: a settings file is not worth a disk flush per key, and the
// file systems in use order a replace-by-rename after its data.
bool replaceFile(const fs::path& path, const std::string& text) {
    std::string temp = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        const auto n = ::write(fd, text.data() + done, text.size() - done);
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : m_path(std::move(path)) {}

int SettingsFile::readSetting(std::string_view section, std::string_view key, int defaultValue) const {
    if (m_ignored)
        return defaultValue;
    const auto content = readWholeFile(m_path);
    if (!content)
        return defaultValue;
    const auto lines = splitLines(*content);
    const auto at = locate(lines, section, key);
    if (!at.key)
        return defaultValue;
    const std::string_view line = lines[*at.key];
    return parseInteger(line.substr(line.find('=') + 1)).value_or(defaultValue);
}

void SettingsFile::writeSetting(std::string_view section, std::string_view key, int value) {
    if (m_ignored)
        return;
    std::error_code ec;
    const bool exists = fs::exists(m_path, ec);
    const auto content = exists ? readWholeFile(m_path) : std::optional<std::string>(std::string());
    if (!content)
        return; // an existing file we cannot read is not overwritten with a near-empty one
    // Keep the line ends the file already has; a new file gets those of a Windows profile file.
    const char* eol = (content->empty() || content->find("\r\n") != std::string::npos) ? "\r\n" : "\n";
    auto lines = splitLines(*content);
    const auto at = locate(lines, section, key);
    if (at.key) {
        const std::string_view old = lines[*at.key];
        lines[*at.key] = std::string(trim(old.substr(0, old.find('=')))) + "=" + std::to_string(value);
    } else if (at.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.insertAt),
                     std::string(key) + "=" + std::to_string(value));
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::string(key) + "=" + std::to_string(value));
    }
    std::string text;
    for (const auto& line : lines)
        text += line + eol;
    replaceFile(m_path, text);
}

void SettingsFile::applyVersionRule() {
    if (readSetting("Main", "Version", 1) == kSettingsVersion)
        return;
    std::error_code ec;
    fs::remove(m_path, ec); // a missing file is no error
    writeSetting("Main", "Version", kSettingsVersion);
    // Another version's file that could be neither deleted nor replaced (a read-only directory)
    // still means nothing to this version: it is ignored for the run, as if it had been deleted.
    m_ignored = fs::exists(fs::symlink_status(m_path, ec)) && readSetting("Main", "Version", 1) != kSettingsVersion;
}

bool isWritableDirectory(const std::filesystem::path& dir) {
    std::string probe = (dir / ".rusrina-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool isInstalledCopy(const std::filesystem::path& executableDir) {
    std::error_code ec;
    return fs::is_regular_file(executableDir / kInstalledMarker, ec);
}

std::filesystem::path chooseDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                          std::string_view home, bool installedCopy) {
    if (!installedCopy && isWritableDirectory(executableDir))
        return executableDir;
    fs::path configRoot;
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute())
        configRoot = fs::path(xdgConfigHome);
    else if (!home.empty())
        configRoot = fs::path(home) / ".config";
    else
        return executableDir;
    const auto perUser = configRoot / "rusrina";
    std::error_code ec;
    fs::create_directories(perUser, ec);
    return isWritableDirectory(perUser) ? perUser : executableDir;
}

} // namespace rusrina
