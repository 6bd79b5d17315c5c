#include "ui/common/status_line.h"

namespace rusrina {

StatusLine::StatusLine(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    m_expiry.setSingleShot(true);
    m_expiry.setInterval(kMessageMs);
    connect(&m_expiry, &QTimer::timeout, this, [this] { setText(m_notice); });
}

void StatusLine::setNotice(const QString& notice) {
    // A notice answers the user's latest input, so it replaces a message still up.
    m_expiry.stop();
    m_notice = notice;
    setText(notice);
}

void StatusLine::showMessage(const QString& message) {
    setText(message);
    setToolTip(message);
    m_expiry.start();
}

} // namespace rusrina
