#pragma once
// A line at the foot of a window that says what a button just did ("保存しました：…", "…をコピー
// しました"): a short-lived message that gives way after a few seconds to the window's lasting
// notice, if it has one. It never takes the focus or asks anything, unlike a message box.

#include <QLabel>
#include <QTimer>

namespace rusrina {

class StatusLine : public QLabel {
    Q_OBJECT

public:
    static constexpr int kMessageMs = 5000;

    StatusLine(const QString& name, QWidget* parent);

    // The text the line shows from now on when no message is up (empty for none).
    void setNotice(const QString& notice);
    // Shows `message` for kMessageMs, then the notice again.
    void showMessage(const QString& message);
    const QString& notice() const { return m_notice; }

private:
    QString m_notice;
    QTimer m_expiry;
};

} // namespace rusrina
