#include "app/application.h"

#include "app/program_icon.h"
#include "app/program_language.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "app/top_window.h"
#include "files/atomic_file.h"
#include "settings/settings_file.h"
#include "ui/common/dialogs.h"
#include "ui/session/box_document.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>

namespace rusrina {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Tells once that the top window has been shown.
class ShownWatcher : public QObject {
public:
    ShownWatcher(QWidget& window, std::function<void(QWidget&)> onShown)
        : QObject(&window), m_window(window), m_onShown(std::move(onShown)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show && m_onShown) {
            auto onShown = std::move(m_onShown);
            m_onShown = nullptr;
            // Queued, so that the window has finished showing when the caller looks.
            QTimer::singleShot(0, &m_window, [this, onShown] { onShown(m_window); });
        }
        return false;
    }

private:
    QWidget& m_window;
    std::function<void(QWidget&)> m_onShown;
};

// The launcher from its creation to its close. A second start on the same directory brings it to
// the front; the end of the session or a signal to end keeps the unsaved box in the recovery file
// and ends the run without questions (the windows still write their settings as they close).
int runTopWindow(SettingsFile& settings, SingleInstance& instance, TerminationSignals& terminations,
                 const std::function<void(QWidget& topWindow)>& onTopWindowShown) {
    TopWindow top(settings);
    QObject::connect(&top, &QDialog::finished, qApp, &QCoreApplication::quit);
    QObject::connect(&instance, &SingleInstance::activationRequested, &top, [&top] {
        top.showNormal();
        top.raise();
        top.activateWindow();
    });
    const auto keepUnsavedBox = [&top] {
        if (BoxDocument* document = top.boxDocument())
            document->writeRecovery();
    };
    // Direct: the session manager expects the data kept before the signal returns.
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &top, [keepUnsavedBox](QSessionManager&) { keepUnsavedBox(); },
        Qt::DirectConnection);
    QObject::connect(&terminations, &TerminationSignals::received, &top, keepUnsavedBox);
    if (terminations.requested()) { // during a question the launcher asked as it opened
        keepUnsavedBox();
        return 0;
    }
    if (onTopWindowShown)
        new ShownWatcher(top, onTopWindowShown);
    top.show();
    return QApplication::exec();
}

// The language of the run, before the first message: the command line's, else the one stored in the
// settings (read here on their own, as the settings proper are read once the directory is ours).
// Whatever language the desktop runs in, the program's texts are Japanese unless English was chosen,
// and so are Qt's own texts (the standard buttons of a question, the file dialog), taken from Qt's
// Japanese catalogue rather than from the system locale; a system without that catalogue shows them
// in English.
void chooseLanguage(QApplication& app, const std::filesystem::path& settingsPath) {
    const std::optional<text::TextLanguage> given = languageFromArguments(QCoreApplication::arguments());
    applyLanguage(app, given ? *given : storedLanguage(SettingsFile(settingsPath)));
}

} // namespace

text::TextLanguage commandLanguage(const QStringList& arguments) {
    if (const std::optional<text::TextLanguage> given = languageFromArguments(arguments))
        return *given;
    std::error_code ec;
    std::filesystem::path executableDir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec && !arguments.isEmpty())
        executableDir = std::filesystem::absolute(arguments.front().toStdString(), ec).parent_path();
    const auto dataDir = findDataDirectory(executableDir, environment("XDG_CONFIG_HOME"), environment("HOME"),
                                           isInstalledCopy(executableDir));
    return storedLanguage(SettingsFile(dataDir / std::string(kSettingsFileName)));
}

int runApplication(int argc, char** argv) {
    return runApplication(argc, argv, nullptr);
}

bool installQtJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runApplication(int argc, char** argv, const std::function<void(QWidget& topWindow)>& onTopWindowShown) {
    QApplication app(argc, argv);
    // A signal to end leaves every event loop, an open question's too; what is open then closes as
    // it is destroyed, writing its settings, and the unsaved box goes to the recovery file.
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &app, [] { QCoreApplication::exit(0); });
    app.setWindowIcon(programIcon());
    // The application id the desktop entry and the software-centre listing are named by, so that a
    // desktop matches the windows to the entry's name and icon.
    app.setDesktopFileName(QStringLiteral("io.github.rusrina.Rusrina"));
    // The tool windows are top-level windows of their own: only the launcher's close ends the run.
    app.setQuitOnLastWindowClosed(false);

    const std::filesystem::path executableDir = QCoreApplication::applicationDirPath().toStdString();
    const auto dataDir = chooseDataDirectory(executableDir, environment("XDG_CONFIG_HOME"), environment("HOME"),
                                             isInstalledCopy(executableDir));
    std::error_code ec;
    std::filesystem::current_path(dataDir, ec); // the default box file resolves against it
    chooseLanguage(app, dataDir / std::string(kSettingsFileName));

    const QString dataDirText = QString::fromStdString(dataDir.string());
    SingleInstance instance(dataDirText);
    switch (instance.claim()) {
    case SingleInstance::Claim::Taken:
        if (instance.activateRunning() || terminations.requested())
            return 0;
        dialogs().message(nullptr, QCoreApplication::translate("Application", "ルセリナ"),
                          alreadyRunningText(dataDirText));
        return 1;
    case SingleInstance::Claim::Unguarded:
        dialogs().message(nullptr, QCoreApplication::translate("Application", "ルセリナ"), unguardedText(dataDirText));
        break;
    case SingleInstance::Claim::Owner:
        break;
    }
    removeStaleTemporaryFiles(dataDir); // left by a run that was killed while it saved

    SettingsFile settings(dataDir / std::string(kSettingsFileName));
    if (const std::string problem = settings.loadProblemText(); !problem.empty())
        dialogs().message(nullptr, QCoreApplication::translate("Application", "設定ファイル"),
                          QString::fromStdString(problem));
    if (terminations.requested())
        return 0;
    settings.applyVersionRule();

    const int status = runTopWindow(settings, instance, terminations, onTopWindowShown);
    settings.flush(); // once, after every window has written its keys
    return status;
}

} // namespace rusrina
