// The settings file is opened and parsed for every key, so a window that reads its twenty or
// thirty keys when it opens pays this once per key.

#include "settings/settings_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// A settings file as a long-used copy of the program leaves it: every section and key present.
fs::path makeFullSettingsFile() {
    std::string pattern = (fs::temp_directory_path() / "rusrina-bench-XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    const fs::path path = dir / "rusrina.ini";
    std::ofstream out(path, std::ios::binary);
    out << "[Main]\r\nVersion=92\r\n";
    for (const char* section : {"TopWindow", "Search", "ParaCheck", "Damage", "DataView", "DataEdit"}) {
        out << "[" << section << "]\r\nshow=1\r\nleft=100\r\ntop=100\r\nright=700\r\nbottom=500\r\n";
        for (int i = 1; i <= 12; ++i)
            out << "combo_" << i << "=" << i << "\r\n";
    }
    return path;
}

void BM_ReadSetting(benchmark::State& state) {
    const auto path = makeFullSettingsFile();
    const rusrina::SettingsFile settings(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(settings.readSetting("DataEdit", "combo_12", 0));
    fs::remove_all(path.parent_path());
}
BENCHMARK(BM_ReadSetting);

void BM_WriteSetting(benchmark::State& state) {
    const auto path = makeFullSettingsFile();
    rusrina::SettingsFile settings(path);
    int value = 0;
    for (auto _ : state)
        settings.writeSetting("DataView", "combo_6", ++value);
    fs::remove_all(path.parent_path());
}
BENCHMARK(BM_WriteSetting);

} // namespace
