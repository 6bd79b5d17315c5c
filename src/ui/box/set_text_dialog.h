#pragma once
// "テキスト入力": team text to add to the box document's box. The text area is filled from the
// clipboard when it holds team text; the preview lists what "追加" will add, what could not be read
// and every warning, before anything changes. The language chosen here is the one "テキスト出力"
// writes.

#include "format/set_text.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rusrina {

class BoundedTextEdit;
class BoxDocument;

class SetTextDialog : public QDialog {
    Q_OBJECT

public:
    explicit SetTextDialog(BoxDocument& document, QWidget* parent = nullptr);

    // Puts the clipboard's text in the text area when it holds team text; a clipboard over
    // kMaxTeamTextBytes is refused with a message, and the text area is left as it was.
    void prefillFromClipboard();
    void clearText();
    SetTextLanguage exportLanguage() const;

private:
    void updatePreview();
    // "追加": the sets that read go to the box, once; the dialog closes and says how many fitted.
    void addSets();

    BoxDocument& m_document;
    BoundedTextEdit* m_text = nullptr;
    QComboBox* m_language = nullptr;
    QListWidget* m_preview = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_add = nullptr;
    std::vector<ParsedSet> m_sets; // of the text as it stands
};

} // namespace rusrina
