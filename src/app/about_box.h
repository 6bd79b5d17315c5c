#pragma once

#include <QDialog>

namespace rusrina {

// The small modal box that names the program and its version.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace rusrina
