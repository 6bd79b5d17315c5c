#pragma once
// Every message box and file dialog of the program goes through here, so that tests can answer
// them without a person (see tests/gui/gui_test_support.h).

#include <QString>
#include <QStringList>

class QWidget;

namespace rusrina {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with an OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;

    // A modal Yes/No question with a question icon; true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;

    // A modal Yes/No/Cancel question with a question icon. Dialogs that do not offer Cancel
    // answer through question().
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text);

    // A modal question answered by one of `buttons`: the one at `defaultButton` answers Enter, the
    // last answers Escape. Returns the index of the button chosen. Dialogs that cannot ask answer
    // with the last. A question whose answer could replace a file makes a safe one the default.
    virtual int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
                       int defaultButton = 0);

    // The open-file dialog. `filter` is in Qt's form ("Name (*.ext);;All Files (*)");
    // `defaultSuffix` is appended when the user types a name without one. Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // The save-file dialog, with the same conventions.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
};

// The dialogs in use: the real Qt ones unless a test installed its own.
Dialogs& dialogs();

// Installs `replacement` (not owned) in place of the real dialogs; nullptr puts the real ones back.
void setDialogs(Dialogs* replacement);

} // namespace rusrina
