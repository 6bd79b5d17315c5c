#pragma once
// The box document of the default box file, the battle session over its pair, and the windows that
// work on them: the box and damage window, the entry edit window and the matrix and spread finder
// window. The windows know the document and the battle session, not each other; here their
// requests are wired (the edit form on a slot, the matrix brought up) and the two others follow
// the box window's minimise and restore.

#include <memory>

namespace rusrina {

class BattleSession;
class BoxDocument;
class BoxWindow;
class EntryEditWindow;
class MatrixWindow;
class SequenceWindow;
class SettingsFile;

class BoxWindows {
public:
    // Opens the default box file of the current directory, makes the windows (hidden), then lets
    // the box window say what the file left out and offer a recovery file.
    explicit BoxWindows(SettingsFile& settings);
    // The box window first, then the matrix and the edit window, each writing its own keys; the
    // the battle session and the document last.
    ~BoxWindows();
    BoxWindows(const BoxWindows&) = delete;
    BoxWindows& operator=(const BoxWindows&) = delete;

    BoxDocument& document() const { return *m_document; }
    BattleSession& battle() const { return *m_battle; }
    BoxWindow& boxWindow() const { return *m_box; }
    EntryEditWindow& editWindow() const { return *m_edit; }
    MatrixWindow& matrixWindow() const { return *m_matrix; }
    SequenceWindow& sequenceWindow() const { return *m_sequence; }

private:
    std::unique_ptr<BoxDocument> m_document;
    std::unique_ptr<BattleSession> m_battle;
    std::unique_ptr<EntryEditWindow> m_edit;
    std::unique_ptr<MatrixWindow> m_matrix;
    std::unique_ptr<SequenceWindow> m_sequence;
    std::unique_ptr<BoxWindow> m_box;
};

} // namespace rusrina
