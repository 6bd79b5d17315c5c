// The species detail window over its real widgets: showing a species (every value and the move
// list rebuilt).

#include "settings/settings_file.h"
#include "ui/detail/detail_window.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rusrina;

namespace {

struct DetailFixture {
    QTemporaryDir dir;
    SettingsFile settings{(dir.path() + QStringLiteral("/rusrina.ini")).toStdString()};
    DetailWindow window{settings};
};

// ミュウ (150) learns nearly every machine: the longest normal list; the pre-evolutions of
// フシギバナ (2) make the list three species long.
void BM_DetailShowSpecies(benchmark::State& state) {
    DetailFixture fixture;
    const int species = static_cast<int>(state.range(0));
    for (auto _ : state)
        fixture.window.showSpecies(species);
}
BENCHMARK(BM_DetailShowSpecies)->Arg(150)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
