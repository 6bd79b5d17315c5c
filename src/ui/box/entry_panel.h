#pragma once
// The attacker or defender panel of the box and damage window: the labels of one box entry.

#include <QGroupBox>

#include <array>

class QLabel;

namespace rusrina {

struct EntryPanelTexts;

class EntryPanel : public QGroupBox {
    Q_OBJECT

public:
    // `prefix` begins the object name of every label ("attacker", "defender").
    EntryPanel(const QString& title, const QString& prefix, QWidget* parent = nullptr);

    void setTexts(const EntryPanelTexts& texts);

private:
    QLabel* m_name;
    QLabel* m_species;
    QLabel* m_level;
    QLabel* m_nature;
    QLabel* m_ability;
    QLabel* m_item;
    std::array<QLabel*, 6> m_iv{};
    std::array<QLabel*, 6> m_ev{};
    std::array<QLabel*, 6> m_stat{};
};

} // namespace rusrina
