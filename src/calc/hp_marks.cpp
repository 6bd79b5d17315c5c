#include "calc/hp_marks.h"

namespace rusrina {

bool meetsHpMark(int hp, const HpMark& mark) {
    const int base = hp - mark.offset;
    return base >= mark.every && base % mark.every == 0;
}

namespace {

std::string joinedMarks(int hp, bool withUse) {
    std::string text;
    for (const HpMark& mark : kHpMarks) {
        if (!meetsHpMark(hp, mark))
            continue;
        text += (text.empty() ? "" : text::uiText("HpMarks", "・")) + std::string(mark.name);
        if (withUse)
            text += text::fillText(text::uiText("HpMarks", "（%1）"), {text::uiText("HpMarks", mark.use)});
    }
    return text;
}

} // namespace

std::string hpMarksText(int hp) {
    return joinedMarks(hp, true);
}

std::string hpMarkNames(int hp) {
    return joinedMarks(hp, false);
}

} // namespace rusrina
