#pragma once
// The box document: what every window that lists or changes the box works on. It holds the box and
// its file, the history of the changes made to it, the recovery files, and the slots of the
// attacker and defender, which the list operations and the history move with their entries; and it
// tells the windows what changed. What the pair computes lives beside it (ui/session/battle_session.h).
// The windows show it and hand it what the user did; they never talk to each other. Nothing here
// shows a widget or asks a question: where the user must decide (a file changed on disk, one
// without write permission, a recovery file, unsaved changes), a call says what happened and the
// window asks and calls again.

#include "format/box_file.h"
#include "format/recovery_file.h"
#include "format/set_text_import.h"
#include "view/box/box_list.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace rusrina {

class BoxHistory;
struct StepPair;

// What a change did to the rows of the box list, so that a list follows without reading every row.
struct BoxChange {
    enum class Rows {
        Rewritten, // rows first..last hold other entries (a move, a replaced entry)
        Removed,   // row `first` was deleted; the rows after it moved up
        Appended,  // entries were added after the last row
        Reset,     // any row may have changed: every row is read again
    };
    Rows rows = Rows::Reset;
    int first = -1;
    int last = -1;
    // The row the change leaves selected (-1: none); empty: the selection stays as it is.
    std::optional<int> select = std::nullopt;
    // An edit form open on an existing entry closes: it refers to its entry by slot, and that slot
    // may now hold another creature, or the creature as it was before the form was filled.
    bool closesEditForm = false;
    bool operator==(const BoxChange&) const = default;
};

// What a change did to the pair, so that whatever computes over it knows what to build again.
enum class PairChange {
    Both,     // both sides were set, or set again: the attacker's learnable moves start afresh
    Defender, // the defender alone was set, or set again
    Neither,  // the sides are as they were, but entries were added around them
};

class BoxDocument : public QObject {
    Q_OBJECT

public:
    // The document of the box file at `boxFile` (made absolute against the current directory), with
    // an empty box until open() reads it. The recovery file lies beside it.
    explicit BoxDocument(const std::filesystem::path& boxFile, QObject* parent = nullptr);
    ~BoxDocument() override;

    // Reads the box file; a file that could not be read in full is described in the result
    // (loadSummaryText words it).
    LoadResult open();

    const Box& box() const { return *m_box; }
    const BoxFile& file() const { return *m_file; }
    // Every change of the box made through the document is a step here.
    BoxHistory& history() const { return *m_history; }
    // The box differs from its file: a step was made or taken back since the last save, or a
    // recovery file was restored.
    bool hasUnsavedChanges() const;

    // --- The pair's slots -------------------------------------------------------------------------

    int attackerSlot() const { return m_attacker; }
    int defenderSlot() const { return m_defender; }
    // The entries of the sides; null for a side not set.
    const BoxEntry* attacker() const;
    const BoxEntry* defender() const;
    // Slot -1 (or any slot not in use) clears the side. Setting the attacker sets both sides again
    // (PairChange::Both); the defender alone is PairChange::Defender.
    void setAttacker(int slot);
    void setDefender(int slot);
    void swapSides();
    // PairOnMove::Clear (the default): the list operations clear both sides. Follow: each side
    // follows its entry through the moves and the deletion of another entry.
    void setPairOnMove(PairOnMove rule) { m_pairOnMove = rule; }
    PairOnMove pairOnMove() const { return m_pairOnMove; }

    // --- Changes of the box, each one step of the history ----------------------------------------

    // Applies a list operation to the entry in row `selectedRow` (-1: none), named `step` in the
    // history (its button's caption). Both sides are cleared, changed or not, since their slots
    // may have moved; or they follow their entries (setPairOnMove). Taking the step back or making
    // it again brings back the pair it found or left, as every step of the history does.
    ListOperationResult runListOperation(ListOperation operation, int selectedRow, const QString& step);
    // The edit form's "登録": overwrites the entry in `slot` when that slot is in use, else adds
    // the entry after the last, with what the box keeps beside its record (without `extra`, an
    // entry overwritten keeps its own, a new one nothing). The row written is selected; the sides
    // stay on their slots.
    StoreResult registerEntry(int slot, const BoxEntry& entry);
    StoreResult registerEntry(int slot, const BoxEntry& entry, const EntryExtra& extra);
    // Writes an in-use entry in place (a spread found for it) as a step named `step`. False,
    // changing nothing, when the slot is not in use or the entry is not valid.
    bool replaceEntry(int slot, const BoxEntry& entry, const QString& step);
    // "テキスト入力": appends the sets that read after the last entry, as one run of slots (one
    // step), selects the first added, and says how many were added for the status line.
    SetAppendResult appendTextSets(const std::vector<ParsedSet>& sets);
    // "インポート": merges another box file (importBoxFile) as one step, and says what it added
    // and left out for the status line; a file that cannot be opened is the window's to report.
    // Both this and appendTextSets tell of the pair (PairChange::Neither) when entries were added.
    ImportResult importFile(const std::filesystem::path& path);

    // --- Saving and recovery ---------------------------------------------------------------------

    // Writes the box to its file. A file changed by another program since (with
    // SaveCheck::DiskUnchanged), one without write permission and one that could not be read are
    // left alone, and the result's problem says which; the window asks and calls again.
    SaveResult save(SaveCheck check);
    // Writes the box to `path`, which from then on is the box's file.
    SaveResult saveAs(const std::filesystem::path& path);

    // --- Recoveries (format/recovery_file.h): beside the file the document opened, whatever name
    // later saves use, so that the next start finds them; each knows the box file it belongs to.

    // The recovery this document owns (restored from or written by it); else the newest beside the
    // file opened; else the name the first one would take.
    std::filesystem::path recoveryPath() const;
    // A recovery is there, left by a session that ended with unsaved changes.
    bool hasRecoveryFile() const;
    // Every recovery there, newest first, read.
    std::vector<Recovery> recoveries() const;
    // How a restored box's file is treated when it was changed since the recovery's session read it.
    enum class RestoreOver {
        AsRecorded, // a save notices a change made since and asks
        Overwrite,  // the user chose to write over that change
        NewName,    // the user chose another name: a save asks for it
    };
    // Makes the recovery's box this document's box: unsaved, with an empty history, owning the
    // recovery, and belonging to the box file the recovery came from (a save writes there) when
    // that file may be saved to (restoreTargetAllowed); else a save asks for a name. A recovery
    // that cannot be read changes nothing; the result says why.
    LoadResult restoreRecovery(const Recovery& recovery, RestoreOver over = RestoreOver::AsRecorded);
    // restoreRecovery() and deleteRecoveryFile() on recoveryPath().
    LoadResult restoreRecovery();
    void deleteRecoveryFile();
    void deleteRecovery(const std::filesystem::path& recovery);
    // When the session ends without the unsaved-changes question (a signal to end, the desktop
    // session closing): writes the unsaved box to the recovery this document owns, or to a new one
    // beside those kept for later. Returns false only when there were changes and they could not
    // be written.
    bool writeRecovery();
    // The user chose to keep nothing of this session ("No" to the unsaved-changes question): a
    // recovery it wrote or restored goes. Those kept for later stay.
    void dropOwnRecovery();

Q_SIGNALS:
    // The box changed: its rows, the row to select, and whether an open edit form closes.
    void boxChanged(const BoxChange& change);
    // A side was set or cleared, or its entry rewritten, or entries were added around the pair;
    // after every change of the box that leaves the pair to be shown again.
    void pairChanged(PairChange change);
    // A line for the status line: a step taken back or made again, a save, an entry rewritten,
    // what an import or テキスト入力 added.
    void statusMessage(const QString& text);

private:
    BoxListState pairState() const;
    StepPair currentPair() const;
    // Sets both sides (defender first) and tells of them once.
    void showPair(int attacker, int defender);
    void showHistoryStep(const BoxEdit& edit, bool undone, const QString& text, StepPair pair);
    void recordAppended(const Box& before, const QString& step, std::optional<int> select);
    void markSaved();

    std::unique_ptr<Box> m_box;
    std::unique_ptr<BoxFile> m_file;
    BoxHistory* m_history = nullptr;
    // Recoveries are written beside the file the document opened, whatever name later saves use.
    std::filesystem::path m_openedPath;
    // The recovery that holds this document's work (restored from it, or written by it), so a save
    // or a "No" to the unsaved-changes question makes it obsolete; empty while there is none. Those
    // kept for later are never this one.
    std::filesystem::path m_ownRecovery;
    int m_attacker = -1;
    int m_defender = -1;
    PairOnMove m_pairOnMove = PairOnMove::Clear;
};

} // namespace rusrina

Q_DECLARE_METATYPE(rusrina::BoxChange)
Q_DECLARE_METATYPE(rusrina::PairChange)
