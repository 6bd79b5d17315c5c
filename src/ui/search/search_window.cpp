#include "ui/search/search_window.h"

#include "app/product_title.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace rusrina {

SearchWindow::SearchWindow(SettingsFile& settings, QWidget* parent) : ToolWindow(settings, QStringLiteral("Search"), parent) {
    setObjectName(QStringLiteral("searchWindow"));
    setWindowTitle(QString::asprintf("%s バントレ絞込み検索", ProductTitle));

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
