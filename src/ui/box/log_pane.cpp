#include "ui/box/log_pane.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace rusrina {

LogPane::LogPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("logPane"));
    m_toggle = new QToolButton(parent);
    m_toggle->setObjectName(QStringLiteral("logToggle"));
    m_toggle->setText(QCoreApplication::translate("LogPane", "計算過程"));
    m_toggle->setToolTip(QCoreApplication::translate("LogPane", "「詳細取得」でコピーした計算過程をここに表示します"));
    m_toggle->setCheckable(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setArrowType(Qt::RightArrow);
    m_toggle->setAutoRaise(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("logText"));
    m_text->setReadOnly(true);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 10);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    setVisible(false);
    connect(m_toggle, &QToolButton::toggled, this, [this](bool open) {
        m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        setVisible(open);
    });
}

bool LogPane::isOpen() const {
    return m_toggle->isChecked();
}

void LogPane::showLog(int row, const QString& log) {
    m_row = row;
    QString text = log;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);
}

} // namespace rusrina
