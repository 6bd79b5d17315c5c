#pragma once
// Number fields that take what a Japanese input method types: full-width digits and signs are
// shown and read as their ASCII forms ("２５２" becomes 252), the way the edit form reads them.

#include <QIntValidator>
#include <QSpinBox>

namespace rusrina {

// A QIntValidator for a QLineEdit that folds the typed text before judging it.
class NumberValidator : public QIntValidator {
public:
    NumberValidator(int bottom, int top, QObject* parent) : QIntValidator(bottom, top, parent) {}
    State validate(QString& input, int& pos) const override;
};

// A QSpinBox whose field folds the typed text the same way.
class NumberSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};

// The typed text with full-width digits, signs and blanks as their ASCII forms. Each character
// folds to one character, so a cursor position stays where it was.
QString foldNumberInput(const QString& text);

} // namespace rusrina
