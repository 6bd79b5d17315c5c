#include "ui/box/entry_panel.h"

#include "ui/common/qt_text.h"
#include "view/box/damage_view.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

namespace rusrina {
namespace {

const char* const kStatHeads[6] = {QT_TRANSLATE_NOOP("EntryPanel", "HP"),   QT_TRANSLATE_NOOP("EntryPanel", "攻撃"),
                                   QT_TRANSLATE_NOOP("EntryPanel", "防御"), QT_TRANSLATE_NOOP("EntryPanel", "特攻"),
                                   QT_TRANSLATE_NOOP("EntryPanel", "特防"), QT_TRANSLATE_NOOP("EntryPanel", "素早")};

QLabel* valueLabel(QWidget* parent, const QString& prefix, const QString& field, Qt::Alignment alignment) {
    auto* label = new QLabel(toQt(kNotAvailable), parent);
    label->setObjectName(prefix + field);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* caption(QWidget* parent, const char* text) {
    return new QLabel(QCoreApplication::translate("EntryPanel", text), parent);
}

void setText(QLabel* label, const std::string& text) {
    label->setText(toQt(text));
}

} // namespace

EntryPanel::EntryPanel(const QString& title, const QString& prefix, QWidget* parent) : QGroupBox(title, parent) {
    setObjectName(prefix + QStringLiteral("Panel"));
    const auto left = Qt::AlignLeft;
    m_name = valueLabel(this, prefix, QStringLiteral("Name"), left);
    m_species = valueLabel(this, prefix, QStringLiteral("Species"), left);
    m_level = valueLabel(this, prefix, QStringLiteral("Level"), left);
    m_nature = valueLabel(this, prefix, QStringLiteral("Nature"), left);
    m_ability = valueLabel(this, prefix, QStringLiteral("Ability"), left);
    m_item = valueLabel(this, prefix, QStringLiteral("Item"), left);
    // Names may be long; they must not widen the panel.
    m_name->setMinimumWidth(1);
    m_name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_name, 0, 0, 1, 3);
    grid->addWidget(m_species, 0, 3, 1, 3);
    grid->addWidget(m_level, 0, 6);
    grid->addWidget(caption(this, QT_TRANSLATE_NOOP("EntryPanel", "性格")), 1, 0);
    grid->addWidget(m_nature, 1, 1, 1, 2);
    grid->addWidget(caption(this, QT_TRANSLATE_NOOP("EntryPanel", "特性")), 1, 3);
    grid->addWidget(m_ability, 1, 4, 1, 3);
    grid->addWidget(caption(this, QT_TRANSLATE_NOOP("EntryPanel", "持ち物")), 2, 0);
    grid->addWidget(m_item, 2, 1, 1, 6);

    const char* const rowHeads[3] = {QT_TRANSLATE_NOOP("EntryPanel", "個体値"),
                                     QT_TRANSLATE_NOOP("EntryPanel", "努力値"),
                                     QT_TRANSLATE_NOOP("EntryPanel", "能力値")};
    std::array<QLabel*, 6>* rows[3] = {&m_iv, &m_ev, &m_stat};
    const QString rowKeys[3] = {QStringLiteral("Iv"), QStringLiteral("Ev"), QStringLiteral("Stat")};
    for (int s = 0; s < 6; ++s) {
        auto* head = caption(this, kStatHeads[s]);
        head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(head, 3, s + 1);
    }
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(caption(this, rowHeads[r]), 4 + r, 0);
        for (int s = 0; s < 6; ++s) {
            QLabel* label = valueLabel(this, prefix, rowKeys[r] + QString::number(s), Qt::AlignRight);
            (*rows[r])[s] = label;
            grid->addWidget(label, 4 + r, s + 1);
        }
    }
}

void EntryPanel::setTexts(const EntryPanelTexts& texts) {
    setText(m_name, texts.name);
    setText(m_species, texts.species);
    setText(m_level, texts.level);
    setText(m_nature, texts.nature);
    setText(m_ability, texts.ability);
    setText(m_item, texts.item);
    for (int s = 0; s < 6; ++s) {
        setText(m_iv[s], texts.iv[s]);
        setText(m_ev[s], texts.ev[s]);
        setText(m_stat[s], texts.stat[s]);
    }
    m_stat[0]->setToolTip(texts.hpMarks.empty()
                              ? QString()
                              : QCoreApplication::translate("EntryPanel", "HP調整：%1").arg(toQt(texts.hpMarks)));
}

} // namespace rusrina
