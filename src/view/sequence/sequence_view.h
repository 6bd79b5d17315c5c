#pragma once
// What the sequence window shows: the steps as players name them, each step's answer (the HP left
// and the chance to have fallen by then), the log of what changed from step to step, and why a
// sequence could not be computed.

#include "calc/box_tools/attack_sequence.h"
#include "calc/box_tools/bulk_tuning.h"
#include "view/common/list_choice.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace rusrina {

// The step editor's choosers: the box's entries, "1：なまえ（ガブリアス）", value = slot; the
// entry's four moves, "げきりん", value = move slot (empty slots left out).
std::vector<ListChoice> sequenceAttackerChoices(std::span<const BoxEntry> entries);
std::vector<ListChoice> sequenceMoveChoices(const BoxEntry& entry);

// "ガブリアス げきりん", "ボーマンダ だいもんじ ×2" ("（技なし）" for an empty move slot).
std::string plannedStepText(const PlannedStep& step);
// The steps joined: "ガブリアス げきりん → ボーマンダ だいもんじ ×2"; "（攻撃なし）" for none.
std::string plannedChainText(std::span<const PlannedStep> steps);

// The answer's table: per step "1", the step, "残りHP", "倒れている確率".
inline constexpr int kSequenceColumnCount = 4;
std::array<std::string, kSequenceColumnCount> sequenceHeadings();
// The HP left among the cases it stands, "45 ～ 120（平均 80.3）", or "倒れている" when it always
// has fallen; and the chance it has fallen by then. A step whose uses were not counted shows "－".
std::vector<std::array<std::string, kSequenceColumnCount>> sequenceRows(std::span<const PlannedStep> steps,
                                                                        const SequenceResult& result);

// Why the sequence has no answer or only a part of one, empty when it is whole: no step, steps whose
// entries are no longer in the box (`located` from locateSteps: their numbers), no defender, a move
// the engine cannot count, more uses than it counts.
std::string sequenceProblemText(std::span<const PlannedStep> steps, std::span<const int> located, bool hasDefender,
                                const SequenceResult& result);

// The log: the defender's start (its HP and what hit it as it came in), then for each step what
// changed: the chance to have fallen, the HP left, the chance it missed or hit critically, the held
// item gone, the defence stages; and what the engine leaves out.
std::string sequenceLogText(std::span<const PlannedStep> steps, const SequenceResult& result);

// Bulk tuning against the sequence. The wanted chance: "確定", "15/16以上", "90％以上" …, value =
// the chance in ten-thousandths; the HP mark: "HP調整なし" (-1), then each mark with its word, value =
// its index in kHpMarks.
inline constexpr int kBulkChanceScale = 10000;
std::vector<ListChoice> bulkChanceChoices();
std::vector<ListChoice> hpMarkChoices();
// The spreads' list: "HP努力値", "防御努力値", "特防努力値", "合計", "HP", "防御", "特防", "耐える確率",
// "HP調整".
inline constexpr int kBulkColumnCount = 9;
std::array<std::string, kBulkColumnCount> bulkHeadings();
std::array<std::string, kBulkColumnCount> bulkTexts(const BulkSpread& spread);
// The line above the list: what was searched and how many were found, or why none.
std::string bulkSummaryText(const BulkSpreads& found);
// While it searches: "探索中… HP努力値 64 / 252".
std::string bulkProgressText(int stepsDone, int stepCount);

} // namespace rusrina
