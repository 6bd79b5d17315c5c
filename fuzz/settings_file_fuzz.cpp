// Any bytes as the settings file: reading never fails, a written value reads back and changes no
// other key, and the version rule leaves either the whole file (version 92) or a fresh one.
// The first input byte picks the key written, the next four its value; the rest is the file.

#include "fuzz_support.h"
#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

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

    SettingsFile settings(path);
    auto expected = readAll(settings);
    settings.writeSetting(kKeys[pick].section, kKeys[pick].key, value);
    expected[pick] = value;
    check(readAll(settings) == expected, "a written value reads back and no other key changes");

    const bool survives = expected[0] == kSettingsVersion;
    settings.applyVersionRule();
    if (survives) {
        check(readAll(settings) == expected, "a version 92 file survives whole");
    } else {
        check(readFile(path) == "[Main]\r\nVersion=92\r\n", "any other file starts over");
    }
    return 0;
}
