#include "ui/detail/detail_window.h"

#include "app/product_title.h"

#include <QVBoxLayout>

namespace rusrina {

DetailWindow::DetailWindow(SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QStringLiteral("DataView"), parent) {
    setObjectName(QStringLiteral("detailWindow"));
    setWindowTitle(QString::asprintf("%s バントレ詳細データ", ProductTitle));
    new QVBoxLayout(this);
    resize(640, 480);
}

void DetailWindow::showSpecies(int species) {
    m_species = species;
    showTool(ShowCommand::Show);
    raise();
    activateWindow();
}

} // namespace rusrina
