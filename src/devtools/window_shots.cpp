#include "devtools/window_shots.h"

#include "app/box_windows.h"
#include "app/top_window.h"
#include "settings/settings_file.h"
#include "text/ui_text.h"
#include "ui/box/box_window.h"
#include "ui/common/dialogs.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/search/search_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace rusrina {
namespace {

constexpr int kDeoxysDefense = 387;

// The registration's question answered Yes; nothing else is asked.
class YesDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

template <typename T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The text a chooser shows for a game name, in the language of the run.
QString named(const char* japanese, const char* english) {
    return text::textLanguage() == text::TextLanguage::English ? QString::fromUtf8(english)
                                                               : QString::fromUtf8(japanese);
}

void settle() {
    for (int pass = 0; pass < 5; ++pass)
        QTest::qWait(20);
}

// The window as drawn, with the list a chooser has open (its own window) painted where it shows.
QImage picture(QWidget& window) {
    settle();
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return image;
    const QPoint at = popup->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint());
    const QImage list = popup->grab().toImage();
    const QRect all = image.rect().united(QRect(at, list.size()));
    QImage canvas(all.size(), QImage::Format_RGB32);
    canvas.fill(window.palette().color(QPalette::Window));
    QPainter painter(&canvas);
    painter.drawImage(-all.topLeft(), image);
    painter.drawImage(at - all.topLeft(), list);
    return canvas;
}

bool save(const QImage& image, const QDir& out, const char* file) {
    const bool ok = image.save(out.filePath(QString::fromLatin1(file)));
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", file);
    return ok;
}

QWidget* keyTarget(QWidget* chooser) {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : chooser;
}

// Clicks into a chooser's text and types, a key per character.
void typeInto(QComboBox* chooser, const QString& text) {
    chooser->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(chooser->window()))
        std::fprintf(stderr, "the window did not become active\n");
    QTest::mouseClick(chooser->lineEdit(), Qt::LeftButton);
    settle();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(keyTarget(chooser), ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, keyTarget(chooser), Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, keyTarget(chooser), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void pressKey(QComboBox* chooser, Qt::Key key) {
    QTest::keyClick(keyTarget(chooser), key);
    settle();
}

// Selects the first entry whose text begins with `text`.
void choose(QWidget* window, const char* name, const QString& text, bool exact = false) {
    QComboBox* chooser = child<QComboBox>(window, name);
    for (int row = 0; row < chooser->count(); ++row) {
        if (exact ? chooser->itemText(row) == text : chooser->itemText(row).startsWith(text)) {
            chooser->setCurrentIndex(row);
            return;
        }
    }
    std::fprintf(stderr, "no %s in %s\n", qPrintable(text), name);
}

// Thunderbolt learners of speed 100 and more, fastest first, while "しん" is typed into わざ２;
// then, with every method and edition box cleared, the empty list and its reason.
bool searchPictures(SettingsFile& settings, const QDir& out) {
    SearchWindow search(settings);
    search.bringForward();
    const char* const boxes[] = {"check_level", "check_mw", "check_qx", "check_zv", "check_jy", "check_tk"};
    for (const char* box : boxes)
        child<QCheckBox>(&search, box)->setChecked(true);
    choose(&search, "combo_l4", named("100以上", "100"));
    choose(&search, "combo_wt1", named("でんき", "Electric"));
    choose(&search, "combo_wn1", named("１０まんボルト", "Thunderbolt"));
    QHeaderView* header = child<QTableView>(&search, "list_result")->horizontalHeader();
    constexpr int kSpeedColumn = 12;
    const QPoint speed(header->sectionViewportPosition(kSpeedColumn) + header->sectionSize(kSpeedColumn) / 2,
                       header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, speed);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, speed); // descending
    typeInto(child<QComboBox>(&search, "combo_wn2"), named("しん", "extr"));
    bool ok = save(picture(search), out, "search_window.png");
    pressKey(child<QComboBox>(&search, "combo_wn2"), Qt::Key_Escape);

    for (const char* box : boxes)
        child<QCheckBox>(&search, box)->setChecked(false);
    const QImage whole = picture(search);
    const QWidget* reason = child<QWidget>(&search, "label_reason");
    const QWidget* moves = child<QWidget>(&search, "radio_w1");
    const int top = moves->mapTo(&search, QPoint()).y() - 40;
    const int bottom = reason->mapTo(&search, QPoint(0, reason->height())).y() + 40;
    return save(whole.copy(0, top, whole.width(), bottom - top), out, "search_reason.png") && ok;
}

bool detailPicture(SettingsFile& settings, const QDir& out) {
    DetailWindow detail(settings);
    detail.showSpecies(kDeoxysDefense);
    return save(picture(detail), out, "detail_window.png");
}

// ビクティニ found by its English name, at level 50 and ようき, with the top rows of HP, attack
// and defence picked.
bool ivJudgePicture(SettingsFile& settings, const QDir& out) {
    IvJudgeWindow judge(settings);
    judge.bringForward();
    QComboBox* species = child<QComboBox>(&judge, "combo_vant");
    typeInto(species, QStringLiteral("victini"));
    pressKey(species, Qt::Key_Return);
    choose(&judge, "combo_level", QStringLiteral("50"), true);
    choose(&judge, "combo_seikaku", named("ようき", "Jolly"));
    child<QCheckBox>(&judge, "check_mezapa")->setChecked(true);
    const char* const picks[3] = {"175", "120", "120"};
    for (int stat = 0; stat < 3; ++stat) {
        auto* list = judge.findChild<QListView*>(QStringLiteral("list_%1").arg(stat));
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (index.data().toString().startsWith(QString::fromLatin1(picks[stat]))) {
                list->scrollTo(index);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
                break;
            }
        }
    }
    return save(picture(judge), out, "iv_judge_window.png");
}

// A trained ガブリアス (level 50, ようき, 252 attack and speed EVs): its six stats typed, each with
// Enter, its characteristic and its hidden-power type chosen.
bool ivJudgeTrainedPicture(SettingsFile& settings, const QDir& out) {
    IvJudgeWindow judge(settings);
    judge.bringForward();
    QComboBox* species = child<QComboBox>(&judge, "combo_vant");
    typeInto(species, QStringLiteral("garchomp"));
    pressKey(species, Qt::Key_Return);
    choose(&judge, "combo_level", QStringLiteral("50"), true);
    choose(&judge, "combo_seikaku", named("ようき", "Jolly"));
    child<QCheckBox>(&judge, "check_mezapa")->setChecked(true);
    child<QSpinBox>(&judge, "spin_ev_1")->setValue(252);
    child<QSpinBox>(&judge, "spin_ev_5")->setValue(252);
    const char* const shown[6] = {"183", "182", "115", "90", "105", "169"};
    for (int stat = 0; stat < 6; ++stat) {
        auto* field = judge.findChild<QLineEdit*>(QStringLiteral("edit_stat_%1").arg(stat));
        field->setText(QString::fromLatin1(shown[stat]));
        QTest::keyClick(field, Qt::Key_Return);
    }
    choose(&judge, "combo_kosei", named("あばれることが", "Likes to thrash"));
    choose(&judge, "combo_mezapa_type", named("ドラゴン", "Dragon"), true);
    return save(picture(judge), out, "iv_judge_trained.png");
}

bool topPicture(SettingsFile& settings, const QDir& out) {
    TopWindow top(settings);
    top.show();
    return save(picture(top), out, "top_window.png");
}

// "chu" typed into the species chooser of a new entry; then a ピカチュウ registered and opened again.
bool editPictures(SettingsFile& settings, const QDir& out) {
    BoxWindows windows(settings);
    BoxWindow& box = windows.boxWindow();
    box.showTool(ShowCommand::Show);
    QTest::mouseClick(child<QPushButton>(&box, "newButton"), Qt::LeftButton);
    EntryEditWindow& edit = windows.editWindow();
    settle();
    child<QLineEdit>(&edit, "edit_name")->setText(named("ぴかちゃん改", "Sparky"));
    QComboBox* species = child<QComboBox>(&edit, "combo_species");
    typeInto(species, QStringLiteral("chu"));
    bool ok = save(picture(edit), out, "find_by_typing.png");
    pressKey(species, Qt::Key_Return);

    choose(&edit, "combo_level", QStringLiteral("55"), true);
    choose(&edit, "combo_nature", named("ゆうかん", "Brave"));
    choose(&edit, "combo_item", named("こだわりハチマキ", "Choice Band"));
    const int evs[6] = {4, 252, 0, 0, 0, 252};
    for (int stat = 0; stat < 6; ++stat) {
        child<QLineEdit>(&edit, qPrintable(QStringLiteral("edit_iv%1").arg(stat)))->setText(QStringLiteral("31"));
        child<QLineEdit>(&edit, qPrintable(QStringLiteral("edit_ev%1").arg(stat)))->setText(QString::number(evs[stat]));
    }
    choose(&edit, "combo_type1", named("でんき", "Electric"));
    choose(&edit, "combo_move1", named("１０まんボルト", "Thunderbolt"), true);
    choose(&edit, "combo_type2", named("ノーマル", "Normal"));
    choose(&edit, "combo_move2", named("めざめるパワー", "Hidden Power"), true);
    choose(&edit, "combo_type4", named("でんき", "Electric"));
    choose(&edit, "combo_move4", named("かみなり", "Thunder"), true);
    YesDialogs yes;
    setDialogs(&yes);
    QTest::mouseClick(child<QPushButton>(&edit, "button_register"), Qt::LeftButton);
    settle();
    QTest::mouseClick(child<QPushButton>(&box, "editButton"), Qt::LeftButton);
    child<QLineEdit>(&edit, "edit_name")->setFocus();
    ok = save(picture(edit), out, "entry_edit_window.png") && ok;
    setDialogs(nullptr);
    return ok;
}

} // namespace

bool writeWindowPictures(const QDir& out) {
    // Each window from its first start, in a directory of its own (an empty box).
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    SettingsFile settings((work.path() + QStringLiteral("/rusrina.ini")).toStdString());
    bool ok = topPicture(settings, out);
    ok = searchPictures(settings, out) && ok;
    ok = detailPicture(settings, out) && ok;
    ok = ivJudgePicture(settings, out) && ok;
    ok = ivJudgeTrainedPicture(settings, out) && ok;
    ok = editPictures(settings, out) && ok;
    QDir::setCurrent(previous);
    return ok;
}

} // namespace rusrina
