#pragma once
// The steps of an exact hit as the lines of its calculation log: the one place where what the
// exact engine recorded is put into words.

#include "calc/damage/calc_log.h"
#include "calc/exact/exact_step.h"

#include <string>

namespace rusrina {

// One step as its line, without the line end: "「テクニシャン」で威力： *1.5".
std::string exactStepText(const ExactStep& step, Generation generation);

// Every step of the record, a line each, ended by CR LF.
void writeExactSteps(CalcLog& log, const ExactRecord& record);

} // namespace rusrina
