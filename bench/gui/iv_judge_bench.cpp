// The IV judge window's reaction to one event, from the change to the window repainted, in the
// slowest case the window allows: the hidden-power list on, three stats open and the other three
// barely narrowed, so that the spread covers 32^3 * 31^3 IV combinations.

#include "settings/settings_file.h"
#include "ui/ivjudge/iv_judge_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace rusrina;

namespace {

struct Fixture {
    Fixture() : settings((dir.path() + QStringLiteral("/rusrina.ini")).toStdString()) {
        settings.writeSetting("ParaCheck", "rule", 7); // ビクティニ first: base 100 everywhere
        settings.writeSetting("ParaCheck", "level", 49);
        settings.writeSetting("ParaCheck", "seikaku", 24);
        window = std::make_unique<IvJudgeWindow>(settings);
        window->showTool(ShowCommand::Show);
        find<QCheckBox>("check_mezapa")->setChecked(true);
        for (const char* bound : {"combo_max_3", "combo_max_4", "combo_max_5"})
            find<QComboBox>(bound)->setCurrentIndex(30);
        QApplication::processEvents();
    }
    template <typename T> T* find(const char* name) const { return window->findChild<T*>(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    SettingsFile settings;
    std::unique_ptr<IvJudgeWindow> window;
};

// A bound selector moved: the refresh alone (values, thresholds, report, hidden-power list).
void BM_IvJudgeBoundChangeWorstSpread(benchmark::State& state) {
    Fixture f;
    QComboBox* bound = f.find<QComboBox>("combo_max_5");
    int next = 29;
    for (auto _ : state) {
        bound->setCurrentIndex(next);
        QApplication::processEvents();
        next = next == 29 ? 30 : 29;
    }
}
BENCHMARK(BM_IvJudgeBoundChangeWorstSpread)->Unit(benchmark::kMillisecond);

// Another nature: the six lists and growth advice rebuilt, then the refresh.
void BM_IvJudgeNatureChangeWorstSpread(benchmark::State& state) {
    Fixture f;
    QComboBox* nature = f.find<QComboBox>("combo_seikaku");
    int next = 0;
    for (auto _ : state) {
        nature->setCurrentIndex(next);
        QApplication::processEvents();
        next = next == 0 ? 24 : 0;
    }
}
BENCHMARK(BM_IvJudgeNatureChangeWorstSpread)->Unit(benchmark::kMillisecond);

// "レベル+1" and "レベル-1" in turn, at level 100 where every list holds 32 rows.
void BM_IvJudgeLevelButtonsWorstSpread(benchmark::State& state) {
    Fixture f;
    f.find<QComboBox>("combo_level")->setCurrentIndex(99);
    QPushButton* buttons[2] = {f.find<QPushButton>("button_leveldown"), f.find<QPushButton>("button_levelup")};
    int next = 0;
    for (auto _ : state) {
        buttons[next]->click();
        QApplication::processEvents();
        next ^= 1;
    }
}
BENCHMARK(BM_IvJudgeLevelButtonsWorstSpread)->Unit(benchmark::kMillisecond);

} // namespace
