#pragma once
// The calculation log of one damage row, folded away under a "計算過程" toggle until it is wanted:
// the text "詳細取得" copies, there to read without pasting it anywhere.

#include <QWidget>

class QPlainTextEdit;
class QToolButton;

namespace rusrina {

class LogPane : public QWidget {
    Q_OBJECT

public:
    explicit LogPane(QWidget* parent = nullptr);

    // The toggle, for the window to place in its own row; the pane itself holds the text.
    QToolButton* toggle() const { return m_toggle; }
    bool isOpen() const;
    // The row whose log the pane follows (-1: none yet).
    int row() const { return m_row; }
    // Shows `log` (CR LF line ends as copied) for `row`.
    void showLog(int row, const QString& log);

private:
    QToolButton* m_toggle = nullptr;
    QPlainTextEdit* m_text = nullptr;
    int m_row = -1;
};

} // namespace rusrina
