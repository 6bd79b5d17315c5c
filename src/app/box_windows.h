#pragma once
// The box session of the default box file and the windows that work on it: the box and damage
// window, the entry edit window and the matrix and spread finder window. The windows know the
// session, not each other; here their requests are wired (the edit form on a slot, the matrix
// brought up) and the two others follow the box window's minimise and restore.

#include <memory>

namespace rusrina {

class BoxSession;
class BoxWindow;
class EntryEditWindow;
class MatrixWindow;
class SettingsFile;

class BoxWindows {
public:
    // Opens the default box file of the current directory, makes the windows (hidden), then lets
    // the box window say what the file left out and offer a recovery file.
    explicit BoxWindows(SettingsFile& settings);
    // The box window first, then the matrix and the edit window, each writing its own keys; the
    // session last.
    ~BoxWindows();
    BoxWindows(const BoxWindows&) = delete;
    BoxWindows& operator=(const BoxWindows&) = delete;

    BoxSession& session() const { return *m_session; }
    BoxWindow& boxWindow() const { return *m_box; }
    EntryEditWindow& editWindow() const { return *m_edit; }
    MatrixWindow& matrixWindow() const { return *m_matrix; }

private:
    std::unique_ptr<BoxSession> m_session;
    std::unique_ptr<EntryEditWindow> m_edit;
    std::unique_ptr<MatrixWindow> m_matrix;
    std::unique_ptr<BoxWindow> m_box;
};

} // namespace rusrina
