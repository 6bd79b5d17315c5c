#include "settings/settings_file.h"

#include "files/private_directory.h"
#include "text/ui_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

// The format version of the file (1 when a file has none); only kSettingsVersion survives start-up.
constexpr SettingKey kVersionKey{"Main", "Version", 1, INT_MIN, INT_MAX, Stored::Always};

std::string_view trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// Section and key names match without regard to case, as in a Windows profile file.
std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
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

struct FileText {
    SettingsFile::LoadStatus status = SettingsFile::LoadStatus::Missing;
    int error = 0; // errno, or 0 for a file that is not a regular file
    std::string text;
};

// At most kMaxSettingsBytes of a regular file. O_NONBLOCK: a fifo in the file's place must not hold
// the program up waiting for a writer; it is not read at all.
FileText readSettingsText(const fs::path& path) {
    using Status = SettingsFile::LoadStatus;
    FileText file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error = errno;
        // No file, or no directory to hold one: a first start. Anything else is there but unreadable.
        file.status = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
        return file;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        file.status = Status::Unreadable;
        file.error = S_ISDIR(st.st_mode) ? EISDIR : 0;
    } else if (static_cast<std::uint64_t>(st.st_size) > kMaxSettingsBytes) {
        file.status = Status::TooLarge;
    } else {
        file.status = Status::Read;
        char buffer[8192];
        while (file.status == Status::Read) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                file.error = n < 0 ? errno : 0;
                file.status = n < 0 ? Status::Unreadable : Status::Read;
                break;
            }
            file.text.append(buffer, static_cast<std::size_t>(n));
            if (file.text.size() > kMaxSettingsBytes) // it grew while being read
                file.status = Status::TooLarge;
        }
    }
    ::close(fd);
    if (file.status != Status::Read)
        file.text.clear();
    return file;
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : m_path(std::move(path)) {
    load();
}

void SettingsFile::load() {
    FileText file = readSettingsText(m_path);
    m_status = file.status;
    m_loadError = file.error;
    m_ignored = m_status == LoadStatus::TooLarge || m_status == LoadStatus::Unreadable;
    m_blocks.assign(1, Block{});
    if (m_ignored)
        return;
    parse(file.text);
    // Probed now, so that a settings file that could never be written reads the same all run long.
    const fs::path real = resolveLinks(m_path);
    const fs::path dir = real.has_parent_path() ? real.parent_path() : fs::path(".");
    m_writable = !real.empty() && isWritableDirectory(dir) && !isReadOnlyFile(real);
}

void SettingsFile::parse(std::string_view text) {
    // Keep the line ends the file already has; a new file gets those of a Windows profile file.
    m_lineEnd = text.empty() || text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (sectionHeader(line))
            startBlock(std::string(line));
        else
            addLine(std::string(line));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

void SettingsFile::startBlock(std::string line) {
    const std::string name = lower(*sectionHeader(line));
    Block block;
    block.lines.push_back(std::move(line));
    block.insertAt = 1;
    m_blocks.push_back(std::move(block));
    m_sections.try_emplace(name, m_blocks.size() - 1); // only the first section of a name counts
}

void SettingsFile::addLine(std::string line) {
    Block& block = m_blocks.back();
    const bool inSection = m_blocks.size() > 1; // keys before the first header belong to no section
    if (const auto key = keyOf(line); key && inSection)
        block.keys.try_emplace(lower(*key), block.lines.size());
    if (!trim(line).empty())
        block.insertAt = block.lines.size() + 1;
    block.lines.push_back(std::move(line));
}

int SettingsFile::readSetting(std::string_view section, std::string_view key, int defaultValue) const {
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end())
        return defaultValue;
    const Block& block = m_blocks[s->second];
    const auto k = block.keys.find(lower(key));
    if (k == block.keys.end())
        return defaultValue;
    const std::string_view line = block.lines[k->second];
    return parseInteger(line.substr(line.find('=') + 1)).value_or(defaultValue);
}

void SettingsFile::writeSetting(std::string_view section, std::string_view key, int value) {
    if (m_ignored || !m_writable)
        return;
    const std::string text = std::to_string(value);
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end()) {
        startBlock("[" + std::string(section) + "]");
        addLine(std::string(key) + "=" + text);
        m_changed = true;
        return;
    }
    Block& block = m_blocks[s->second];
    if (const auto k = block.keys.find(lower(key)); k != block.keys.end()) {
        std::string& line = block.lines[k->second];
        std::string updated = std::string(trim(std::string_view(line).substr(0, line.find('=')))) + "=" + text;
        m_changed = m_changed || updated != line;
        line = std::move(updated);
        return;
    }
    // Only blank lines follow the insertion point, so no key's line number moves.
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(block.insertAt),
                       std::string(key) + "=" + text);
    block.keys.emplace(lower(key), block.insertAt++);
    m_changed = true;
}

void SettingsFile::removeSetting(std::string_view section, std::string_view key) {
    if (m_ignored || !m_writable)
        return;
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end() || !m_blocks[s->second].keys.contains(lower(key)))
        return;
    Block& block = m_blocks[s->second];
    // Every line of the key goes: a second one, left behind, would be read at the next start.
    std::erase_if(block.lines, [&](const std::string& line) {
        const auto k = sectionHeader(line) ? std::nullopt : keyOf(line);
        return k && lower(*k) == lower(key);
    });
    m_changed = true;
    const bool onlyHeader = std::all_of(block.lines.begin() + 1, block.lines.end(),
                                        [](const std::string& line) { return trim(line).empty(); });
    if (!onlyHeader) {
        indexBlock(block);
        return;
    }
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(s->second));
    indexSections();
}

void SettingsFile::indexBlock(Block& block) {
    block.keys.clear();
    block.insertAt = 1;
    for (std::size_t i = 1; i < block.lines.size(); ++i) {
        if (const auto key = keyOf(block.lines[i]))
            block.keys.try_emplace(lower(*key), i);
        if (!trim(block.lines[i]).empty())
            block.insertAt = i + 1;
    }
}

void SettingsFile::indexSections() {
    m_sections.clear();
    for (std::size_t i = 1; i < m_blocks.size(); ++i)
        m_sections.try_emplace(lower(*sectionHeader(m_blocks[i].lines.front())), i);
}

int SettingsFile::read(const SettingKey& key) const {
    return key.withinRange(readSetting(key.section, key.name, key.defaultValue));
}

void SettingsFile::write(const SettingKey& key, int value) {
    if (key.stored == Stored::UnlessDefault && value == key.defaultValue)
        removeSetting(key.section, key.name);
    else
        writeSetting(key.section, key.name, value);
}

void SettingsFile::applyVersionRule() {
    if (read(kVersionKey) == kSettingsVersion)
        return;
    m_blocks.assign(1, Block{});
    m_sections.clear();
    m_lineEnd = "\r\n";
    m_changed = true;
    write(kVersionKey, kSettingsVersion);
}

std::string SettingsFile::text() const {
    std::string out;
    for (const Block& block : m_blocks)
        for (const std::string& line : block.lines) {
            out.append(line);
            // A line that itself ends in a stray CR would lose it when read back as a CR LF end.
            if (m_lineEnd == "\n" && !line.empty() && line.back() == '\r')
                out.push_back('\r');
            out.append(m_lineEnd);
        }
    return out;
}

SaveResult SettingsFile::flush() {
    if (m_ignored || !m_writable || !m_changed)
        return SaveResult::saved();
    const std::string bytes = text();
    // Written larger, the file would be refused at every later start and the settings lost for good.
    if (bytes.size() > kMaxSettingsBytes)
        return SaveResult::saved();
    SaveResult result = writeFileAtomically(m_path, bytes);
    if (result.ok)
        m_changed = false;
    return result;
}

std::string SettingsFile::loadProblemText() const {
    const std::string after = "\n" + text::uiText("Settings", "既定の設定で起動します。このファイルは変更しません。");
    if (m_status == LoadStatus::TooLarge)
        return text::fillText(
                   text::uiText("Settings",
                                "設定ファイル %1 は 1 MiB を超えているため、設定ファイルとして読み込みませんでした。"),
                   {m_path.string()}) +
               after;
    if (m_status == LoadStatus::Unreadable)
        return text::fillText(text::uiText("Settings", "設定ファイル %1 を読み込めませんでした (%2)。"),
                              {m_path.string(), m_loadError != 0
                                                    ? std::strerror(m_loadError)
                                                    : text::uiText("Settings", "通常のファイルではありません")}) +
               after;
    return {};
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
    return std::ranges::any_of(kInstalledMarkers, [&](std::string_view marker) {
        std::error_code ec;
        return fs::is_regular_file(executableDir / marker, ec);
    });
}

namespace {

// The executable's directory when it is ours to write, else the per-user configuration directory
// when it is writable (made first if `create`), else the executable's directory after all.
fs::path dataDirectory(const fs::path& executableDir, std::string_view xdgConfigHome, std::string_view home,
                       bool installedCopy, bool create) {
    if (!installedCopy && isWritableDirectory(executableDir))
        return executableDir;
    fs::path perUser;
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute())
        perUser = fs::path(xdgConfigHome) / "rusrina";
    else if (!home.empty())
        perUser = fs::path(home) / ".config" / "rusrina";
    else
        return executableDir;
    if (create)
        createPrivateDirectories(perUser); // the box and the settings are the user's own business
    return isWritableDirectory(perUser) ? perUser : executableDir;
}

} // namespace

std::filesystem::path chooseDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                          std::string_view home, bool installedCopy) {
    return dataDirectory(executableDir, xdgConfigHome, home, installedCopy, true);
}

std::filesystem::path findDataDirectory(const std::filesystem::path& executableDir, std::string_view xdgConfigHome,
                                        std::string_view home, bool installedCopy) {
    return dataDirectory(executableDir, xdgConfigHome, home, installedCopy, false);
}

} // namespace rusrina
