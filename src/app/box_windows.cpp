#include "format/box_file.h"

#include "app/box_windows.h"

#include "ui/box/box_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/sequence/sequence_window.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

namespace rusrina {

BoxWindows::BoxWindows(SettingsFile& settings)
    : m_document(std::make_unique<BoxDocument>(kDefaultBoxFileName)),
      m_battle(std::make_unique<BattleSession>(*m_document)) {
    m_edit = std::make_unique<EntryEditWindow>(*m_document, settings);
    m_matrix = std::make_unique<MatrixWindow>(*m_document, *m_battle, settings);
    m_sequence = std::make_unique<SequenceWindow>(*m_document, *m_battle, settings);
    const LoadResult loaded = m_document->open();
    m_box = std::make_unique<BoxWindow>(*m_document, *m_battle, settings);
    m_box->addOwnedTool(m_edit.get());
    m_box->addOwnedTool(m_matrix.get());
    m_box->addOwnedTool(m_sequence.get());
    m_edit->setOpenedFrom(m_box.get());

    EntryEditWindow* edit = m_edit.get();
    MatrixWindow* matrix = m_matrix.get();
    QObject::connect(m_box.get(), &BoxWindow::editRequested, edit, &EntryEditWindow::openOn);
    QObject::connect(m_box.get(), &BoxWindow::matrixRequested, matrix, [matrix] {
        matrix->showTool(ShowCommand::Show);
        matrix->raise();
        matrix->activateWindow();
    });
    QObject::connect(m_box.get(), &BoxWindow::sequenceRequested, m_sequence.get(), &SequenceWindow::bringForward);
    m_box->reportOpening(loaded);
}

BoxWindows::~BoxWindows() {
    m_box.reset();
    m_sequence.reset();
    m_matrix.reset();
    m_edit.reset();
    m_battle.reset();
}

} // namespace rusrina
