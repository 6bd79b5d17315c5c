#pragma once
// How the exact log words the steps of moves whose power follows the battle: what they read, the
// power it gives, what was taken as neutral where the battle is not known, and why a move fails.

#include "calc/exact/exact_step.h"

#include <string>

namespace rusrina {

// Appends the step's line (without its line end).
void appendMoveStep(std::string& out, const ExactStep& step, Generation generation);

} // namespace rusrina
