#pragma once
// What one exact hit carries from step to step, and the steps. Internal to the exact damage engine
// (exact_*.cpp). Every step does its arithmetic and, only when a log is asked for, writes its line.

#include "calc/damage/calc_log.h"
#include "calc/damage/damage_row.h"
#include "calc/exact/exact_damage.h"

#include <cstdint>

namespace rusrina::exact {

using damage::EngineAbility;

// Held items by their row in the item table.
enum ExactItem {
    kTypeItem = 1,    // 各種タイプ補正: the type item of the type the move hits with (もくたん for fire …)
    kLifeOrb = 2,     // いのちのたま
    kChoiceBand = 3,  // こだわりハチマキ
    kChoiceSpecs = 4, // こだわりメガネ
    kMuscleBand = 5,  // ちからのハチマキ
    kLightBall = 6,   // でんきだま: ピカチュウ only
    kThickClub = 7,   // ふといホネ: カラカラ, ガラガラ only
    kWiseGlasses = 8, // ものしりメガネ
    kExpertBelt = 9,  // たつじんのおび
    kSoulDew = 10,    // こころのしずく: ラティアス, ラティオス only
    kDeepSeaTooth = 11, // しんかいのキバ: パールル only
    kDeepSeaScale = 12, // しんかいのウロコ: パールル only
    kMetalPowder = 13,  // メタルパウダー: メタモン only
    kLiechiBerry = 14,  // チイラのみ
    kPetayaBerry = 15,  // ヤタピのみ
};

// Species the items above belong to, by species index.
enum ItemSpecies {
    kPikachu = 24,
    kCubone = 103,
    kMarowak = 104,
    kDitto = 131,
    kCastform = 350, // ポワルン: the one species てんきや changes
    kClamperl = 365,
    kLatias = 379,
    kLatios = 380,
};

// Moves with rules of their own, beyond those the simple engine knows.
enum ExactMove {
    kSonicBoom = 48,    // ソニックブーム: 20
    kSeismicToss = 68,  // ちきゅうなげ: the level
    kDragonRage = 81,   // りゅうのいかり: 40
    kNightShade = 100,  // ナイトヘッド: the level
    kSuperFang = 161,   // いかりのまえば: half the defender's HP
    kBrickBreak = 279,  // かわらわり: breaks the screens first
    kGyroBall = 359,    // ジャイロボール
    kFireFang = 423,    // ほのおのキバ: gets through ふしぎなまもり in the 4th generation
    kPsyshock = 472,    // サイコショック: hits the defence
    kStormThrow = 479,  // やまあらし: always a critical hit
    kElectroBall = 485, // エレキボール
    kChipAway = 497,    // なしくずし: ignores the defender's stages
    kFrostBreath = 523, // こおりのいぶき: always a critical hit
    kSacredSword = 532, // せいなるつるぎ: ignores the defender's stages
    kPsystrike = 539,   // サイコブレイク: hits the defence
    kSecretSword = 547, // しんぴのつるぎ: hits the defence
};

inline constexpr int kMaxStage = 6;

// Everything one hit carries from step to step.
struct Hit {
    Hit(const ExactAttack& attack, const BoxEntry& defender, CalcLog* calcLog)
        : a(attack), atk(*attack.attacker), def(defender), log(calcLog), gen(attack.options.generation) {}

    const ExactAttack& a;
    const BoxEntry& atk;
    const BoxEntry& def;
    CalcLog* log; // null on the fast path
    Generation gen;

    int weather = 0;
    int type = 0;
    int power = 0;
    SpeciesTypes atkTypes{};
    SpeciesTypes defTypes{};
    int defAbility = 0; // 0 when かたやぶり breaks through it
    int defItem = 0;    // 0 under ぶきよう
    bool critical = false;
    bool screen = false;      // リフレクター / ひかりのかべ applies
    bool hitsDefence = false; // physical, or a move that hits the defence
    int factor1 = 2;          // chart codes (0, 1, 2, 4) in the order the 4th generation applies them
    int factor2 = 2;
    int attack = 0;
    int defence = 0;
    int64_t base = 0; // the damage before the random roll
    ExactRolls out;

    bool physical() const { return a.category == kPhysical; }
    bool special() const { return a.category != kPhysical; }
    bool stab() const { return type == atkTypes.type1 || type == atkTypes.type2; }
    bool gen4() const { return gen == kGen4; }
    bool superEffective() const { return out.effect > 4; }
    void note(const char* line) const {
        if (log)
            log->append(line);
    }
};

// A multiplier step as the log shows it: "「テクニシャン」で威力： *1.5".
struct Factor {
    int32_t numerator;
    int32_t denominator;
    const char* label;
};

// num/den with `places` decimals, ties to even as printf rounds them ("%1.2f" of 3/8 is "0.38").
std::string decimalText(int64_t num, int64_t den, int places);
// num/den with the decimals it needs, at most three ("1.5", "2", "0.125").
std::string shortDecimalText(int64_t num, int64_t den);

// Common steps (exact_steps.cpp).
void resolveWeatherAndTypes(Hit& h);
void resolveMove(Hit& h);
void resolveEffectiveness(Hit& h);
bool blockedByAbility(Hit& h);
bool dealtFixedDamage(Hit& h);
void writeEffect(const Hit& h);
int attackStageOf(Hit& h);  // -6..+6 after berries, たんじゅん, てんねん and a critical hit
int defenceStageOf(Hit& h); // the same for the defender
int stagedStat(Hit& h, int stat, int stage, bool attacking);
void writeFactor(const Hit& h, const Factor& f);
void writeValue(const Hit& h, const char* label, int64_t value);

// The 5th generation (exact_gen5.cpp) and the 4th (exact_gen4.cpp): power, stats, base damage
// and the 16 rolls.
void computeGen5(Hit& h);
void computeGen4(Hit& h);

// One hit with its log lines (exact_damage.cpp).
ExactRolls runLoggedHit(const ExactAttack& attack, const BoxEntry& defender, CalcLog& log);

} // namespace rusrina::exact
