#include "ui/ivjudge/iv_judge_window.h"

#include "app/product_title.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace rusrina {

IvJudgeWindow::IvJudgeWindow(SettingsFile& settings, QWidget* parent) : ToolWindow(settings, QStringLiteral("ParaCheck"), parent) {
    setObjectName(QStringLiteral("ivJudgeWindow"));
    setWindowTitle(QString::asprintf("%s バントレ個体値Ｖ判定", ProductTitle));

    auto* hideButton = new QPushButton(QStringLiteral("閉じる"), this);
    hideButton->setObjectName(QStringLiteral("hideButton"));
    connect(hideButton, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(hideButton);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(480, 320);
}

} // namespace rusrina
