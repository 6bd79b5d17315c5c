// Tells the end-to-end driver where to click: opens the launcher, the box and damage window, the
// entry edit window, the search, species detail and IV judge windows and the テキスト入力 dialog from
// the settings file in the current directory,
// exactly as the program does (same code, same Qt, same fonts, same display), and prints every named widget's rectangle
// inside its window as JSON. The driver clicks the real program at those places.
//
// The box window is measured as it opens, and once rows 0 and 1 of the box in the current directory
// are set as attacker and defender (its panels then hold texts, which may move the rows), then in
// the exact mode, then with the battle state unfolded; with that pair, the 一覧・努力値探索 window on
// its first tab and on the spread finder's.
// Nothing is written back: the settings file is a copy the driver throws away.

#include "app/top_window.h"
#include "box/box.h"
#include "settings/settings_file.h"
#include "ui/box/box_window.h"
#include "ui/box/set_text_dialog.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/search/search_window.h"
#include "ui/session/box_document.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>

namespace {

QJsonArray rectJson(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect rectInWindow(const QWidget& widget, const QRect& local) {
    return QRect(widget.mapTo(widget.window(), local.topLeft()), local.size());
}

QJsonObject windowJson(QWidget& window) {
    QJsonObject widgets;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() && child->isVisibleTo(&window))
            widgets.insert(child->objectName(), rectJson(rectInWindow(*child, child->rect())));
    }
    return {{"geometry", rectJson(window.geometry())}, {"widgets", widgets}};
}

QJsonObject boxWindowJson(rusrina::BoxWindow& window) {
    QJsonObject json = windowJson(window);
    auto* list = window.findChild<QTableView*>(QStringLiteral("boxList"));
    QJsonArray rows;
    for (int row = 0; list && row < list->model()->rowCount(); ++row)
        rows.append(rectJson(rectInWindow(*list->viewport(), list->visualRect(list->model()->index(row, 0)))));
    json.insert("boxRows", rows);
    return json;
}

// Nested layouts settle one level per pass.
void settle() {
    for (int pass = 0; pass < 3; ++pass)
        QApplication::processEvents();
}

bool exposed(QWidget& window) {
    return QTest::qWaitForWindowExposed(&window, 5000);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rusrina::SettingsFile settings(QDir::current().absoluteFilePath(QStringLiteral("rusrina.ini")).toStdString());
    rusrina::TopWindow top(settings);
    top.show();
    rusrina::BoxWindow& box = *top.boxWindow();
    box.showTool(rusrina::ShowCommand::Show);
    rusrina::EntryEditWindow& edit = *top.editWindow();
    edit.showTool(rusrina::ShowCommand::Show);
    if (!exposed(top) || !exposed(box) || !exposed(edit)) {
        std::fprintf(stderr, "e2e_layout_probe: the windows did not appear\n");
        return 1;
    }
    QJsonObject json{{"top", windowJson(top)}, {"box", boxWindowJson(box)}, {"edit", windowJson(edit)}};
    // The search window and the species detail, for the roads that use them.
    rusrina::ToolWindow* more[] = {top.searchWindow(), top.detailWindow(), top.ivJudgeWindow()};
    const char* names[] = {"search", "detail", "ivjudge"};
    for (int i = 0; i < 3; ++i) {
        more[i]->showTool(rusrina::ShowCommand::Show);
        if (!exposed(*more[i])) {
            std::fprintf(stderr, "e2e_layout_probe: the %s window did not appear\n", names[i]);
            return 1;
        }
        json.insert(names[i], windowJson(*more[i]));
    }

    rusrina::BoxDocument& document = *top.boxDocument();
    if (document.box().count() >= 2) {
        document.setAttacker(0);
        document.setDefender(1);
        settle();
        json.insert("boxWithSides", boxWindowJson(box));
        // The exact mode, then the battle state unfolded, for the roads that set a hazard.
        box.findChild<QComboBox*>(QStringLiteral("damageModeCombo"))->setCurrentIndex(1);
        settle();
        json.insert("boxExact", boxWindowJson(box));
        box.findChild<QAbstractButton*>(QStringLiteral("stateToggle"))->click();
        settle();
        json.insert("boxWithState", boxWindowJson(box));
        // The matrix window on its first tab (with the places of its tabs), then on the spread finder's.
        rusrina::MatrixWindow& matrix = *top.matrixWindow();
        matrix.showTool(rusrina::ShowCommand::Show);
        if (exposed(matrix)) {
            auto* tabs = matrix.findChild<QTabWidget*>(QStringLiteral("matrixTabs"));
            tabs->setCurrentIndex(0);
            settle();
            QJsonObject first = windowJson(matrix), widgets = first.value("widgets").toObject();
            for (int tab = 0; tab < tabs->count(); ++tab)
                widgets.insert(QStringLiteral("matrixTab%1").arg(tab),
                               rectJson(rectInWindow(*tabs->tabBar(), tabs->tabBar()->tabRect(tab))));
            first.insert("widgets", widgets);
            json.insert("matrix", first);
            tabs->setCurrentIndex(1);
            settle();
            json.insert("spread", windowJson(matrix));
            matrix.hide();
        }
    }
    // The テキスト入力 dialog, as the box window opens it.
    box.openTextImport();
    if (exposed(*box.textDialog()))
        json.insert("textDialog", windowJson(*box.textDialog()));
    box.textDialog()->hide();
    std::fputs(QJsonDocument(json).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}
