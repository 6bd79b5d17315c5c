#pragma once
// The box session's history: every change of the box the user makes (削除, the four moves, 登録,
// インポート, テキスト入力, a spread written by the finder) is one step to take back ("元に戻す")
// and make again ("やり直す"). The changes themselves and their records are the core's
// (box/box_edit.h); a step here only replays its record on the box and lets the session show the
// result. The stack's clean state is the box as last saved.

#include "box/box_edit.h"

#include <QUndoStack>

#include <functional>

namespace rusrina {

// The attacker's and the defender's slots (-1: none) as a step found or left them.
struct StepPair {
    int attacker = -1;
    int defender = -1;
};

class BoxHistory : public QUndoStack {
    Q_OBJECT

public:
    // Called after a step was taken back (`undone`) or made again, with the box already changed and
    // the pair the step found (taken back) or left (made again).
    using ShowStep = std::function<void(const BoxEdit& edit, bool undone, const QString& text, StepPair pair)>;

    // Steps kept to take back; the oldest go first.
    static constexpr int kStepLimit = 200;

    BoxHistory(Box& box, ShowStep show, QObject* parent = nullptr);

    // Adds a change already made to the box as the next step, named `text` ("削除"), with the pair
    // before and after it; nothing when the change has no record.
    void record(std::optional<BoxEdit> edit, const QString& text, StepPair before, StepPair after);

private:
    Box& m_box;
    ShowStep m_show;
};

} // namespace rusrina
