#include "ui/session/box_history.h"

#include <QUndoCommand>

namespace rusrina {
namespace {

class BoxEditCommand : public QUndoCommand {
public:
    BoxEditCommand(Box& box, BoxEdit edit, const QString& text, StepPair before, StepPair after,
                   const BoxHistory::ShowStep& show)
        : QUndoCommand(text), m_box(box), m_edit(std::move(edit)), m_before(before), m_after(after), m_show(show) {}

    void undo() override { step(true); }
    void redo() override {
        if (m_alreadyMade) { // the push: the change was made before it was recorded
            m_alreadyMade = false;
            return;
        }
        step(false);
    }

private:
    void step(bool undone) {
        if (!(undone ? undoEdit(m_box, m_edit) : redoEdit(m_box, m_edit))) {
            // The box is not as this step expects; the stack drops it rather than change the
            // wrong entries.
            setObsolete(true);
            return;
        }
        m_show(m_edit, undone, text(), undone ? m_before : m_after);
    }

    Box& m_box;
    BoxEdit m_edit;
    StepPair m_before;
    StepPair m_after;
    const BoxHistory::ShowStep& m_show;
    bool m_alreadyMade = true;
};

} // namespace

BoxHistory::BoxHistory(Box& box, ShowStep show, QObject* parent)
    : QUndoStack(parent), m_box(box), m_show(std::move(show)) {
    setUndoLimit(kStepLimit);
}

void BoxHistory::record(std::optional<BoxEdit> edit, const QString& text, StepPair before, StepPair after) {
    if (edit)
        push(new BoxEditCommand(m_box, std::move(*edit), text, before, after, m_show));
}

} // namespace rusrina
