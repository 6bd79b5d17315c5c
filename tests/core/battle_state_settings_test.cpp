// The battle state kept in the settings file: a state goes out and comes back whole, a run that
// never set one adds no key, going back to a default is remembered, and a hand-edited value comes
// back within its range.

#include "settings/battle_state_settings.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <stdlib.h>

namespace rusrina {
namespace {

namespace fs = std::filesystem;

class BattleStateSettingsTest : public ::testing::Test {
protected:
    BattleStateSettingsTest() {
        std::string pattern = (fs::temp_directory_path() / "rusrina-state-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
    }
    ~BattleStateSettingsTest() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path ini() const { return dir / "rusrina.ini"; }
    std::string text() const {
        std::ifstream in(ini(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    fs::path dir;
};

TEST_F(BattleStateSettingsTest, AStateComesBackWholeAndADefaultAddsNothing) {
    BattleState set;
    set.attacker.status = StatusCondition::BadPoison;
    set.attacker.toxicTurns = 3;
    set.attacker.stages[kStageSpAttack] = 2;
    set.attacker.tailwind = true;
    set.attacker.flashFire = true;
    set.defender.hp = 123;
    set.defender.hpIsShare = false;
    set.defender.stages[kStageEvasion] = -6;
    set.defender.stealthRock = true;
    set.defender.spikes = 3;
    set.defender.seeded = true;
    set.defender.switchingIn = true;
    set.attacker.charged = true;
    set.field.trickRoom = true;
    set.field.wonderRoom = true;
    set.field.countTurnEnd = true;
    {
        SettingsFile settings(ini());
        writeBattleState(settings, "Damage", BattleState{});
        ASSERT_TRUE(settings.flush().ok);
        EXPECT_EQ(text().find("state"), std::string::npos) << text();
        writeBattleState(settings, "Damage", set);
        ASSERT_TRUE(settings.flush().ok);
    }
    SettingsFile reread(ini());
    EXPECT_EQ(readBattleState(reread, "Damage"), set);
    // Back to the defaults: the keys written hold them now.
    writeBattleState(reread, "Damage", BattleState{});
    EXPECT_EQ(readBattleState(reread, "Damage"), BattleState{});
}

TEST_F(BattleStateSettingsTest, AHandEditedValueComesBackInRange) {
    std::ofstream(ini(), std::ios::binary) << "[Damage]\r\nstateDefenderHp=250\r\nstateDefenderStageSpeed=300\r\n"
                                              "stateAttackerStatus=9\r\nstateAttackerToxicTurns=0\r\n"
                                              "stateAttackerSpikes=-2\r\nstateDefenderStageAttack=-7\r\n"
                                              "stateTrickRoom=5\r\nstateDefenderHpShare=x\r\n";
    const BattleState state = readBattleState(SettingsFile(ini()), "Damage");
    EXPECT_EQ(state.defender.hp, 100); // a share, since the unit's key is not a number
    EXPECT_TRUE(state.defender.hpIsShare);
    EXPECT_EQ(state.defender.stages[kStageSpeed], kHighestStage);
    EXPECT_EQ(state.defender.stages[kStageAttack], kLowestStage);
    EXPECT_EQ(state.attacker.status, StatusCondition::None);
    EXPECT_EQ(state.attacker.toxicTurns, 1);
    EXPECT_EQ(state.attacker.spikes, 0);
    EXPECT_TRUE(state.field.trickRoom);
}

} // namespace
} // namespace rusrina
