// The box and damage window over its real widgets: a condition change (all six rows recomputed and
// the window repainted), setting an attacker (panel, learnable-move list and rows rebuilt), and a
// step back and forward through the history of a full box.

// The box headers come before any Qt header: Box::slots() would otherwise meet Qt's `slots` macro.
#include "box/box.h"
#include "format/box_file.h"

#include "app/box_windows.h"
#include "box_test_support.h"
#include "settings/settings_file.h"
#include "ui/box/box_window.h"
#include "ui/session/box_document.h"
#include "ui/session/box_history.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <string>

using namespace rusrina;

namespace {

constexpr int kMew = 150;     // learns nearly every machine: the longest learnable-move list
constexpr int kSnorlax = 142; // カビゴン

BoxEntry creature(const std::string& name, int species, std::array<int, 4> moves) {
    return testing::EntryBuilder(name, species).nature(1).item(3).stats(150).moves(moves);
}

// A window over a box of two creatures with four damaging moves each (and `more` others behind
// them), both sides set, shown.
struct BoxFixture {
    QTemporaryDir dir;
    QString oldCurrent = QDir::currentPath();
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BoxWindows> windows;
    BoxWindow* window = nullptr;
    BoxDocument* document = nullptr;

    explicit BoxFixture(int more = 0) {
        QDir::setCurrent(dir.path());
        Box box;
        box.add(creature("みゅう", kMew, {84, 236, 56, 310}));
        box.add(creature("かびごん", kSnorlax, {32, 86, 56, 236}));
        for (int i = 0; i < more; ++i)
            box.add(creature("ぽけ" + std::to_string(i), i % kSnorlax, {32, 86, 56, 236}));
        BoxFile(kDefaultBoxFileName).save(box);
        settings = std::make_unique<SettingsFile>((dir.path() + QStringLiteral("/rusrina.ini")).toStdString());
        windows = std::make_unique<BoxWindows>(*settings);
        window = &windows->boxWindow();
        document = &windows->document();
        window->showTool(ShowCommand::Show);
        document->setAttacker(0);
        document->setDefender(1);
        QApplication::processEvents();
    }
    ~BoxFixture() {
        windows.reset();
        QDir::setCurrent(oldCurrent);
    }
};

// One click on "リフレクター": six rows computed, their labels set, the window laid out and painted.
void BM_BoxConditionChange(benchmark::State& state) {
    BoxFixture fixture;
    auto* reflect = fixture.window->findChild<QCheckBox*>(QStringLiteral("checkReflect"));
    for (auto _ : state) {
        reflect->toggle();
        QApplication::processEvents();
        fixture.window->repaint();
    }
}
BENCHMARK(BM_BoxConditionChange)->Unit(benchmark::kMillisecond);

// A new attacker: its panel, the learnable-move list rebuilt for its species, six rows, painted.
void BM_BoxSetAttacker(benchmark::State& state) {
    BoxFixture fixture;
    int slot = 0;
    for (auto _ : state) {
        fixture.document->setAttacker(slot);
        QApplication::processEvents();
        fixture.window->repaint();
        slot = 1 - slot;
    }
}
BENCHMARK(BM_BoxSetAttacker)->Unit(benchmark::kMillisecond);

// 削除 of the first entry of a full box taken back and made again: every slot moved twice, the
// list rebuilt twice (1024 rows), the window painted.
void BM_BoxUndoRedoFullBox(benchmark::State& state) {
    BoxFixture fixture(kBoxCapacity - 2);
    BoxWindow& window = *fixture.window;
    fixture.document->setAttacker(-1);
    window.findChild<QTableView*>(QStringLiteral("boxList"))->selectRow(0);
    window.findChild<QPushButton*>(QStringLiteral("deleteButton"))->click();
    for (auto _ : state) {
        fixture.document->history().undo();
        fixture.document->history().redo();
        QApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_BoxUndoRedoFullBox)->Unit(benchmark::kMillisecond);

} // namespace
