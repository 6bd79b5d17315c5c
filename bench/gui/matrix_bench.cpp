// The matrix and spread finder window over a full box: one condition change in the box window with
// the matrix shown (six rows, the attacker's four moves against 1023 entries, both finders, both
// windows painted), and the same with the spread finder's tab in front. Measured two ways: with both
// windows painted again in full after the change, and as a user sees it, until the event queue is
// empty and Qt has painted what changed.

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
#include <QEvent>
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

// Counts the paint events of the widgets inside one window.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int64_t count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window)
            ++count;
        return false;
    }

private:
    QWidget* m_window;
};

// The same click, from the event until the queue is empty: the rows, the matrix and both finders
// computed, and what changed painted by Qt's own updates, as on screen (nothing painted twice). A run
// in which the matrix window was not painted each time stops with an error.
void BM_MatrixConditionChangeShown(benchmark::State& state) {
    MatrixFixture fixture(static_cast<int>(state.range(0)));
    auto* reflect = fixture.window->findChild<QCheckBox*>(QStringLiteral("checkReflect"));
    PaintCount painted(fixture.matrix);
    for (auto _ : state) {
        reflect->toggle();
        QApplication::processEvents();
    }
    if (painted.count < state.iterations())
        state.SkipWithError("the matrix window was not painted after each change");
}
BENCHMARK(BM_MatrixConditionChangeShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
