#include "format/box_file.h"

#include "app/box_windows.h"

#include "ui/box/box_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/session/box_session.h"

namespace rusrina {

BoxWindows::BoxWindows(SettingsFile& settings) : m_session(std::make_unique<BoxSession>(kDefaultBoxFileName)) {
    m_edit = std::make_unique<EntryEditWindow>(*m_session, settings);
    m_matrix = std::make_unique<MatrixWindow>(*m_session, settings);
    const LoadResult loaded = m_session->open();
    m_box = std::make_unique<BoxWindow>(*m_session, settings);
    m_box->addOwnedTool(m_edit.get());
    m_box->addOwnedTool(m_matrix.get());
    m_edit->setOpenedFrom(m_box.get());

    EntryEditWindow* edit = m_edit.get();
    MatrixWindow* matrix = m_matrix.get();
    QObject::connect(m_box.get(), &BoxWindow::editRequested, edit, &EntryEditWindow::openOn);
    QObject::connect(m_box.get(), &BoxWindow::matrixRequested, matrix, [matrix] {
        matrix->showTool(ShowCommand::Show);
        matrix->raise();
        matrix->activateWindow();
    });
    m_box->reportOpening(loaded);
}

BoxWindows::~BoxWindows() {
    m_box.reset();
    m_matrix.reset();
    m_edit.reset();
}

} // namespace rusrina
