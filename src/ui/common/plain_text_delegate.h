#pragma once
// A cell of one line of plain text, drawn from its laid-out glyphs kept between paints: a list that
// repaints a screenful of the same figures after every change shapes each text once instead of on
// every paint. A cell this cannot draw exactly as the style would (an icon, a check box, the focus
// frame, a selected fill, a text cut to fit, another alignment) is left to the style.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace rusrina {

class PlainTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_font;
};

} // namespace rusrina
