// The rules of the exact damage engine that hang on held items, abilities and the field, each
// against the figure the battle simulator gives for the same sets (tools/damage-oracle).

#include "calc/exact/exact_hit.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "view/box/exact_row.h"

#include "exact_test_support.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace rusrina::test {
namespace {

using namespace exact;

template <typename Name> int indexNamed(std::string_view name, int count, Name nameOf) {
    for (int i = 0; i < count; ++i) {
        if (name == nameOf(i))
            return i;
    }
    throw std::invalid_argument(std::string(name));
}
int species(std::string_view name) {
    return indexNamed(name, kSpeciesCount, speciesName);
}
int move(std::string_view name) {
    return indexNamed(name, kMoveCount, [](int m) { return moveRecord(m).name; });
}
int ability(std::string_view name) {
    return indexNamed(name, kAbilityCount, [](int a) { return abilityName(a); });
}
int item(std::string_view name) {
    return findHeldItem(name);
}

enum Nature { kModest = 8, kBold = 4, kCareful = 14, kJolly = 18, kTimid = 16, kAdamant = 1, kSerious = 24 };

// A creature as a player enters it: level 50, IVs 31.
struct Set {
    const char* species;
    int nature = kSerious;
    std::array<int, 6> evs{};
    const char* ability = nullptr;
    const char* item = nullptr;
    int gender = kUnknownGender;
    int level = 50;
};

struct Side {
    BoxEntry entry;
    ExactSide side;
    explicit Side(const Set& s) : entry(creature(rusrina::test::species(s.species), {})), side(entry) {
        entry.level = s.level;
        entry.nature = s.nature;
        entry.ability = s.ability ? ability(s.ability) : 0;
        entry.statsDirect = 0;
        const auto stats = computeEntryStats(entry.species, {31, 31, 31, 31, 31, 31}, s.evs, s.level, s.nature);
        for (int i = 0; i < 6; ++i) {
            entry.iv[i] = 31;
            entry.ev[i] = s.evs[i];
            entry.stat[i] = stats[i];
        }
        side = ExactSide(entry);
        side.heldItem = itemIdOf(s.item ? item(s.item) : kNoHeldItem);
        side.gender = s.gender;
    }
};

// One hit as the simulator was asked for it, and the damage it gave ("78 ～ 92").
struct SimCase {
    const char* what;
    Generation gen;
    Set attacker;
    Set defender;
    const char* move;
    BattleConditions conditions = {};
    const char* damage = "";
    bool critical = false;
};

std::string damageOf(const SimCase& c) {
    const Side attacker(c.attacker), defender(c.defender);
    const DamageSlot slot = DamageSlot::moveRow(kLearnableRow, move(c.move));
    return computeExactRow(attacker.side, defender.side, slot, c.conditions, {c.gen, c.critical}).texts.damageText;
}

void expectSimulatorsFigures(std::initializer_list<SimCase> cases) {
    for (const SimCase& c : cases)
        EXPECT_EQ(damageOf(c), c.damage) << c.what << " (generation " << c.gen << ")";
}

constexpr std::array<int, 6> kSpecial{4, 0, 0, 252, 0, 252};
constexpr std::array<int, 6> kPhysicalEvs{4, 252, 0, 0, 0, 252};
constexpr std::array<int, 6> kSpecialWall{252, 0, 0, 0, 252, 4};
constexpr std::array<int, 6> kPhysicalWall{252, 0, 252, 0, 4, 0};

// The plain hit of damage_test_support.h: 31 ～ 37 in both generations.
ExactRolls plainHit(const ExactSide& attacker, int type, Generation gen) {
    HitSetup s;
    s.slot.direct.type = type;
    const ExactAttack attack = prepareExactAttack(attacker, s.slot, s.conditions, {gen, false});
    return exactRolls(attack, s.defender);
}

TEST(ExactRules, TheFullHeldItemActsNotTheRowStandingForIt) {
    const int charcoal = findHeldItem("Charcoal"), fireGem = findHeldItem("Fire Gem");
    HitSetup s; // no item in its row
    struct Case {
        int held;
        int type;
        Generation gen;
        int high;
    };
    const Case cases[] = {
        {charcoal, kFireType, kGen5, 44},    {charcoal, kWaterType, kGen5, 37}, {charcoal, kFireType, kGen4, 44},
        {kNoHeldItem, kFireType, kGen5, 37}, {fireGem, kFireType, kGen4, 37}, // the 4th generation has no gems
    };
    for (const Case& c : cases) {
        ExactSide side(s.attacker);
        side.heldItem = itemIdOf(c.held);
        EXPECT_EQ(plainHit(side, c.type, c.gen).high(), c.high) << c.held << " " << c.type;
    }
}

const BattleConditions kNone{}, kRain{.weather = kWeatherRain}, kSand{.weather = kWeatherSand};
const BattleConditions kGravity{.gravity = true};

TEST(ExactRules, FiguresOfTheGamesForTheRulesOfTheMoves) {
    const Set venusaur{"フシギバナ", kModest, kSpecial}, politoed{"ニョロトノ", kBold, kSpecialWall};
    const Set starmie{"スターミー", kTimid, {0, 0, 0, 252, 0, 252}},
        castform{"ポワルン", kBold, {252, 0, 252, 0, 4, 0}};
    const Set sableye{"ヤミラミ", kCareful, {252, 0, 0, 0, 252, 0}}, terrakion{"テラキオン", kJolly, kPhysicalEvs};
    const Set zekrom{"ゼクロム", kAdamant, {0, 252, 0, 0, 0, 252}, "テラボルテージ"};
    const Set lanturn{"ランターン", kBold, {252, 0, 0, 0, 252, 0}, "ちくでん"};
    const Set alakazam{"フーディン", kModest, {0, 0, 0, 252, 0, 0}}, snorlax{"カビゴン"}, tyranitar{"バンギラス"};
    const Set pidgeot{"ピジョット"}, orbAlakazam{"フーディン", kModest, {0, 0, 0, 252, 0, 0}, nullptr, "Life Orb"};
    expectSimulatorsFigures({
        {"ソーラービーム halved in rain", kGen5, venusaur, politoed, "ソーラービーム", kRain, "78 ～ 92"},
        {"ソーラービーム halved in rain", kGen4, venusaur, politoed, "ソーラービーム", kRain, "78 ～ 92"},
        {"てんきや leaves ポワルン Normal in sand", kGen5, starmie, castform, "なみのり", kSand, "90 ～ 106"},
        {"てんきや leaves ポワルン Normal in sand", kGen4, starmie, castform, "なみのり", kSand, "90 ～ 106"},
        {"イカサマ uses the defender's attack", kGen5, sableye, terrakion, "イカサマ", kNone, "44 ～ 52"},
        {"and the attack the defender's ダウンロード raised",
         kGen5,
         {"ブラッキー"},
         {"ポリゴンＺ", kSerious, {}, "ダウンロード"},
         "イカサマ",
         kNone,
         "90 ～ 106"},
        {"テラボルテージ gets through ちくでん", kGen5, zekrom, lanturn, "クロスサンダー", kNone, "147 ～ 174"},
        {"そらをとぶ cannot be used under じゅうりょく", kGen5, pidgeot, snorlax, "そらをとぶ", kGravity, "使用不可"},
        {"みらいよち has no type in the 4th generation", kGen4, alakazam, tyranitar, "みらいよち", kNone, "52 ～ 62"},
        {"nor a critical hit or いのちのたま", kGen4, orbAlakazam, snorlax, "みらいよち", kNone, "48 ～ 57", true},
    });
}

constexpr std::array<int, 6> kAtk{0, 252, 0, 0, 0, 0}, kSpA{0, 0, 0, 252, 0, 0};
const BattleConditions kSun{.weather = kWeatherSun}, kActive{.abilityActive = true};
const BattleConditions kHelpedInDoubles{.helpingHand = true, .doubleBattle = true};

// Each case as the simulator computed it (level 50, IVs 31, a neutral nature).
TEST(ExactRules, FiguresOfTheSimulatorForHeldItems) {
    const Set snorlax{"カビゴン"}, chomp{"ガブリアス", kSerious, kAtk}, arcanine{"ウインディ", kSerious, kAtk};
    const Set charcoal{"ウインディ", kSerious, kAtk, nullptr, "もくたん"};
    const Set orbPalkia{"パルキア", kSerious, kSpA, nullptr, "こんごうだま"};
    const Set orbDialga{"ディアルガ", kSerious, kSpA, nullptr, "こんごうだま"};
    const Set gem{"ガブリアス", kSerious, kAtk, nullptr, "じめんのジュエル"};
    const Set chansey{"ラッキー", kSerious, {}, nullptr, "しんかのきせき"},
        blissey{"ハピナス", kSerious, {}, nullptr, "しんかのきせき"};
    const Set balloon{"ヒードラン", kSerious, {}, nullptr, "ふうせん"};
    const Set ironBall{"エアームド", kSerious, {}, nullptr, "くろいてっきゅう"};
    const Set ringTarget{"ゲンガー", kSerious, {}, nullptr, "ねらいのまと"};
    const Set occa{"ハッサム", kSerious, {}, nullptr, "オッカのみ"},
        occaSnorlax{"カビゴン", kSerious, {}, nullptr, "オッカのみ"};
    const Set chilan{"ハピナス", kSerious, {}, nullptr, "ホズのみ"};
    const Set unnerve{"バンギラス", kSerious, kSpA, "きんちょうかん"};
    expectSimulatorsFigures({
        {"もくたん boosts Fire", kGen4, charcoal, snorlax, "フレアドライブ", kNone, "154 ～ 183"},
        {"もくたん boosts Fire", kGen5, charcoal, snorlax, "フレアドライブ", kNone, "154 ～ 183"},
        {"こんごうだま for ディアルガ alone", kGen5, orbDialga, snorlax, "りゅうせいぐん", kNone, "147 ～ 174"},
        {"こんごうだま for ディアルガ alone", kGen4, orbPalkia, snorlax, "りゅうせいぐん", kNone, "123 ～ 145"},
        {"a gem ×1.5", kGen5, gem, snorlax, "じしん", kNone, "181 ～ 214"},
        {"しんかのきせき on what evolves further", kGen5, chomp, chansey, "じしん", kNone, "277 ～ 327"},
        {"and not on what does not", kGen5, chomp, blissey, "じしん", kNone, "340 ～ 402"},
        {"ふうせん keeps Ground off", kGen5, chomp, balloon, "じしん", kNone, "無効"},
        {"くろいてっきゅう: the Flying type no longer counts", kGen4, chomp, ironBall, "じしん", kNone, "132 ～ 156"},
        {"in the 5th generation the hit is neutral", kGen5, chomp, ironBall, "じしん", kNone, "66 ～ 78"},
        {"ねらいのまと lets Normal hit a Ghost",
         kGen5,
         {"カビゴン", kSerious, kAtk},
         ringTarget,
         "のしかかり",
         kNone,
         "97 ～ 115"},
        {"オッカのみ halves a super-effective Fire move", kGen4, arcanine, occa, "フレアドライブ", kNone, "186 ～ 218"},
        {"オッカのみ halves a super-effective Fire move", kGen5, arcanine, occa, "フレアドライブ", kNone, "186 ～ 218"},
        {"but not a neutral one", kGen5, arcanine, occaSnorlax, "フレアドライブ", kNone, "129 ～ 153"},
        {"ホズのみ halves Normal", kGen4, {"カビゴン", kSerious, kAtk}, chilan, "のしかかり", kNone, "129 ～ 152"},
        {"きんちょうかん keeps the berry uneaten", kGen5, unnerve, occa, "だいもんじ", kNone, "268 ～ 316"},
        {"するどいくちばし raises the power before てだすけ in the 4th generation",
         kGen4,
         {"ピジョット", kSerious, kAtk, nullptr, "するどいくちばし"},
         snorlax,
         "とびはねる",
         kHelpedInDoubles,
         "135 ～ 159"},
    });
}

TEST(ExactRules, FiguresOfTheSimulatorForAbilities) {
    const Set snorlax{"カビゴン"}, chomp{"ガブリアス", kSerious, kAtk};
    const Set ironFist{"エビワラー", kSerious, kAtk, "てつのこぶし"}, reckless{"サワムラー", kSerious, kAtk, "すてみ"};
    const Set luxray{"レントラー", kSerious, kAtk, "とうそうしん", nullptr, 1};
    const Set male{"カビゴン", kSerious, {}, nullptr, nullptr, 1},
        female{"カビゴン", kSerious, {}, nullptr, nullptr, 2};
    const Set sniper{"キングドラ", kSerious, kSpA, "スナイパー"}, armaldo{"アーマルド", kSerious, {}, "カブトアーマー"};
    const Set excadrill{"ドリュウズ", kSerious, kAtk, "かたやぶり"},
        sandForce{"ドリュウズ", kSerious, kAtk, "すなのちから"};
    const Set cherrim{"チェリム", kSerious, {}, "フラワーギフト"}, starmie{"スターミー", kSerious, kSpA};
    const Set porygon{"ポリゴンＺ", kSerious, kSpA, "ダウンロード"};
    const Set arceus{"アルセウス", kSerious, kSpA, "マルチタイプ", "ひのたまプレート"};
    const Set nidoking{"ニドキング", kSerious, kSpA, "ちからずく"},
        magnezone{"ジバコイル", kSerious, kSpA, "アナライズ"};
    const Set dragonite{"カイリュー", kSerious, {}, "マルチスケイル"}, mamoswine{"マンムー", kSerious, kAtk};
    const Set crobat{"クロバット", kSerious, kAtk, "すりぬけ"},
        genesect{"ゲノセクト", kSerious, kSpA, "ダウンロード", "ブレイズカセット"};
    const Set scizor{"ハッサム", kSerious, kAtk, "テクニシャン"},
        zangoose{"ザングース", kSerious, kAtk, "どくぼうそう"};
    const BattleConditions reflect{.reflect = true}, guarded{.doubleBattle = true, .friendGuard = true};
    expectSimulatorsFigures({
        {"てつのこぶし", kGen4, ironFist, snorlax, "ドレインパンチ", kNone, "152 ～ 180"},
        {"てつのこぶし", kGen5, ironFist, snorlax, "ドレインパンチ", kNone, "188 ～ 224"},
        {"すてみ on a move that hurts the user when it misses", kGen5, reckless, snorlax, "とびひざげり", kNone,
         "356 ～ 420"},
        {"とうそうしん against the same gender", kGen4, luxray, male, "かみくだく", kNone, "77 ～ 91"},
        {"とうそうしん against the other", kGen5, luxray, female, "かみくだく", kNone, "46 ～ 55"},
        {"スナイパー: a critical hit ×3", kGen4, sniper, snorlax, "なみのり", kNone, "186 ～ 220", true},
        {"スナイパー: a critical hit ×2 ×1.5", kGen5, sniper, snorlax, "なみのり", kNone, "186 ～ 220", true},
        {"カブトアーマー keeps the critical hit off", kGen5, chomp, armaldo, "じしん", kNone, "85 ～ 102", true},
        {"かたやぶり breaks through it", kGen5, excadrill, armaldo, "じしん", kNone, "178 ～ 210", true},
        {"フラワーギフト raises チェリム's special defence in sun", kGen4, starmie, cherrim, "れいとうビーム", kSun,
         "76 ～ 90"},
        {"ダウンロード: +1 to the special attack", kGen5, porygon, snorlax, "トライアタック", kNone, "66 ～ 78"},
        {"ダウンロード reads the foe's special defence at -2 in the 4th generation too", kGen4, porygon, snorlax,
         "トライアタック", BattleConditions{.defenceStage = kNeutralStage + 2}, "195 ～ 229"},
        {"マルチタイプ: アルセウス with a plate is of its type", kGen4, arceus, snorlax, "だいもんじ", kNone,
         "108 ～ 127"},
        {"さばきのつぶて takes the plate's type", kGen5, arceus, {"ハッサム"}, "さばきのつぶて", kNone, "468 ～ 552"},
        {"ちからずく", kGen5, nidoking, snorlax, "かえんほうしゃ", kNone, "50 ～ 59"},
        {"すなのちから", kGen5, sandForce, snorlax, "じしん", kSand, "160 ～ 190"},
        {"アナライズ when slower",
         kGen5,
         magnezone,
         {"スターミー", kSerious, {0, 0, 0, 0, 0, 252}},
         "１０まんボルト",
         kNone,
         "242 ～ 288"},
        {"アナライズ when faster: nothing", kGen5, magnezone, snorlax, "１０まんボルト", kNone, "76 ～ 90"},
        {"マルチスケイル at full HP", kGen5, mamoswine, dragonite, "こおりのつぶて", kNone, "72 ～ 86"},
        {"すりぬけ passes the screen", kGen5, crobat, snorlax, "ブレイブバード", reflect, "114 ～ 135"},
        {"ひらいしん takes Electric in the 5th generation",
         kGen5,
         starmie,
         {"ライボルト", kSerious, {}, "ひらいしん"},
         "１０まんボルト",
         kNone,
         "無効"},
        {"but not in the 4th",
         kGen4,
         {"ピカチュウ", kSerious, kSpA},
         {"ライボルト", kSerious, {}, "ひらいしん"},
         "１０まんボルト",
         kNone,
         "34 ～ 41"},
        {"どくぼうそう", kGen5, zangoose, snorlax, "インファイト", kActive, "266 ～ 314"},
        {"テクノバスター takes the drive's type", kGen5, genesect, {"ハッサム"}, "テクノバスター", kNone, "332 ～ 392"},
        {"フレンドガード", kGen5, chomp, snorlax, "ドラゴンクロー", guarded, "73 ～ 86"},
        {"テクニシャン before てだすけ", kGen4, scizor, snorlax, "つばめがえし", kHelpedInDoubles, "109 ～ 129"},
    });
}

} // namespace
} // namespace rusrina::test
