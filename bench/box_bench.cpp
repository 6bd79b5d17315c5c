#include "data/moves.h"
#include "format/box_file.h"

#include "box_test_support.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

using namespace rusrina;
namespace fs = std::filesystem;

namespace {

Box fullBox() {
    Box box;
    for (int i = 0; i < kBoxCapacity; ++i)
        box.add(testing::EntryBuilder("ボックス" + std::to_string(i), i % 663)
                    .level(1 + i % 100)
                    .nature(i % 25)
                    .ability(i % 165)
                    .item(i % 17)
                    .evs({85, 85, 85, 85, 85, 85})
                    .moves({i % 559, NO_MOVE, NO_MOVE, NO_MOVE}));
    return box;
}

struct BenchDir {
    fs::path path;
    BenchDir() {
        std::string pattern = (fs::temp_directory_path() / "rusrina-box-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path = pattern;
    }
    ~BenchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

void BM_LoadFullBox(benchmark::State& state) {
    BenchDir dir;
    BoxFile file(dir.path / kDefaultBoxFileName);
    if (!file.save(fullBox()).ok)
        state.SkipWithError("cannot write the box file");
    Box box;
    for (auto _ : state) {
        LoadResult r = file.load(box);
        benchmark::DoNotOptimize(r.count);
    }
}
BENCHMARK(BM_LoadFullBox)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same box with every entry keeping a gender and a happiness beside its record: the extension
// block read, its checksum checked and each extra fitted to its record.
void BM_LoadFullBoxWithBlock(benchmark::State& state) {
    BenchDir dir;
    BoxFile file(dir.path / kDefaultBoxFileName);
    const Box plain = fullBox();
    Box source;
    for (int slot = 0; slot < plain.count(); ++slot)
        source.add(plain.entry(slot), {.gender = Gender::Female, .happiness = slot % 256});
    if (!file.save(source).ok)
        state.SkipWithError("cannot write the box file");
    Box box;
    for (auto _ : state) {
        LoadResult r = file.load(box);
        benchmark::DoNotOptimize(r.count);
    }
}
BENCHMARK(BM_LoadFullBoxWithBlock)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ValidateFullBox(benchmark::State& state) {
    const Box source = fullBox();
    Box box;
    for (auto _ : state) {
        int invalid = box.adoptImage(source.slots());
        benchmark::DoNotOptimize(invalid);
    }
}
BENCHMARK(BM_ValidateFullBox)->Unit(benchmark::kMicrosecond);

// Includes flushing the file and its directory to disk.
void BM_SaveFullBox(benchmark::State& state) {
    BenchDir dir;
    BoxFile file(dir.path / kDefaultBoxFileName);
    const Box box = fullBox();
    for (auto _ : state) {
        SaveResult r = file.save(box);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_SaveFullBox)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What opening the box window and pressing "保存" cost together.
void BM_LoadAndSaveFullBox(benchmark::State& state) {
    BenchDir dir;
    BoxFile file(dir.path / kDefaultBoxFileName);
    if (!file.save(fullBox()).ok)
        state.SkipWithError("cannot write the box file");
    Box box;
    for (auto _ : state) {
        file.load(box);
        SaveResult r = file.save(box);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_LoadAndSaveFullBox)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The worst case of the presence test: every record of a full file against a full box.
void BM_ImportFullIntoFull(benchmark::State& state) {
    BenchDir dir;
    const Box source = fullBox();
    BoxFile(dir.path / "in.vbd").save(source);
    for (auto _ : state) {
        Box box = source;
        ImportResult r = importBoxFile(box, dir.path / "in.vbd");
        benchmark::DoNotOptimize(r.present);
    }
}
BENCHMARK(BM_ImportFullIntoFull)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
