#include "box/box.h"
#include "format/set_text_import.h"
#include "view/common/status_texts.h"

#include "ui/session/box_document.h"

#include "ui/common/qt_text.h"
#include "ui/session/box_history.h"

#include <QCoreApplication>

#include <algorithm>

namespace rusrina {
namespace {

// A summary of several lines as the status line shows it.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// The rows a registration touched: its own, or a new one after the last.
BoxChange writtenRow(int slot, int countBefore) {
    if (slot < countBefore)
        return {.rows = BoxChange::Rows::Rewritten, .first = slot, .last = slot};
    return {.rows = BoxChange::Rows::Appended};
}

} // namespace

BoxDocument::BoxDocument(const std::filesystem::path& boxFile, QObject* parent)
    : QObject(parent), m_box(std::make_unique<Box>()),
      m_file(std::make_unique<BoxFile>(std::filesystem::absolute(boxFile))), m_openedPath(m_file->path()) {
    m_history = new BoxHistory(
        *m_box,
        [this](const BoxEdit& edit, bool undone, const QString& text, StepPair pair) {
            showHistoryStep(edit, undone, text, pair);
        },
        this);
}

BoxDocument::~BoxDocument() = default;

LoadResult BoxDocument::open() {
    return m_file->load(*m_box);
}

bool BoxDocument::hasUnsavedChanges() const {
    return !m_history->isClean();
}

// --- The pair's slots ---------------------------------------------------------------------------

const BoxEntry* BoxDocument::attacker() const {
    return m_box->inUse(m_attacker) ? &m_box->entry(m_attacker) : nullptr;
}

const BoxEntry* BoxDocument::defender() const {
    return m_box->inUse(m_defender) ? &m_box->entry(m_defender) : nullptr;
}

void BoxDocument::setAttacker(int slot) {
    showPair(slot, m_defender);
}

void BoxDocument::setDefender(int slot) {
    m_defender = m_box->inUse(slot) ? slot : -1;
    Q_EMIT pairChanged(PairChange::Defender);
}

void BoxDocument::swapSides() {
    showPair(m_defender, m_attacker);
}

void BoxDocument::showPair(int attacker, int defender) {
    m_defender = m_box->inUse(defender) ? defender : -1;
    m_attacker = m_box->inUse(attacker) ? attacker : -1;
    Q_EMIT pairChanged(PairChange::Both);
}

// --- Changes of the box --------------------------------------------------------------------------

// The sides as the core's list rules take them, with an edit form taken as open on an existing
// entry: what a rule leaves of that says whether the form closes.
StepPair BoxDocument::currentPair() const {
    return {m_attacker, m_defender};
}

BoxListState BoxDocument::pairState() const {
    return {-1, m_attacker, m_defender, true};
}

ListOperationResult BoxDocument::runListOperation(ListOperation operation, int selectedRow, const QString& step) {
    BoxListState state = pairState();
    state.selected = selectedRow;
    ListOperationResult result = applyListOperation(*m_box, operation, state, m_pairOnMove);
    if (result.changed) {
        m_history->record(std::move(result.edit), step, currentPair(), {state.attacker, state.defender});
        Q_EMIT boxChanged(
            {.rows = operation == ListOperation::Delete ? BoxChange::Rows::Removed : BoxChange::Rows::Rewritten,
             .first = result.firstRow,
             .last = result.lastRow,
             .select = state.selected,
             .closesEditForm = !state.editingExisting});
    }
    showPair(state.attacker, state.defender);
    return result;
}

StoreResult BoxDocument::registerEntry(int slot, const BoxEntry& entry) {
    return registerEntry(slot, entry, m_box->inUse(slot) ? m_box->extra(slot) : EntryExtra{});
}

StoreResult BoxDocument::registerEntry(int slot, const BoxEntry& entry, const EntryExtra& extra) {
    const int countBefore = m_box->count();
    StoreEdit stored = applyStore(*m_box, slot, entry, extra);
    if (!stored.result.ok())
        return stored.result;
    m_history->record(std::move(stored.edit), QCoreApplication::translate("BoxDocument", "登録"), currentPair(),
                      currentPair());
    const BoxListState state = stateAfterRegistration(pairState(), stored.result.slot);
    BoxChange change = writtenRow(stored.result.slot, countBefore);
    change.select = state.selected;
    change.closesEditForm = !state.editingExisting;
    Q_EMIT boxChanged(change);
    // The sides stay, shown again in case the entry written is one of them.
    showPair(state.attacker, state.defender);
    return stored.result;
}

bool BoxDocument::replaceEntry(int slot, const BoxEntry& entry, const QString& step) {
    if (!m_box->inUse(slot))
        return false;
    StoreEdit stored = applyStore(*m_box, slot, entry);
    if (!stored.result.ok())
        return false;
    m_history->record(std::move(stored.edit), step, currentPair(), currentPair());
    // As after a step of the history: an edit form open on an existing entry was filled from the
    // box as it was, and closes; the sides stay and show the entry as it is now.
    Q_EMIT boxChanged({.rows = BoxChange::Rows::Rewritten, .first = slot, .last = slot, .closesEditForm = true});
    showPair(m_attacker, m_defender);
    Q_EMIT statusMessage(QCoreApplication::translate("BoxDocument", "%1：%2").arg(step, toQt(entryNameUtf8(entry))));
    return true;
}

void BoxDocument::recordAppended(const Box& before, const QString& step, std::optional<int> select) {
    m_history->record(recordAppend(before, *m_box), step, currentPair(), currentPair());
    Q_EMIT boxChanged({.rows = BoxChange::Rows::Appended, .select = select});
    // The pair is as it was, but whatever reads the whole box (the matrix) has new entries to show.
    Q_EMIT pairChanged(PairChange::Neither);
}

SetAppendResult BoxDocument::appendTextSets(const std::vector<ParsedSet>& sets) {
    const auto before = std::make_unique<Box>(*m_box);
    const SetAppendResult result = appendSets(*m_box, sets);
    if (result.added > 0)
        recordAppended(*before, QCoreApplication::translate("BoxDocument", "テキスト入力"), result.firstSlot);
    Q_EMIT statusMessage(toQt(setAppendSummaryText(result)));
    return result;
}

ImportResult BoxDocument::importFile(const std::filesystem::path& path) {
    const auto before = std::make_unique<Box>(*m_box);
    const ImportResult result = importBoxFile(*m_box, path);
    if (result.added > 0)
        recordAppended(*before, QCoreApplication::translate("BoxDocument", "インポート"), std::nullopt);
    if (result.status != ImportResult::Status::OpenFailed)
        Q_EMIT statusMessage(toQt(oneLine(importSummaryText(result))));
    return result;
}

void BoxDocument::showHistoryStep(const BoxEdit& edit, bool undone, const QString& text, StepPair pair) {
    const BoxListState state = stateAfterEditStep(pairState(), edit, undone, *m_box);
    Q_EMIT boxChanged(
        {.rows = BoxChange::Rows::Reset, .select = state.selected, .closesEditForm = !state.editingExisting});
    // The pair comes back as it was with the step: the box is again as the step found or left it.
    showPair(pair.attacker, pair.defender);
    Q_EMIT statusMessage(toQt(historyStepText(undone, fromQt(text))));
}

// --- Saving and recovery -------------------------------------------------------------------------

SaveResult BoxDocument::save(SaveCheck check) {
    const SaveResult result = m_file->save(*m_box, check);
    if (result.ok)
        markSaved();
    return result;
}

SaveResult BoxDocument::saveAs(const std::filesystem::path& path) {
    const SaveResult result = m_file->saveAs(*m_box, path);
    if (result.ok)
        markSaved();
    return result;
}

void BoxDocument::markSaved() {
    m_history->setClean();
    dropOwnRecovery();
    Q_EMIT statusMessage(toQt(savedText(m_file->path().string())));
}

void BoxDocument::dropOwnRecovery() {
    if (m_ownRecovery.empty())
        return;
    removeRecovery(m_ownRecovery);
    m_ownRecovery.clear();
}

std::filesystem::path BoxDocument::recoveryPath() const {
    if (!m_ownRecovery.empty())
        return m_ownRecovery;
    if (const std::vector<Recovery> found = recoveries(); !found.empty())
        return found.front().path;
    return recoveryPathFor(m_openedPath);
}

bool BoxDocument::hasRecoveryFile() const {
    return !recoveries().empty();
}

std::vector<Recovery> BoxDocument::recoveries() const {
    return findRecoveries(m_openedPath);
}

void BoxDocument::deleteRecoveryFile() {
    deleteRecovery(recoveryPath());
}

void BoxDocument::deleteRecovery(const std::filesystem::path& recovery) {
    removeRecovery(recovery);
    if (recovery == m_ownRecovery)
        m_ownRecovery.clear();
}

bool BoxDocument::writeRecovery() {
    if (!hasUnsavedChanges())
        return true;
    const bool claimed = m_ownRecovery.empty();
    const std::filesystem::path path = claimed ? claimRecoveryPath(m_openedPath) : m_ownRecovery;
    RecoveryOrigin origin{.boxFile = m_file->path(),
                          .identity = m_file->identityKnown() ? m_file->identity() : fileIdentity(m_file->path()),
                          .identityKnown = true};
    const SaveResult result = rusrina::writeRecovery(*m_box, path, m_openedPath, origin);
    if (result.ok)
        m_ownRecovery = path;
    else if (claimed && !path.empty())
        removeRecovery(path); // the name taken for it, and its info
    return result.ok;
}

LoadResult BoxDocument::restoreRecovery() {
    return restoreRecovery(readRecovery(recoveryPath(), m_openedPath));
}

LoadResult BoxDocument::restoreRecovery(const Recovery& recovery, RestoreOver over) {
    if (recovery.load.status != LoadResult::Status::Loaded)
        return recovery.load;
    *m_box = recovery.box;
    if (restoreTargetAllowed(recovery.origin.boxFile, m_openedPath)) {
        *m_file = BoxFile(recovery.origin.boxFile);
        const bool asRecorded = over == RestoreOver::AsRecorded && recovery.origin.identityKnown;
        m_file->adoptRecovered(asRecorded ? recovery.origin.identity : fileIdentity(recovery.origin.boxFile));
    } else {
        // The file its info names is never touched, nor named again by a later recovery: the box
        // belongs to the file opened, and a save asks for a name.
        *m_file = BoxFile(m_openedPath);
        m_file->adoptRecovered(fileIdentity(m_openedPath));
        over = RestoreOver::NewName;
    }
    if (over == RestoreOver::NewName)
        m_file->requireNewName();
    m_history->clear(); // its steps were made on the box just replaced
    m_ownRecovery = recovery.path;
    m_history->resetClean(); // restored, not saved: the box file still holds the older box
    Q_EMIT boxChanged({.rows = BoxChange::Rows::Reset, .select = 0, .closesEditForm = true});
    showPair(-1, -1);
    return recovery.load;
}

} // namespace rusrina
