// The species detail window over its real widgets: showing a species (every value and the move
// list rebuilt) and a move-list box change (the list rebuilt for the shown species).

#include "settings/settings_file.h"
#include "ui/detail/detail_window.h"

#include <QCheckBox>
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

void BM_DetailToggleEditionBox(benchmark::State& state) {
    DetailFixture fixture;
    fixture.window.showSpecies(150);
    QCheckBox* box = fixture.window.findChild<QCheckBox*>(QStringLiteral("tk"));
    if (!box) {
        state.SkipWithError("no edition box");
        return;
    }
    for (auto _ : state)
        box->toggle();
}
BENCHMARK(BM_DetailToggleEditionBox)->Unit(benchmark::kMicrosecond);

} // namespace
