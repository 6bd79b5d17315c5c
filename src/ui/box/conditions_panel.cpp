#include "ui/box/conditions_panel.h"

#include "view/box/damage_view.h"
#include "view/common/damage_mode.h"

#include "ui/common/chooser.h"
#include "ui/common/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rusrina {
namespace {

QComboBox* conditionChooser(QWidget* parent, const char* name, const std::vector<ListChoice>& choices, int selected) {
    auto* combo = newChooser(parent, QString::fromLatin1(name));
    fillChooser(*combo, choices, selected);
    return combo;
}

} // namespace

ConditionsPanel::ConditionsPanel(int storedMode, QWidget* parent) : QWidget(parent) {
    m_attackStage = conditionChooser(this, "attackStageCombo", stageChoices(), kNeutralStage);
    m_defenceStage = conditionChooser(this, "defenceStageCombo", stageChoices(), kNeutralStage);
    m_weather = conditionChooser(this, "weatherCombo", weatherChoices(), kWeatherNone);
    m_learnFilter = conditionChooser(this, "learnFilterCombo", learnFilterChoices(), 0);
    auto* choosers = new QHBoxLayout;
    const std::pair<const char*, QComboBox*> labelled[] = {
        {QT_TRANSLATE_NOOP("ConditionsPanel", "攻撃補正"), m_attackStage},
        {QT_TRANSLATE_NOOP("ConditionsPanel", "防御補正"), m_defenceStage},
        {QT_TRANSLATE_NOOP("ConditionsPanel", "天気"), m_weather},
        {QT_TRANSLATE_NOOP("ConditionsPanel", "習得技リストの制限"), m_learnFilter}};
    for (const auto& [caption, combo] : labelled) {
        choosers->addWidget(new QLabel(QCoreApplication::translate("ConditionsPanel", caption), this));
        choosers->addWidget(combo);
        choosers->addSpacing(12);
    }
    choosers->addStretch();

    auto* checks = new QGridLayout;
    constexpr int kChecksPerRow = 5;
    for (int i = 0; i < kConditionCheckCount; ++i) {
        auto* check = new QCheckBox(toQt(text::uiText("ConditionCheck", kConditionChecks[i].caption)), this);
        check->setObjectName(QString::fromLatin1(kConditionChecks[i].objectName));
        m_checks.push_back(check);
        checks->addWidget(check, i / kChecksPerRow, i % kChecksPerRow);
        connect(check, &QCheckBox::toggled, this, &ConditionsPanel::conditionsChanged);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choosers);
    layout->addLayout(checks);
    layout->addLayout(buildModeRow(storedMode));

    connect(m_attackStage, &QComboBox::currentIndexChanged, this, &ConditionsPanel::conditionsChanged);
    connect(m_defenceStage, &QComboBox::currentIndexChanged, this, &ConditionsPanel::conditionsChanged);
    connect(m_weather, &QComboBox::currentIndexChanged, this, &ConditionsPanel::learnableMovesChanged);
    connect(m_learnFilter, &QComboBox::currentIndexChanged, this, &ConditionsPanel::learnableMovesChanged);
}

// "計算方式" and "急所", which every row follows, and the button to the matrix and spread finder.
QHBoxLayout* ConditionsPanel::buildModeRow(int storedMode) {
    m_mode = conditionChooser(this, "damageModeCombo", damageModeChoices(),
                              static_cast<int>(damageModeFromSetting(storedMode)));
    m_critical = new QCheckBox(QCoreApplication::translate("ConditionsPanel", "急所"), this);
    m_critical->setObjectName(QStringLiteral("checkCritical"));
    auto* matrix = new QPushButton(QCoreApplication::translate("ConditionsPanel", "一覧・努力値探索"), this);
    matrix->setObjectName(QStringLiteral("matrixButton"));
    matrix->setAutoDefault(false);
    auto* sequence = new QPushButton(QCoreApplication::translate("ConditionsPanel", "連続攻撃"), this);
    sequence->setObjectName(QStringLiteral("sequenceButton"));
    sequence->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("ConditionsPanel", "計算方式"), this));
    row->addWidget(m_mode);
    row->addSpacing(12);
    row->addWidget(m_critical);
    row->addStretch();
    row->addWidget(matrix);
    row->addWidget(sequence);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &ConditionsPanel::conditionsChanged);
    connect(m_critical, &QCheckBox::toggled, this, &ConditionsPanel::conditionsChanged);
    connect(matrix, &QPushButton::clicked, this, &ConditionsPanel::matrixRequested);
    connect(sequence, &QPushButton::clicked, this, &ConditionsPanel::sequenceRequested);
    return row;
}

BattleConditions ConditionsPanel::conditions() const {
    ConditionControls controls;
    controls.attackStage = m_attackStage->currentIndex();
    controls.defenceStage = m_defenceStage->currentIndex();
    controls.weather = m_weather->currentIndex();
    for (int i = 0; i < kConditionCheckCount; ++i)
        controls.checks[i] = m_checks[i]->isChecked();
    return battleConditions(controls);
}

DamageSettings ConditionsPanel::damageSettings() const {
    return {damageModeFromSetting(chosenValue(*m_mode, 0)), m_critical->isChecked()};
}

int ConditionsPanel::learnFilter() const {
    return chosenValue(*m_learnFilter, kNoLearnFilter);
}

int ConditionsPanel::storedMode() const {
    return m_mode->currentIndex();
}

} // namespace rusrina
