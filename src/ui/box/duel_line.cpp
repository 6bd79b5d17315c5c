#include "ui/box/duel_line.h"

#include "view/box/duel_text.h"

#include "ui/common/qt_text.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace rusrina {

DuelLine::DuelLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("duelLine"));
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("duelText"));
    m_line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // never widens the window
    m_line->setToolTip(QCoreApplication::translate(
        "BoxWindow", "2匹だけで戦い、それぞれいちばん早く倒せる技を使い続けたときの勝ち・引き分け・負けの確率"));
    m_logButton = new QToolButton(this);
    m_logButton->setObjectName(QStringLiteral("duelLogButton"));
    m_logButton->setText(QCoreApplication::translate("BoxWindow", "詳細"));
    m_logButton->setToolTip(
        QCoreApplication::translate("BoxWindow", "対面の最初のターンの分かれ方をコピーし、計算過程に表示します"));
    m_logButton->setAutoRaise(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_line, 1);
    row->addWidget(m_logButton);
    connect(m_logButton, &QToolButton::clicked, this, &DuelLine::logRequested);
    setVisible(false);
}

void DuelLine::showPair(const Scenario& scenario) {
    const DuelView view = duelViewOf(scenario);
    m_line->setText(toQt(view.line));
    m_log.clear();
    for (const std::string& line : view.log)
        m_log += toQt(line) + QStringLiteral("\r\n");
    m_logButton->setVisible(!m_log.isEmpty());
    setVisible(!view.line.empty());
}

} // namespace rusrina
