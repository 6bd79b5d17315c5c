// Any bytes as the settings file: reading never fails, a written value reads back and changes no
// other key, the file written keeps every line but that key's, and the version rule leaves either
// the whole file (version 92) or a fresh one. The first input byte picks the key written, the next
// four its value; the rest is the file.

#include "fuzz_support.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

using namespace rusrina;
using rusrina::fuzz::check;

namespace {

struct Key {
    const char* section;
    const char* key;
};

// Keys of several windows, distinct without regard to case, the version key among them.
constexpr std::array<Key, 8> kKeys = {{{"Main", "Version"},
                                       {"TopWindow", "left"},
                                       {"Search", "show"},
                                       {"Search", "combo_u1"},
                                       {"ParaCheck", "rule"},
                                       {"Damage", "top"},
                                       {"DataView", "clevel"},
                                       {"DataEdit", "bottom"}}};
constexpr int kAbsent = -123456789; // a default no test input writes

std::array<int, kKeys.size()> readAll(const SettingsFile& settings) {
    std::array<int, kKeys.size()> values{};
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        values[i] = settings.readSetting(kKeys[i].section, kKeys[i].key, kAbsent);
    return values;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The file's lines without their ends, less every line that sets `key` (in whatever section).
std::vector<std::string> linesWithout(std::string_view text, std::string_view key) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto eq = line.find('=');
        const bool setsKey = !trimmed(line).empty() && trimmed(line).front() != ';' && trimmed(line).front() != '[' &&
                             eq != std::string_view::npos && sameName(trimmed(line.substr(0, eq)), key);
        if (!setsKey)
            lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5)
        return 0;
    const std::size_t pick = data[0] % kKeys.size();
    int32_t value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    if (value == kAbsent)
        return 0;
    const auto path = fuzz::scratch() / "rusrina.ini";
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data + 5), size - 5));

    const std::string fileBefore = readFile(path);
    SettingsFile settings(path);
    auto expected = readAll(settings);
    settings.writeSetting(kKeys[pick].section, kKeys[pick].key, value);
    expected[pick] = value;
    check(readAll(settings) == expected, "a written value reads back and no other key changes");
    check(settings.flush().ok, "the settings are written");
    check(readAll(SettingsFile(path)) == expected, "the file written reads back the same");
    auto kept = linesWithout(fileBefore, kKeys[pick].key);
    const auto written = linesWithout(readFile(path), kKeys[pick].key);
    if (written.size() == kept.size() + 1) // the section was new
        kept.push_back("[" + std::string(kKeys[pick].section) + "]");
    check(written == kept, "every other line of the file is kept as it was");

    const bool survives = expected[0] == kSettingsVersion;
    SettingsFile restarted(path);
    restarted.applyVersionRule();
    check(restarted.flush().ok, "the version rule's file is written");
    if (survives) {
        check(readAll(SettingsFile(path)) == expected, "a version 92 file survives whole");
    } else {
        check(readFile(path) == "[Main]\r\nVersion=92\r\n", "any other file starts over");
    }
    return 0;
}
