#include "ui/box/set_text_dialog.h"

#include "format/set_text_import.h"
#include "format/team_text_limit.h"
#include "ui/common/bounded_text_edit.h"
#include "ui/common/chooser.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"
#include "ui/session/box_document.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

QColor previewColor(PreviewKind kind) {
    switch (kind) {
    case PreviewKind::Failure:
        return QColor(0xC0, 0x00, 0x00);
    case PreviewKind::Warning:
        return QColor(0x9A, 0x5B, 0x00);
    default:
        return {};
    }
}

} // namespace

SetTextDialog::SetTextDialog(BoxDocument& document, QWidget* parent) : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("setTextDialog"));
    setWindowTitle(QCoreApplication::translate("SetTextDialog", "テキスト入力"));

    m_text = new BoundedTextEdit(kMaxTeamTextBytes, this);
    m_text->setObjectName(QStringLiteral("setTextEdit"));
    m_text->setPlaceholderText(QStringLiteral("Garchomp @ Choice Band\nAbility: Sand Veil\nLevel: 50\n"
                                              "EVs: 252 Atk / 4 SpD / 252 Spe\nJolly Nature\n- Earthquake"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview = new QListWidget(this);
    m_preview->setObjectName(QStringLiteral("setTextPreview"));
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->setWordWrap(true); // a warning is read whole, not cut at the edge
    m_preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("setTextSummary"));

    m_language = newChooser(this, QStringLiteral("setTextLanguage"));
    fillChooser(*m_language, {{"English", 0}, {fromQt(QCoreApplication::translate("SetTextDialog", "日本語")), 1}});
    m_add = new QPushButton(QCoreApplication::translate("SetTextDialog", "追加"), this);
    m_add->setObjectName(QStringLiteral("setTextAddButton"));
    auto* cancel = new QPushButton(QCoreApplication::translate("SetTextDialog", "キャンセル"), this);
    cancel->setObjectName(QStringLiteral("setTextCancelButton"));
    m_add->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* texts = new QHBoxLayout;
    texts->addWidget(m_text, 1);
    texts->addWidget(m_preview, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QCoreApplication::translate("SetTextDialog", "テキスト出力の言語"), this));
    buttons->addWidget(m_language);
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("SetTextDialog", "チーム用テキスト（空行で区切ったセット）"), this));
    layout->addLayout(texts, 1);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
    resize(880, 460);

    connect(m_text, &QPlainTextEdit::textChanged, this, &SetTextDialog::updatePreview);
    connect(m_text, &BoundedTextEdit::refused, this, [this](qint64 bytes) {
        dialogs().message(this, windowTitle(),
                          QCoreApplication::translate("SetTextDialog", "貼り付けた%1")
                              .arg(toQt(teamTextTooLargeText(static_cast<std::uint64_t>(bytes)))));
    });
    connect(m_add, &QPushButton::clicked, this, &SetTextDialog::addSets);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    updatePreview();
}

void SetTextDialog::prefillFromClipboard() {
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (const qint64 bytes = utf8Length(clipboard); bytes > static_cast<qint64>(kMaxTeamTextBytes)) {
        dialogs().message(this, windowTitle(),
                          QCoreApplication::translate("SetTextDialog", "クリップボードの%1")
                              .arg(toQt(teamTextTooLargeText(static_cast<std::uint64_t>(bytes)))));
        return;
    }
    if (looksLikeSetText(fromQt(clipboard)))
        m_text->setPlainText(clipboard);
}

void SetTextDialog::clearText() {
    m_text->clear();
}

SetTextLanguage SetTextDialog::exportLanguage() const {
    return m_language->currentIndex() == 1 ? SetTextLanguage::Japanese : SetTextLanguage::English;
}

void SetTextDialog::addSets() {
    const std::vector<ParsedSet> sets = m_sets;
    hide();
    clearText();                     // added once, never twice by a second press
    m_document.appendTextSets(sets); // the box window's status line says how many were added
}

void SetTextDialog::updatePreview() {
    m_sets = readSetText(fromQt(m_text->toPlainText()));
    m_preview->clear();
    for (const SetPreviewRow& row : setPreviewRows(m_sets)) {
        auto* item = new QListWidgetItem(toQt(row.text), m_preview);
        if (row.kind != PreviewKind::Entry)
            item->setForeground(previewColor(row.kind));
    }
    m_summary->setText(toQt(setPreviewSummaryText(m_sets)));
    m_add->setEnabled(std::any_of(m_sets.begin(), m_sets.end(), [](const ParsedSet& s) { return s.ok(); }));
}

} // namespace rusrina
