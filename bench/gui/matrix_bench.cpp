// The matrix and spread finder window over a full box: one condition change in the box window with
// the matrix shown (six rows, the attacker's four moves against 1023 entries, both finders, both
// windows painted), and the same with the spread finder's tab in front.

// The box headers come before any Qt header: Box::slots() would otherwise meet Qt's `slots` macro.
#include "box/box.h"
#include "format/box_file.h"

#include "app/box_windows.h"
#include "box_test_support.h"
#include "calc/stats.h"
#include "settings/settings_file.h"
#include "ui/box/box_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/session/box_document.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rusrina;

namespace {

constexpr int kMoves[] = {52, 88, 56, 84, 33, 246, 199, 57}; // damaging moves of both categories

BoxEntry trained(int i) {
    const std::array<int, 6> evs =
        i % 2 ? std::array<int, 6>{252, 0, 4, 252, 0, 0} : std::array<int, 6>{4, 252, 0, 0, 0, 252};
    return testing::EntryBuilder("bench", (i * 7) % 600)
        .nature(i % 25)
        .ability(0)
        .item(i % 16)
        .evs(evs)
        .moves({kMoves[i % 8], kMoves[(i + 3) % 8], kMoves[(i + 6) % 8], kMoves[(i + 9) % 8]})
        .computedStats();
}

struct MatrixFixture {
    QTemporaryDir dir;
    QString oldCurrent = QDir::currentPath();
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BoxWindows> windows;
    BoxWindow* window = nullptr;
    MatrixWindow* matrix = nullptr;

    explicit MatrixFixture(int tab) {
        QDir::setCurrent(dir.path());
        Box box;
        for (int i = 0; i < kBoxCapacity; ++i)
            box.add(trained(i));
        BoxFile(kDefaultBoxFileName).save(box);
        settings = std::make_unique<SettingsFile>((dir.path() + QStringLiteral("/rusrina.ini")).toStdString());
        windows = std::make_unique<BoxWindows>(*settings);
        window = &windows->boxWindow();
        matrix = &windows->matrixWindow();
        window->showTool(ShowCommand::Show);
        window->findChild<QComboBox*>(QStringLiteral("damageModeCombo"))->setCurrentIndex(1);
        windows->document().setAttacker(0);
        windows->document().setDefender(1);
        matrix->showTool(ShowCommand::Show);
        matrix->findChild<QTabWidget*>(QStringLiteral("matrixTabs"))->setCurrentIndex(tab);
        QApplication::processEvents();
    }
    ~MatrixFixture() {
        windows.reset();
        QDir::setCurrent(oldCurrent);
    }
};

// One click on "リフレクター" with the matrix (tab 0) or the spread finder (tab 1) in front.
void BM_MatrixConditionChange(benchmark::State& state) {
    MatrixFixture fixture(static_cast<int>(state.range(0)));
    auto* reflect = fixture.window->findChild<QCheckBox*>(QStringLiteral("checkReflect"));
    for (auto _ : state) {
        reflect->toggle();
        QApplication::processEvents();
        fixture.window->repaint();
        fixture.matrix->repaint();
    }
}
BENCHMARK(BM_MatrixConditionChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
