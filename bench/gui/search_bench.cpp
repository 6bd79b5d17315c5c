// The search window's reaction to one criterion change, from the change to the result list's
// model holding the new rows and the count line (and, for an empty list, the reason) its text.

#include "settings/settings_file.h"
#include "ui/search/search_result_model.h"
#include "ui/search/search_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace rusrina;

namespace {

struct Fixture {
    Fixture() : settings((dir.path() + QStringLiteral("/rusrina.ini")).toStdString()) {
        window = std::make_unique<SearchWindow>(settings);
        window->showTool(ShowCommand::Show);
    }
    template <typename T> T* find(const char* name) const { return window->findChild<T*>(QString::fromLatin1(name)); }
    void chooseMove(const char* chooser, const char* move) const {
        QComboBox* c = find<QComboBox>(chooser);
        c->setCurrentIndex(c->findText(QString::fromUtf8(move)));
    }
    QTemporaryDir dir;
    SettingsFile settings;
    std::unique_ptr<SearchWindow> window;
};

// Every species listed before and after: the largest list the model is refilled with.
void BM_SearchWindowAllSpeciesListed(benchmark::State& state) {
    Fixture f;
    QCheckBox* box = f.find<QCheckBox>("check_level");
    for (auto _ : state)
        box->setChecked(!box->isChecked());
    state.counters["rows"] = f.window->resultModel()->rowCount();
}
BENCHMARK(BM_SearchWindowAllSpeciesListed)->Unit(benchmark::kMillisecond);

// The slowest search: four moves in AND mode with every method and edition, so every species and
// its pre-evolutions have their learnsets scanned. The change flips the fourth move.
void BM_SearchWindowFourMovesAnd(benchmark::State& state) {
    Fixture f;
    for (const char* name :
         {"check_level", "check_iden", "check_mw", "check_osie", "check_qx", "check_zv", "check_jy", "check_tk"})
        f.find<QCheckBox>(name)->setChecked(true);
    f.find<QRadioButton>("radio_w2")->click();
    f.chooseMove("combo_wn1", "なみのり");
    f.chooseMove("combo_wn2", "れいとうビーム");
    f.chooseMove("combo_wn3", "かみなり");
    QComboBox* fourth = f.find<QComboBox>("combo_wn4");
    const int moves[2] = {fourth->findText(QStringLiteral("じしん")), fourth->findText(QStringLiteral("ふぶき"))};
    int next = 0;
    for (auto _ : state) {
        fourth->setCurrentIndex(moves[next]);
        next ^= 1;
    }
    state.counters["rows"] = f.window->resultModel()->rowCount();
}
BENCHMARK(BM_SearchWindowFourMovesAnd)->Unit(benchmark::kMillisecond);

// An empty list, and the line that says why: two moves only two different species learn, in AND
// mode, and a third that flips. Each change searches, finds for every species the parts it
// misses, and searches for each chosen move alone until one leaves nothing.
void BM_SearchWindowEmptyWithReason(benchmark::State& state) {
    Fixture f;
    for (const char* name :
         {"check_level", "check_iden", "check_mw", "check_osie", "check_qx", "check_zv", "check_jy", "check_tk"})
        f.find<QCheckBox>(name)->setChecked(true);
    f.find<QRadioButton>("radio_w2")->click();
    f.chooseMove("combo_wn1", "ときのほうこう");
    f.chooseMove("combo_wn2", "あくうせつだん");
    QComboBox* fourth = f.find<QComboBox>("combo_wn4");
    const int moves[2] = {fourth->findText(QStringLiteral("じしん")), fourth->findText(QStringLiteral("ふぶき"))};
    int next = 0;
    for (auto _ : state) {
        fourth->setCurrentIndex(moves[next]);
        next ^= 1;
    }
    state.counters["rows"] = f.window->resultModel()->rowCount();
}
BENCHMARK(BM_SearchWindowEmptyWithReason)->Unit(benchmark::kMillisecond);

} // namespace
