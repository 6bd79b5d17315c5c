#pragma once
// The matrix and spread finder window's settings beyond its place (ToolWindow) and whether it was
// open (the launcher's), each key once. The window is the program's own addition to the box
// window, so none of its keys is written at its default.

#include "settings/setting_key.h"

namespace rusrina {

inline constexpr char kMatrixSection[] = "Matrix";

inline constexpr struct {
    // 0: the attacker against the box, 1: the box against the defender.
    SettingKey side = checkKey(kMatrixSection, "side");
    // 1: the spread finder, 2: the tuning against a sequence or several defenders.
    SettingKey tab{kMatrixSection, "tab", 0, 0, 2};
    // The spread finder's "回数" and "ほかの努力値も振り直す".
    SettingKey spreadHits = positionKey(kMatrixSection, "spreadHits");
    SettingKey freeOthers = checkKey(kMatrixSection, "spreadFreeOthers");
    // "素早さ調整": the side it tunes and the speed it is tuned against.
    SettingKey speedSide = positionKey(kMatrixSection, "speedSide");
    SettingKey speedTarget = positionKey(kMatrixSection, "speedTarget");
    // The matrix's 対面勝率 column shown.
    SettingKey duel = checkKey(kMatrixSection, "duel");
    // "技と確定数だけ": the moves' damage and HP-share columns hidden.
    SettingKey verdictsOnly = checkKey(kMatrixSection, "verdictsOnly");
} kMatrixKeys;

} // namespace rusrina
