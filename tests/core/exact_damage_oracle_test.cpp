// The exact damage engine against an independent calculator: every case of the committed fixture
// (tools/damage-oracle) must give the calculator's 16 rolls, except the reviewed exceptions, which
// must still differ. Every 40th case also goes through the logged path, whose rolls, texts and log
// must agree with the fast path.

#include "calc/exact/exact_damage.h"
#include "calc/stats.h"
#include "view/box/damage_view.h"

#include "exact_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace rusrina {
namespace {

constexpr int kLoggedEvery = 40;
constexpr int kMostFailuresShown = 20;

struct OracleCase {
    int id = 0;
    ExactOptions options;
    DamageSlot slot;
    BattleConditions conditions;
    BoxEntry attacker{};
    BoxEntry defender{};
    std::array<int32_t, kRollCount> rolls{};
};

bool readCreature(std::istringstream& in, BoxEntry& e) {
    std::strcpy(e.name, "oracle");
    if (!(in >> e.species >> e.level >> e.nature >> e.ability >> e.item >> e.statsDirect))
        return false;
    if (e.statsDirect)
        return static_cast<bool>(in >> e.stat[0] >> e.stat[1] >> e.stat[2] >> e.stat[3] >> e.stat[4] >> e.stat[5]);
    std::array<int, 6> ivs, evs;
    for (int& v : ivs)
        in >> v;
    for (int& v : evs)
        in >> v;
    const auto stats = computeEntryStats(e.species, ivs, evs, e.level, e.nature);
    for (int i = 0; i < 6; ++i) {
        e.iv[i] = ivs[i];
        e.ev[i] = evs[i];
        e.stat[i] = stats[i];
    }
    for (int& m : e.move)
        m = NO_MOVE;
    return static_cast<bool>(in);
}

bool readCase(const std::string& line, OracleCase& c) {
    std::istringstream in(line);
    int gen = 0, crit = 0, row = 0, move = 0, weather = 0, attackStage = 0, defenceStage = 0;
    DirectMove direct;
    std::string flags;
    in >> c.id >> gen >> crit >> row >> move >> direct.power >> direct.category >> direct.type >> weather >>
        attackStage >> defenceStage >> flags;
    if (!in || flags.size() != kConditionCheckCount || !readCreature(in, c.attacker) || !readCreature(in, c.defender))
        return false;
    c.options = {gen == 4 ? kGen4 : kGen5, crit == 1};
    c.conditions.weather = weather;
    c.conditions.attackStage = kNeutralStage - attackStage;
    c.conditions.defenceStage = kNeutralStage - defenceStage;
    for (int i = 0; i < kConditionCheckCount; ++i)
        c.conditions.*kConditionChecks[i].flag = flags[i] == '1';
    if (row == kDirectRow) {
        c.slot = DamageSlot::directRow(direct);
    } else {
        c.slot = DamageSlot::moveRow(row, move);
        if (row < kMoveRowCount)
            c.attacker.move[row] = move;
    }
    for (int i = 0; i < kRollCount; ++i) {
        in >> c.rolls[i];
        if (i)
            c.rolls[i] += c.rolls[i - 1];
    }
    return static_cast<bool>(in);
}

std::map<int, std::string> readExceptions() {
    std::map<int, std::string> exceptions;
    std::ifstream in(RUSRINA_TEST_DATA_DIR "/damage_oracle_exceptions.csv");
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        const size_t comma = line.find(',');
        if (comma != std::string::npos && comma + 1 < line.size())
            exceptions[std::stoi(line.substr(0, comma))] = line.substr(comma + 1);
    }
    return exceptions;
}

std::string rollsText(const std::array<int32_t, kRollCount>& rolls) {
    std::string text;
    for (int32_t r : rolls)
        text += std::to_string(r) + " ";
    return text;
}

// The logged path gives the same rolls, and its log ends with the texts the row shows.
void expectLoggedPathAgrees(const OracleCase& c, const ExactRolls& fast, const std::string& line) {
    const ExactRowResult row = test::computeExactRow(c.attacker, c.defender, c.slot, c.conditions, c.options);
    EXPECT_EQ(row.rolls.rolls, fast.rolls) << line;
    const std::string& log = row.texts.log.text();
    EXPECT_NE(log.find("必要攻撃回数： " + row.texts.hitsText + "\r\n"), std::string::npos) << line;
    EXPECT_NE(log.find("ダメージ： " + row.texts.damageText + "\r\n"), std::string::npos) << line;
}

TEST(ExactDamageOracle, EveryCaseGivesTheCalculatorsRolls) {
    const std::map<int, std::string> exceptions = readExceptions();
    std::ifstream in(RUSRINA_TEST_DATA_DIR "/damage_oracle_cases.txt");
    ASSERT_TRUE(in) << "the fixture is missing";
    std::string line;
    int cases = 0, failures = 0, excepted = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        OracleCase c;
        ASSERT_TRUE(readCase(line, c)) << "unreadable fixture line: " << line;
        ++cases;
        const ExactRolls fast = exactRolls(prepareExactAttack(c.attacker, c.slot, c.conditions, c.options), c.defender);
        const auto exception = exceptions.find(c.id);
        const bool same = fast.rolls == c.rolls;
        if (exception != exceptions.end()) {
            ++excepted;
            EXPECT_FALSE(same) << "case " << c.id << " is listed as an exception but agrees: " << exception->second;
        } else if (!same && ++failures <= kMostFailuresShown) {
            ADD_FAILURE() << "case " << c.id << ": ours " << rollsText(fast.rolls) << "expected " << rollsText(c.rolls)
                          << "\n  " << line;
        }
        if (c.id % kLoggedEvery == 0)
            expectLoggedPathAgrees(c, fast, line);
    }
    EXPECT_EQ(failures, 0) << "cases whose rolls differ";
    EXPECT_GE(cases, 20000);
    EXPECT_EQ(excepted, static_cast<int>(exceptions.size())) << "exceptions that name no case of the fixture";
}

} // namespace
} // namespace rusrina
