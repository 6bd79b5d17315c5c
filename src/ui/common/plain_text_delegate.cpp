#include "ui/common/plain_text_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace rusrina {

namespace {

// Enough for every name, figure and verdict a screenful of the box shows; past it the texts are laid
// out afresh.
constexpr qsizetype kMostTextsKept = 8192;

} // namespace

const QStaticText& PlainTextDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != m_font || m_texts.size() >= kMostTextsKept) {
        m_texts.clear();
        m_font = font;
    }
    auto found = m_texts.find(text);
    if (found == m_texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        found = m_texts.insert(text, laid);
    }
    return *found;
}

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    constexpr auto kOwnFeatures =
        QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::WrapText;
    const Qt::Alignment alignment = opt.displayAlignment;
    if ((opt.features & kOwnFeatures) || (opt.state & (QStyle::State_HasFocus | QStyle::State_Selected)) ||
        (opt.state & QStyle::State_Editing) || (alignment & Qt::AlignHorizontal_Mask) != Qt::AlignLeft ||
        (alignment & Qt::AlignVertical_Mask) != Qt::AlignVCenter || opt.text.contains(QLatin1Char('\n'))) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The text's place as the style gives it: inside the focus frame's margin, centred on the height.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText* text = opt.text.isEmpty() ? nullptr : &laidOut(opt.text, opt.font);
    if (text && text->size().width() > textRect.width()) {
        QStyledItemDelegate::paint(painter, option, index); // cut to fit by the style
        return;
    }
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (!text)
        return;
    QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, QPalette::Text));
    const qreal top = textRect.top() + (textRect.height() - text->size().height()) / 2.0;
    painter->drawStaticText(QPointF(textRect.left(), qRound(top)), *text);
    painter->restore();
}

} // namespace rusrina
