#include "ui/common/number_input.h"

#include "text/name_fold.h"
#include "ui/common/qt_text.h"

namespace rusrina {

QString foldNumberInput(const QString& text) {
    return toQt(text::foldNumberText(fromQt(text)));
}

QValidator::State NumberValidator::validate(QString& input, int& pos) const {
    input = foldNumberInput(input);
    return QIntValidator::validate(input, pos);
}

QValidator::State NumberSpinBox::validate(QString& input, int& pos) const {
    input = foldNumberInput(input);
    return QSpinBox::validate(input, pos);
}

} // namespace rusrina
