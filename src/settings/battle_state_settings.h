#pragma once
// The battle state of the box and damage window as it is kept in the settings file between runs:
// one integer key per input, under the window's section. A key is there only while its input is off
// its default, so a run that never sets a state adds nothing to the file.

#include "calc/battle/battle_state.h"

#include <string_view>

namespace rusrina {

class SettingsFile;

// The state the keys under `section` hold: a missing key is that input's default, and a
// hand-edited value comes back within its range (stateWithinRange).
BattleState readBattleState(const SettingsFile& settings, std::string_view section);

// Writes every input that differs from its default, and takes out the key of every input back at its
// default.
void writeBattleState(SettingsFile& settings, std::string_view section, const BattleState& state);

} // namespace rusrina
