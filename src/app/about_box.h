#pragma once

#include <QDialog>

namespace rusrina {

// The About box's line that links to the player's guide in both languages where an installed copy
// keeps it, ../share/doc/rusrina beside the executable's directory (the build puts a copy there as
// well, for a program run from its build folder), or names the guide's place in the sources when
// the guide is not there.
QString guideLinksText(const QString& executableDir);

class SettingsFile;

// The small modal box that names the program and its version, and where the language of the
// program's texts is chosen for the next start.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(SettingsFile& settings, QWidget* parent = nullptr);
};

} // namespace rusrina
