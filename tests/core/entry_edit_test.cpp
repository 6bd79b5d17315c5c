#include "view/entry_edit.h"

#include "box/box.h"
#include "data/battle_rules.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

using namespace rusrina;

namespace {

constexpr int kFire = 10;
constexpr int kElectric = 13;
constexpr int kMewtwo = 149;
constexpr int kMew = 150;
constexpr int kShedinja = 291;
constexpr int kDeoxysSpeed = 388; // the last species with the Op tutor rows
constexpr int kTurtwig = 389;
constexpr int kThunderPunch = 8;
constexpr int kThunder = 86;
constexpr int kSoftBoiled = 134; // an Op tutor move デオキシス cannot learn otherwise

int separatorRow(const std::vector<ListChoice>& choices) {
    return findChoiceText(choices, kTutorSeparatorText);
}

EntryForm mewForm() {
    EntryForm form;
    form.name = "みゅう";
    form.species = kMew;
    form.level = 50;
    form.nature = 0; // さみしがり: attack up, defence down
    form.ability = 39;
    form.iv = {31, 31, 31, 31, 31, 31};
    form.ev = {252, 252, 6, 0, 0, 0};
    form.stat = {11, 22, 33, 44, 55, 66};
    form.move = {kThunder, NO_MOVE, kThunderPunch, NO_MOVE};
    return form;
}

} // namespace

TEST(EntryEditChoosers, TypeFiltersLeaveOutThePlaceholderAndCarryTypePlusOne) {
    const std::vector<ListChoice> filters = typeFilterChoices();
    ASSERT_EQ(filters.size(), 18u);
    EXPECT_EQ(filters[0], (ListChoice{" 無指定", 0}));
    EXPECT_EQ(filters[1], (ListChoice{"ノーマル", 1}));
    EXPECT_EQ(filters[9].value, 9); // type 8, the last before the placeholder
    EXPECT_EQ(filters[10], (ListChoice{"ほのお", kFire + 1}));
    EXPECT_EQ(filters[17].value, 18); // type 17
    EXPECT_EQ(findChoiceText(filters, "－－－"), -1);

    // A stored move's filter value, on either side of the placeholder; nothing for no move.
    struct Case {
        int move, filter;
    } cases[] = {{NO_MOVE, 0}, {kMoveCount, 0}, {-1, 0}, {0, 1}, {88, 5}, {6, kFire + 1}, {kThunder, kElectric + 1}};
    for (const Case& c : cases)
        EXPECT_EQ(typeFilterForMove(c.move), c.filter) << c.move;
}

TEST(EntryEditChoosers, SpeciesFollowTheRuleInTableOrder) {
    const std::vector<ListChoice> all = speciesChoices(kRuleUnrestricted);
    ASSERT_EQ(all.size(), static_cast<size_t>(kSpeciesCount));
    EXPECT_EQ(all[0], (ListChoice{"フシギダネ", 0}));
    EXPECT_EQ(all[kMew], (ListChoice{"ミュウ", kMew}));

    EXPECT_EQ(findChoiceText(speciesChoices(kRuleGilda), "ミュウツー"), -1);
    EXPECT_EQ(speciesChoices(kRuleXyrem).front().value, kFirstGen5Species);
}

TEST(EntryEditChoosers, OnlyTheTwoArenasFixTheLevel) {
    for (int rule = 0; rule < kBattleRuleCount; ++rule) {
        const int expected = rule == kRuleGilda ? 50 : rule == kRuleRaffine ? 30 : 77;
        EXPECT_EQ(levelForRule(rule, 77), expected) << rule;
    }
}

TEST(EntryEditChoosers, AbilitiesNaturesAndItems) {
    EXPECT_EQ(abilityChoices(kMew), (std::vector<ListChoice>{{"シンクロ", 39}}));
    EXPECT_EQ(abilityChoices(15), (std::vector<ListChoice>{{"するどいめ", 47}, {"ちどりあし", 57}})); // ポッポ

    // The label up to its bracketed note, full-width padding kept.
    struct Case {
        int nature;
        const char* text;
    } natures[] = {{0, "さみしがり"}, {2, "やんちゃ　"}, {18, "ようき　　"}, {24, "まじめ　　"}};
    for (const Case& c : natures)
        EXPECT_EQ(natureChoiceText(c.nature), c.text);

    const std::vector<ListChoice> items = itemChoices();
    ASSERT_EQ(items.size(), 17u);
    EXPECT_EQ(items.back(), (ListChoice{"", 16}));
    EXPECT_EQ(items[10], (ListChoice{"こころのしずく", 10}));
}

TEST(EntryEditMoves, TutorRowsOnlyBeforeTheCutOff) {
    struct Case {
        int species;
        bool tutorRows;
    } cases[] = {{0, true}, {kMew, true}, {kDeoxysSpeed, true}, {kTurtwig, false}, {kSpeciesCount - 1, false}};
    for (const Case& c : cases) {
        const std::vector<ListChoice> moves = moveChoices(c.species, 0);
        ASSERT_FALSE(moves.empty());
        EXPECT_EQ(moves.front(), (ListChoice{" 無指定", NO_MOVE}));
        const int separator = separatorRow(moves);
        if (!c.tutorRows) {
            EXPECT_EQ(separator, -1) << c.species;
            for (const ListChoice& m : moves)
                EXPECT_FALSE(m.text.starts_with("―")) << c.species << " " << m.text;
            continue;
        }
        // The separator carries no move and is followed by all 30 tutor moves in list order.
        ASSERT_EQ(static_cast<int>(moves.size()) - separator - 1, kOpTutorMoveCount) << c.species;
        EXPECT_EQ(moves[separator].value, NO_MOVE);
        for (int i = 0; i < kOpTutorMoveCount; ++i) {
            const ListChoice& row = moves[separator + 1 + i];
            EXPECT_EQ(row.value, opTutorMoves()[i]);
            EXPECT_EQ(row.text, std::string("―") + moveRecord(opTutorMoves()[i]).name);
        }
    }
    // Tutor rows are offered whether or not the species could learn the move.
    ASSERT_FALSE(canLearnMove(kDeoxysSpeed, kSoftBoiled));
    EXPECT_GT(findChoiceText(moveChoices(kDeoxysSpeed, 0), "―タマゴうみ"), 0);
    EXPECT_EQ(findChoiceText(moveChoices(kDeoxysSpeed, 0), "タマゴうみ"), -1);
}

TEST(EntryEditMoves, TypeFilterReachesLearntAndTutorRows) {
    const std::vector<ListChoice> fire = moveChoices(kMew, kFire + 1);
    for (const ListChoice& c : fire)
        EXPECT_TRUE(c.value == NO_MOVE || moveRecord(c.value).type == kFire) << c.text;
    EXPECT_GT(findChoiceText(fire, "ほのおのパンチ"), 0);
    EXPECT_GT(findChoiceText(fire, "―ほのおのパンチ"), 0);
    EXPECT_EQ(findChoiceText(fire, "かみなり"), -1);
    EXPECT_EQ(findChoiceText(fire, "―かみなりパンチ"), -1);
}

TEST(EntryEditMoves, InfoCells) {
    using Cells = std::array<std::string, 5>;
    EXPECT_EQ(moveInfoTexts(NO_MOVE), (Cells{" - ", " - ", " - ", " - ", " - "}));
    EXPECT_EQ(moveInfoTexts(kThunder), (Cells{"120", "70", "10", "特殊", "通常"}));
    EXPECT_EQ(moveInfoTexts(354), (Cells{"0", "0", "10", "変化", "自分"}));       // はねやすめ
    EXPECT_EQ(moveInfoTexts(552), (Cells{"55", "95", "15", "特殊", "相手全員"})); // バークアウト
}

TEST(EntryEditMoves, StoredMovesAndSpeciesMatchNamesExactly) {
    // かみなりパンチ comes before かみなり in table order; the match must not stop at a prefix.
    const std::vector<ListChoice> electric = moveChoices(kMew, kElectric + 1);
    ASSERT_LT(findChoiceText(electric, "かみなりパンチ"), findChoiceText(electric, "かみなり"));
    EXPECT_EQ(electric[moveChoiceRow(electric, kThunder)].value, kThunder);
    EXPECT_EQ(electric[moveChoiceRow(electric, kThunderPunch)].text, "かみなりパンチ");

    // A move only on offer as a tutor row selects that row; a move not on offer selects " 無指定".
    const std::vector<ListChoice> deoxys = moveChoices(kDeoxysSpeed, 0);
    EXPECT_EQ(deoxys[moveChoiceRow(deoxys, kSoftBoiled)].text, "―タマゴうみ");
    const std::vector<ListChoice> turtwig = moveChoices(kTurtwig, 0);
    EXPECT_EQ(moveChoiceRow(turtwig, kSoftBoiled), 0);
    EXPECT_EQ(moveChoiceRow(turtwig, NO_MOVE), 0);
    EXPECT_EQ(moveChoiceRow(turtwig, kMoveCount), 0);

    const std::vector<ListChoice> species = speciesChoices(kRuleUnrestricted);
    ASSERT_LT(findChoiceText(species, "ミュウツー"), findChoiceText(species, "ミュウ"));
    EXPECT_EQ(species[findChoiceText(species, "ミュウ")].value, kMew);
    EXPECT_EQ(species[findChoiceText(species, "ミュウツー")].value, kMewtwo);
}

TEST(EntryEditPresets, RowsGiveTheirNatureAndEvs) {
    struct Case {
        const char* nature; // the nature chooser's text
        std::array<int, 6> evs;
    } expected[kNaturePresetCount] = {
        {"", {}},
        {"ようき　　", {6, 252, 0, 0, 0, 252}},
        {"いじっぱり", {6, 252, 0, 0, 0, 252}},
        {"おくびょう", {6, 0, 0, 252, 0, 252}},
        {"ひかえめ　", {6, 0, 0, 252, 0, 252}},
        {"ずぶとい　", {252, 0, 252, 0, 6, 0}},
        {"わんぱく　", {252, 0, 252, 0, 6, 0}},
        {"おだやか　", {252, 0, 6, 0, 252, 0}},
        {"しんちょう", {252, 0, 6, 0, 252, 0}},
        {"ゆうかん　", {252, 252, 6, 0, 0, 0}},
        {"のんき　　", {252, 0, 252, 0, 6, 0}},
        {"れいせい　", {252, 0, 0, 252, 6, 0}},
        {"なまいき　", {252, 0, 6, 0, 252, 0}},
    };
    const auto& presets = naturePresets();
    EXPECT_STREQ(presets[0].text, " 手動入力");
    EXPECT_EQ(presets[0].nature, -1);
    for (int row = 1; row < kNaturePresetCount; ++row) {
        EXPECT_EQ(presets[row].text[0], ' ') << row;
        EXPECT_EQ(natureChoiceText(presets[row].nature), expected[row].nature) << row;
        EXPECT_EQ(presets[row].evs, expected[row].evs) << row;
        EXPECT_EQ(std::accumulate(presets[row].evs.begin(), presets[row].evs.end(), 0), kMaxEvTotal) << row;
    }
    EXPECT_STREQ(presets[12].text, " なまいきHD");
}

TEST(EntryEditFields, IntegerChecks) {
    struct Case {
        const char* text;
        FieldRange range;
        FieldStatus status;
        int value;
    } cases[] = {
        {"0", kIvRange, FieldStatus::Ok, 0},
        {"255", kIvRange, FieldStatus::Ok, 255},
        {" 31 ", kIvRange, FieldStatus::Ok, 31},
        {"+7", kEvRange, FieldStatus::Ok, 7},
        {"007", kEvRange, FieldStatus::Ok, 7},
        {"256", kEvRange, FieldStatus::OutOfRange, 0},
        {"-1", kIvRange, FieldStatus::OutOfRange, 0},
        {"0", kStatRange, FieldStatus::OutOfRange, 0},
        {"999", kStatRange, FieldStatus::Ok, 999},
        {"1000", kStatRange, FieldStatus::OutOfRange, 0},
        {"99999999999999999999", kStatRange, FieldStatus::OutOfRange, 0},
        {"", kIvRange, FieldStatus::NotInteger, 0},
        {"  ", kIvRange, FieldStatus::NotInteger, 0},
        {"abc", kIvRange, FieldStatus::NotInteger, 0},
        {"12a", kIvRange, FieldStatus::NotInteger, 0},
        {"1 2", kIvRange, FieldStatus::NotInteger, 0},
        {"1.5", kIvRange, FieldStatus::NotInteger, 0},
        {"+", kIvRange, FieldStatus::NotInteger, 0},
        {"+-5", kIvRange, FieldStatus::NotInteger, 0},
        {"３", kIvRange, FieldStatus::NotInteger, 0}, // full-width digit
    };
    for (const Case& c : cases) {
        const FieldCheck check = checkIntField(c.text, c.range);
        EXPECT_EQ(check.status, c.status) << c.text;
        if (c.status == FieldStatus::Ok) {
            EXPECT_EQ(check.value, c.value) << c.text;
        }
    }
    EXPECT_EQ(fieldCheckMessage(FieldStatus::NotInteger, kIvRange), "整数を入力してください。");
    EXPECT_EQ(fieldCheckMessage(FieldStatus::OutOfRange, kIvRange), "0 から 255 までの整数を入力してください。");
    EXPECT_EQ(fieldCheckMessage(FieldStatus::OutOfRange, kStatRange), "1 から 999 までの整数を入力してください。");
    EXPECT_EQ(fieldCheckMessage(FieldStatus::Ok, kStatRange), "");
}

TEST(EntryEditFields, NameFitsThirtyOneShiftJisBytes) {
    const std::string kanji16 = "一二三四五六七八九十一二三四五六";
    struct Case {
        std::string text, kept;
    } cases[] = {
        {"", ""},
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(40, 'a'), std::string(31, 'a')},
        {kanji16, "一二三四五六七八九十一二三四五"}, // 32 bytes: the last character goes whole
        {"a" + kanji16, "a一二三四五六七八九十一二三四五"},
        {std::string(30, 'a') + "あ", std::string(30, 'a')},
        {"ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲ", "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱ"}, // half-width kana: 1 byte
    };
    for (const Case& c : cases) {
        const std::string kept = fitEntryNameText(c.text);
        EXPECT_EQ(kept, c.kept) << c.text;
        // What the field keeps is stored whole.
        BoxEntry entry{};
        setEntryName(entry, kept);
        EXPECT_EQ(entryNameUtf8(entry), kept);
    }
}

TEST(EntryEditRegistration, Refusals) {
    struct Case {
        const char* name;
        bool statsDirect;
        std::array<int, 6> ev;
        Refusal refusal;
    } cases[] = {
        {"a", false, {252, 252, 6, 0, 0, 0}, Refusal::None},
        {"a", false, {252, 252, 6, 0, 0, 1}, Refusal::TooManyEvs},
        {"a", false, {255, 255, 255, 255, 255, 255}, Refusal::TooManyEvs},
        {"a", true, {252, 252, 6, 0, 0, 1}, Refusal::None}, // typed stats: the EVs are not used
        {"", false, {}, Refusal::EmptyName},
        {"", false, {252, 252, 6, 0, 0, 1}, Refusal::EmptyName},
        {"", true, {}, Refusal::EmptyName},
    };
    for (const Case& c : cases) {
        EntryForm form = mewForm();
        form.name = c.name;
        form.statsDirect = c.statsDirect;
        form.ev = c.ev;
        EXPECT_EQ(registrationRefusal(form), c.refusal) << c.name << c.statsDirect;
    }
    EXPECT_STREQ(refusalMessage(Refusal::EmptyName).title, "入力不足");
    EXPECT_STREQ(refusalMessage(Refusal::EmptyName).text, "名前を入力してください");
    EXPECT_STREQ(refusalMessage(Refusal::TooManyEvs).title, "パラメータ異常");
    EXPECT_STREQ(refusalMessage(Refusal::TooManyEvs).text, "努力値が多すぎます");
}

TEST(EntryEditRegistration, StoredStatsInBothModes) {
    using Stats = std::array<int, 6>;
    struct Case {
        int species;
        bool statsDirect;
        std::array<int, 6> iv;
        Stats stored;
    } cases[] = {
        // ミュウ, base 100 everywhere, level 50, さみしがり, EVs 252/252/6/0/0/0.
        {kMew, false, {31, 31, 31, 31, 31, 31}, {207, 167, 108, 120, 120, 120}},
        // IVs above 31 enter the formula unchanged.
        {kMew, false, {255, 255, 255, 255, 255, 255}, {319, 290, 209, 232, 232, 232}},
        {kMew, true, {31, 31, 31, 31, 31, 31}, {11, 22, 33, 44, 55, 66}},
        // ヌケニン keeps HP 1 whether computed or typed.
        {kShedinja, false, {31, 31, 31, 31, 31, 31}, {1, 156, 59, 50, 50, 60}},
        {kShedinja, true, {31, 31, 31, 31, 31, 31}, {1, 22, 33, 44, 55, 66}},
    };
    for (const Case& c : cases) {
        EntryForm form = mewForm();
        form.species = c.species;
        form.statsDirect = c.statsDirect;
        form.iv = c.iv;
        EXPECT_EQ(statsToStore(form), c.stored) << c.species << " " << c.statsDirect;
    }
    EXPECT_EQ(confirmationText({207, 167, 137, 136, 136, 136}),
              "HP 207:攻撃 167:防御 137:特攻 136:特防 136:素早 136\nこれでいいですか？");
}

TEST(EntryEditRegistration, EntryFromTheForm) {
    EntryForm form = mewForm();
    form.item = 16;
    form.statsDirect = true;
    const BoxEntry entry = entryFromForm(form);
    EXPECT_EQ(entryNameUtf8(entry), "みゅう");
    EXPECT_EQ(entry.species, kMew);
    EXPECT_EQ(entry.level, 50);
    EXPECT_EQ(entry.nature, 0);
    EXPECT_EQ(entry.ability, 39);
    EXPECT_EQ(entry.item, 16);
    EXPECT_EQ(entry.statsDirect, 1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(entry.iv[i], 31);
        EXPECT_EQ(entry.ev[i], form.ev[i]);
        EXPECT_EQ(entry.stat[i], form.stat[i]);
    }
    const int moves[4] = {kThunder, NO_MOVE, kThunderPunch, NO_MOVE};
    EXPECT_TRUE(std::equal(std::begin(entry.move), std::end(entry.move), moves));
    EXPECT_TRUE(isValidEntry(entry));

    // Computed stats are the ones stored; a long name is cut to the field.
    form.statsDirect = false;
    form.name = std::string(40, 'x');
    const BoxEntry computed = entryFromForm(form);
    EXPECT_EQ(computed.statsDirect, 0);
    EXPECT_EQ(computed.stat[0], 207);
    EXPECT_EQ(entryName(computed), std::string(31, 'x'));
    EXPECT_TRUE(isValidEntry(computed));
}
