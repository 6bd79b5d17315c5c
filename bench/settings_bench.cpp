// The settings file is read once at start-up and written once at exit; the windows read and write
// the copy in memory in between. Opening it is part of every start, so its cost is measured for a
// file a long-used copy leaves, for the longest file still read (1 MiB), and for a 100 MB file,
// which must cost no more than a look at its size.

#include "settings/settings_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

struct BenchDir {
    fs::path path;
    BenchDir() {
        std::string pattern = (fs::temp_directory_path() / "rusrina-bench-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~BenchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path ini() const { return path / "rusrina.ini"; }
};

// A settings file as a long-used copy of the program leaves it: every section and key present.
std::string fullSettingsText() {
    std::string text = "[Main]\r\nVersion=92\r\n";
    for (const char* section : {"TopWindow", "Search", "ParaCheck", "Damage", "DataView", "DataEdit"}) {
        text += "[" + std::string(section) + "]\r\nshow=1\r\nleft=100\r\ntop=100\r\nright=700\r\nbottom=500\r\n";
        for (int i = 1; i <= 12; ++i)
            text += "combo_" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    return text;
}

// The full file, then hand-written lines of other sections until it is `bytes` long.
void writeSettingsFile(const fs::path& path, std::size_t bytes) {
    std::string text = fullSettingsText();
    for (int i = 0; text.size() < bytes; ++i)
        text += "[Other" + std::to_string(i % 500) + "]\r\nkey" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    text.resize(std::max(bytes, fullSettingsText().size()));
    std::ofstream(path, std::ios::binary) << text;
}

void BM_OpenSettingsFile(benchmark::State& state) {
    BenchDir dir;
    writeSettingsFile(dir.ini(), static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        rusrina::SettingsFile settings(dir.ini());
        benchmark::DoNotOptimize(settings.readSetting("DataEdit", "combo_12", 0));
    }
}
// A full file as the program writes it, the longest file read, and a 100 MB file left unread.
BENCHMARK(BM_OpenSettingsFile)
    ->Arg(0)
    ->Arg(rusrina::kMaxSettingsBytes)
    ->Arg(100'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

void BM_ReadSetting(benchmark::State& state) {
    BenchDir dir;
    writeSettingsFile(dir.ini(), 0);
    const rusrina::SettingsFile settings(dir.ini());
    for (auto _ : state)
        benchmark::DoNotOptimize(settings.readSetting("DataEdit", "combo_12", 0));
}
BENCHMARK(BM_ReadSetting);

void BM_WriteSetting(benchmark::State& state) {
    BenchDir dir;
    writeSettingsFile(dir.ini(), 0);
    rusrina::SettingsFile settings(dir.ini());
    int value = 0;
    for (auto _ : state)
        settings.writeSetting("DataView", "combo_6", ++value);
}
BENCHMARK(BM_WriteSetting);

// The write at exit: a changed full file replaced on disk (flushed).
void BM_FlushSettings(benchmark::State& state) {
    BenchDir dir;
    writeSettingsFile(dir.ini(), 0);
    rusrina::SettingsFile settings(dir.ini());
    int value = 0;
    for (auto _ : state) {
        settings.writeSetting("DataView", "combo_6", ++value);
        benchmark::DoNotOptimize(settings.flush().ok);
    }
}
BENCHMARK(BM_FlushSettings)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
