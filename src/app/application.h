#pragma once

#include "text/ui_text.h"

#include <QStringList>

#include <functional>

class QCoreApplication;
class QWidget;

namespace rusrina {

// The whole run: chooses the data directory and makes it the current directory, fixes the
// settings path, applies the settings version rule, then runs the top window until it closes.
int runApplication(int argc, char** argv);

// The same run; `onTopWindowShown` is called once the top window is on screen. Used by the
// start-up measurement build, which ends the run from there.
int runApplication(int argc, char** argv, const std::function<void(QWidget& topWindow)>& onTopWindowShown);

// The language of a command-line verb's messages, for a run without windows: the one the arguments
// name, else the one chosen in the About box, read from the settings of the directory the windows
// would use (found without creating anything).
text::TextLanguage commandLanguage(const QStringList& arguments);

// Installs Qt's own Japanese catalogue (qtbase_ja) in `app`, so that the standard dialog buttons and
// texts read "はい", "いいえ", "キャンセル" whatever the desktop's language. Returns false, changing
// nothing, when the system does not have the catalogue.
bool installQtJapanese(QCoreApplication& app);

} // namespace rusrina
