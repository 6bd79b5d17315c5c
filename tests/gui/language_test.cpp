// The language of the program's texts: chosen on the command line or in the About box, and, in
// English, answered from the catalogues built into the program, for the windows and the core alike.

#include "gui_test_support.h"

#include "app/about_box.h"
#include "app/program_language.h"
#include "text/ui_text.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <optional>

using namespace rusrina;
using rusrina::test::TempSettings;
using text::TextLanguage;

class LanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void argumentsNameTheLanguage();
    void aboutBoxStoresTheChoiceForTheNextStart();
    void englishTextsComeFromTheCatalogues();
};

void LanguageTest::argumentsNameTheLanguage() {
    const struct {
        QStringList arguments;
        std::optional<TextLanguage> language;
    } cases[] = {
        {{"rusrina"}, std::nullopt},
        {{"rusrina", "--lang", "en"}, TextLanguage::English},
        {{"rusrina", "--lang=ja"}, TextLanguage::Japanese},
        {{"rusrina", "--lang", "en", "--lang", "ja"}, TextLanguage::Japanese}, // the last one holds
        {{"rusrina", "--lang", "fr"}, std::nullopt},
        {{"rusrina", "--lang"}, std::nullopt},
        {{"rusrina", "en"}, std::nullopt},
    };
    for (const auto& c : cases)
        QVERIFY2(languageFromArguments(c.arguments) == c.language, qPrintable(c.arguments.join(' ')));
}

// English is written, Japanese (the default) takes the key out; the note says the choice waits for
// the next start only while it differs from the language of the run.
void LanguageTest::aboutBoxStoresTheChoiceForTheNextStart() {
    TempSettings temp;
    temp.settings().applyVersionRule();
    AboutBox box(temp.settings());
    auto* chooser = rusrina::test::child<QComboBox>(box, "languageChooser");
    auto* note = rusrina::test::child<QLabel>(box, "languageNote");
    QCOMPARE(chooser->currentText(), QStringLiteral("日本語"));
    const struct {
        const char* choice;
        int stored; // -1: no key
        bool noted;
    } steps[] = {{"English", 1, true}, {"日本語", -1, false}};
    for (const auto& step : steps) {
        chooser->setCurrentText(QString::fromUtf8(step.choice));
        QCOMPARE(temp.read("TopWindow", "Language", -1), step.stored);
        QCOMPARE(note->isVisibleTo(&box), step.noted);
        QCOMPARE(storedLanguage(temp.settings()) == TextLanguage::English, step.stored == 1);
    }
}

// Last: the run stays in English from here on.
void LanguageTest::englishTextsComeFromTheCatalogues() {
    applyLanguage(*qApp, TextLanguage::English);
    QCOMPARE(QCoreApplication::translate("AboutBox", "表示言語："), QStringLiteral("Language:"));
    QCOMPARE(text::uiText("AboutBox", "表示言語："), std::string("Language:"));
    QCOMPARE(text::uiText("AboutBox", "目録にない文"), std::string("目録にない文"));
    // Qt's own texts keep their English source texts.
    QMessageBox question(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Yes);
    QCOMPARE(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
