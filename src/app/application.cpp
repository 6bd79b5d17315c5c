#include "app/application.h"

#include "app/program_icon.h"
#include "app/top_window.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

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

} // namespace

int runApplication(int argc, char** argv) {
    return runApplication(argc, argv, nullptr);
}

int runApplication(int argc, char** argv, const std::function<void(QWidget& topWindow)>& onTopWindowShown) {
    QApplication app(argc, argv);
    app.setWindowIcon(programIcon());
    // The tool windows are top-level windows of their own: only the launcher's close ends the run.
    app.setQuitOnLastWindowClosed(false);

    const std::filesystem::path executableDir = QCoreApplication::applicationDirPath().toStdString();
    const auto dataDir = chooseDataDirectory(executableDir, environment("XDG_CONFIG_HOME"), environment("HOME"),
                                             isInstalledCopy(executableDir));
    std::error_code ec;
    std::filesystem::current_path(dataDir, ec); // the default box file resolves against it

    SettingsFile settings(dataDir / std::string(kSettingsFileName));
    settings.applyVersionRule();

    TopWindow top(settings);
    QObject::connect(&top, &QDialog::finished, &app, &QCoreApplication::quit);
    if (onTopWindowShown)
        new ShownWatcher(top, onTopWindowShown);
    top.show();
    return app.exec();
}

} // namespace rusrina
