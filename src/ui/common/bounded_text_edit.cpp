#include "ui/common/bounded_text_edit.h"

#include <QMimeData>
#include <QTextCursor>

namespace rusrina {

qint64 utf8Length(QStringView text) {
    qint64 bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode());
        // A pair is one character of four bytes; a lone surrogate is written as U+FFFD, three.
        bytes += unit < 0x80 ? 1 : unit < 0x800 ? 2 : pair ? 4 : 3;
        i += pair ? 1 : 0;
    }
    return bytes;
}

BoundedTextEdit::BoundedTextEdit(std::size_t maxBytes, QWidget* parent)
    : QPlainTextEdit(parent), m_maxBytes(static_cast<qint64>(maxBytes)) {}

void BoundedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText()) {
        // What stays of the text (the selection is replaced) and what comes in.
        QString selected = textCursor().selectedText();
        selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        const qint64 bytes = utf8Length(toPlainText()) - utf8Length(selected) + utf8Length(source->text());
        if (bytes > m_maxBytes) {
            Q_EMIT refused(bytes);
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace rusrina
