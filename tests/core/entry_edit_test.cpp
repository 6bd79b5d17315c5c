#include "view/edit/entry_edit.h"

#include "box/box.h"
#include "box_test_support.h"
#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/held_items.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
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
constexpr int kHugePower = 55;   // ちからもち
constexpr int kSynchronize = 39; // ミュウ's only ability
constexpr int kVoltTackle = 343; // not learnt by ミュウ, and no Op tutor move

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

// The rows keep their positions, then every other held item once; each choice shows again as chosen.
TEST(EntryEditChoosers, EveryHeldItem) {
    const std::vector<ListChoice> rows = itemChoices();
    const std::vector<ListChoice> all = heldItemChoices();
    ASSERT_GT(all.size(), rows.size() + 200);
    EXPECT_TRUE(std::equal(rows.begin(), rows.end(), all.begin()));
    EXPECT_EQ(all[rows.size()], (ListChoice{kItemSeparatorText, kItemSeparatorValue}));
    std::vector<int> seen(static_cast<std::size_t>(heldItemCount()), 0);
    for (const ListChoice& choice : all) {
        if (choice.value == kItemSeparatorValue)
            continue;
        EntryForm form;
        applyHeldItemChoice(form, choice.value);
        EXPECT_EQ(heldItemChoiceValue(form), choice.value) << choice.text;
        const int held = heldItemOf(entryFromForm(form), extraFromForm(form));
        if (held > kNoHeldItem) {
            ++seen[static_cast<std::size_t>(held)];
            EXPECT_EQ(choice.text, heldItem(held).japanese);
        }
    }
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), heldItemCount() - 1);
    EntryForm form;
    applyHeldItemChoice(form, kItemSeparatorValue);
    EXPECT_EQ(heldItemChoiceValue(form), 0);
    EXPECT_EQ(genderChoices(449)[2], (ListChoice{"♀", static_cast<int>(Gender::Female)})); // ガブリアス
}

// Only the genders the species can be are offered, and a stored one it cannot be is kept.
TEST(EntryEditChoosers, GendersTheSpeciesCanBe) {
    const struct {
        int species;
        Gender stored;
        std::vector<std::string> texts;
    } cases[] = {
        {449, Gender::Unknown, {"－", "♂", "♀"}}, // ガブリアス
        {483, Gender::Unknown, {"－"}},           // ロトム, genderless
        {127, Gender::Unknown, {"－", "♂"}},      // ケンタロス, males alone
        {112, Gender::Unknown, {"－", "♀"}},      // ラッキー, females alone
        {483, Gender::Male, {"－", "♂"}},         {112, Gender::Male, {"－", "♂", "♀"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (const ListChoice& choice : genderChoices(c.species, c.stored))
            texts.push_back(choice.text);
        EXPECT_EQ(texts, c.texts) << c.species;
    }
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

TEST(EntryEditMoves, AFormsOwnMoveIsOffered) {
    constexpr int kWashRotom = 485, kRotom = 483;
    EXPECT_GT(findChoiceText(moveChoices(kWashRotom, 0), "ハイドロポンプ"), 0);
    EXPECT_EQ(findChoiceText(moveChoices(kRotom, 0), "ハイドロポンプ"), -1);
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
    EXPECT_EQ(electric[choiceRow(electric, kThunder)].value, kThunder);
    EXPECT_EQ(electric[choiceRow(electric, kThunderPunch)].text, "かみなりパンチ");

    // A move only on offer as a tutor row selects that row; a move not on offer selects " 無指定".
    const std::vector<ListChoice> deoxys = moveChoices(kDeoxysSpeed, 0);
    EXPECT_EQ(deoxys[choiceRow(deoxys, kSoftBoiled)].text, "―タマゴうみ");
    const std::vector<ListChoice> turtwig = moveChoices(kTurtwig, 0);
    EXPECT_EQ(choiceRow(turtwig, kSoftBoiled), 0);
    EXPECT_EQ(choiceRow(turtwig, NO_MOVE), 0);
    EXPECT_EQ(choiceRow(turtwig, kMoveCount), 0);

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
        // Typed with a Japanese input method.
        {"３", kIvRange, FieldStatus::Ok, 3},
        {"１２", kIvRange, FieldStatus::Ok, 12},
        {"　＋２５２　", kEvRange, FieldStatus::Ok, 252},
        {"－１", kIvRange, FieldStatus::OutOfRange, 0},
        {"１２ａ", kIvRange, FieldStatus::NotInteger, 0},
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

// Nothing is stored as "?": a name Shift-JIS cannot hold, or one with a control character, is
// refused naming the characters; a name still the stored entry's is its stored bytes and passes.
TEST(EntryEditRegistration, NamesThatCannotBeStoredAsTheyRead) {
    struct Case {
        const char* name;
        std::vector<std::string> unstorable;
    } cases[] = {
        {"ガブ～①≒ﾊﾞ?", {}},
        {"ガブ😀", {"😀"}},
        {"™a©™", {"™", "©"}},
        {"a\r\nb\tc", {"改行", "タブ"}},
        {"\x1b\x7f\xc2\x85", {"U+001B", "U+007F", "U+0085"}},
        {"😀\n", {"😀", "改行"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(unstorableNameCharacters(c.name), c.unstorable) << c.name;
        EntryForm form = mewForm();
        form.name = c.name;
        EXPECT_EQ(registrationRefusal(form), c.unstorable.empty() ? Refusal::None : Refusal::UnstorableName);
    }
    EntryForm form = mewForm();
    form.name = "ガブ😀\n";
    EXPECT_EQ(refusalText(Refusal::UnstorableName, form),
              "名前に使えない文字があります：😀、改行\n"
              "絵文字や一部の記号、改行やタブは名前に使えません。ほかの文字にしてください。");
    EXPECT_EQ(refusalText(Refusal::EmptyName, form), "名前を入力してください");

    BoxEntry stored = entryFromForm(mewForm());
    std::memcpy(stored.name, "a\tb\xff", 5);
    form = formFromEntry(stored);
    EXPECT_EQ(registrationRefusal(form), Refusal::None);
    form.name += "c";
    EXPECT_EQ(registrationRefusal(form), Refusal::UnstorableName);
}

TEST(EntryEditFields, StatsAndEvsLeftFollowTheFields) {
    using Texts = std::array<std::string, 6>;
    const Texts ivs31{"31", "31", "31", "31", "31", "31"};
    struct Case {
        int species, level;
        Texts ivs, evs;
        Texts stats;
        int left;
    } cases[] = {
        // ミュウ, さみしがり: the stats registration computes.
        {kMew, 50, ivs31, {"252", "252", "6", "0", "0", "0"}, {"207", "167", "108", "120", "120", "120"}, 0},
        {kMew, 100, ivs31, {"２５２", "252", "6", "0", "0", "0"}, {"404", "328", "213", "236", "236", "236"}, 0},
        // A field still being typed leaves its stat open and counts nothing.
        {kMew,
         50,
         {"31", "", "31", "x", "31", "31"},
         {"252", "252", "", "0", "0", "1"},
         {"207", "－", "－", "－", "120", "120"},
         5},
        {kShedinja, 50, ivs31, {"255", "255", "255", "0", "0", "0"}, {"1", "156", "87", "50", "50", "60"}, -255},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(computedStatTexts(c.species, c.level, 0, c.ivs, c.evs), c.stats) << c.species << " " << c.level;
        EXPECT_EQ(evsLeft(c.evs), c.left);
    }
    EXPECT_EQ(evsLeftText(12), "残り 12");
    EXPECT_EQ(evsLeftText(-2), "残り -2");
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

namespace {

bool sameBytes(const BoxEntry& a, const BoxEntry& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every record of the committed box-file fuzz seeds that a box would take in.
std::vector<BoxEntry> corpusEntries() {
    std::vector<BoxEntry> entries;
    for (const auto& file : std::filesystem::directory_iterator(RUSRINA_FUZZ_CORPUS_DIR "/box_file")) {
        const std::string bytes = rusrina::testing::readAll(file.path());
        for (size_t at = 0; at + sizeof(BoxEntry) <= bytes.size(); at += sizeof(BoxEntry)) {
            BoxEntry entry;
            std::memcpy(&entry, bytes.data() + at, sizeof entry);
            if (entry.inUse() && isValidEntry(entry))
                entries.push_back(entry);
        }
    }
    return entries;
}

// Name fields an imported file may hold, and whether the name field must mark them as shown
// inexactly.
const struct {
    std::string_view bytes;
    bool marked;
} kOddNames[] = {
    {{"\x82\xa0\xff\x80", 4}, true},          // あ, then bytes that are not Shift-JIS
    {{"\x81", 1}, true},                      // a lead byte without its trail byte
    {{"\xa0\xfd\xfe\xff", 4}, true},          // single bytes outside every table
    {{"\x87\x90", 2}, true},                  // ≒ of the NEC row, whose text gives back the JIS row
    {{"ab\0stray padding", 16}, false},       // bytes behind the terminator
    {{"\t\r\n\x7f", 4}, false},               // control characters
    {{"\x83\x7e\x83\x85\x83\x45", 6}, false}, // ミュウ
};

} // namespace

// An edit that changes nothing gives back every byte of the stored entry, and the form's choosers
// can show every stored value: the round trip over the entries of the fuzz seeds, under their
// own names and under names the field cannot show.
TEST(EntryEditForm, UntouchedFormGivesBackTheStoredEntry) {
    const std::vector<BoxEntry> entries = corpusEntries();
    ASSERT_GT(entries.size(), 2000u);
    for (const BoxEntry& seed : entries) {
        std::vector<BoxEntry> variants{seed};
        for (const auto& odd : kOddNames) {
            BoxEntry renamed = seed;
            std::memset(renamed.name, 0, kBoxNameBytes);
            std::memcpy(renamed.name, odd.bytes.data(), odd.bytes.size());
            variants.push_back(renamed);
        }
        for (const BoxEntry& entry : variants) {
            const EntryForm form = formFromEntry(entry);
            ASSERT_TRUE(sameBytes(entryFromForm(form), entry)) << entryNameUtf8(entry) << " " << entry.species;
        }
        const std::vector<ListChoice> abilities = abilityChoices(seed.species, seed.ability);
        ASSERT_EQ(abilities[choiceRow(abilities, seed.ability)].value, seed.ability);
        for (int move : seed.move) {
            if (move == NO_MOVE)
                continue; // " 無指定" heads every list
            const int filter = typeFilterForMove(move);
            const std::vector<ListChoice> moves = withStoredMove(moveChoices(seed.species, filter), filter, move);
            ASSERT_EQ(moves[choiceRow(moves, move)].value, move) << seed.species << " " << move;
        }
    }
    for (const auto& odd : kOddNames) {
        BoxEntry entry = entries.front();
        std::memset(entry.name, 0, kBoxNameBytes);
        std::memcpy(entry.name, odd.bytes.data(), odd.bytes.size());
        const EntryForm form = formFromEntry(entry);
        EXPECT_EQ(marksStoredName(form.name, form.stored), odd.marked) << form.name;
        EXPECT_FALSE(marksStoredName("みゅう", form.stored));
        EXPECT_FALSE(marksStoredName(form.name, std::nullopt));
    }
}

// A stored ミュウ with every oddity: name bytes that are not Shift-JIS followed by stray padding,
// an ability and a move it cannot have, and stats that do not follow from its IVs and EVs. Each
// edit writes what it changed and keeps the rest as stored.
TEST(EntryEditForm, AnEditWritesWhatChangedAndKeepsTheRest) {
    BoxEntry stored = entryFromForm(mewForm());
    std::memcpy(stored.name, "\x82\xa0\xff\x80\0pad", 8);
    stored.level = 51;
    stored.ability = kHugePower;
    stored.move[1] = kVoltTackle;
    for (int s = 0; s < 6; ++s)
        stored.stat[s] = s + 1;
    ASSERT_TRUE(isValidEntry(stored));
    BoxEntry named = stored;
    setEntryName(named, "みゅう");

    using Edit = std::function<void(EntryForm&)>;
    using Change = std::function<void(BoxEntry&)>;
    const struct {
        const char* what;
        Edit edit;
        Change expected; // applied to the stored entry
    } cases[] = {
        {"nothing", [](EntryForm&) {}, [](BoxEntry&) {}},
        {"the item", [](EntryForm& f) { f.item = 3; }, [](BoxEntry& e) { e.item = 3; }},
        {"the ability", [](EntryForm& f) { f.ability = kSynchronize; }, [](BoxEntry& e) { e.ability = kSynchronize; }},
        {"a move", [](EntryForm& f) { f.move[1] = kThunder; }, [](BoxEntry& e) { e.move[1] = kThunder; }},
        {"the name", [](EntryForm& f) { f.name = "みゅう"; },
         [&](BoxEntry& e) { std::memcpy(e.name, named.name, kBoxNameBytes); }},
        {"the level, so the stats follow", [](EntryForm& f) { f.level = 50; },
         [](BoxEntry& e) {
             e.level = 50;
             const int computed[6] = {207, 167, 108, 120, 120, 120};
             std::copy(std::begin(computed), std::end(computed), e.stat);
         }},
        {"typed stats",
         [](EntryForm& f) {
             f.statsDirect = true;
             f.stat = {11, 22, 33, 44, 55, 66};
         },
         [](BoxEntry& e) {
             e.statsDirect = 1;
             const int typed[6] = {11, 22, 33, 44, 55, 66};
             std::copy(std::begin(typed), std::end(typed), e.stat);
         }},
    };
    for (const auto& c : cases) {
        EntryForm form = formFromEntry(stored);
        c.edit(form);
        BoxEntry expected = stored;
        c.expected(expected);
        EXPECT_TRUE(sameBytes(entryFromForm(form), expected)) << c.what;
    }

    // The stored ability and move are rows of their own, marked, where the lists lack them.
    EXPECT_EQ(abilityChoices(kMew, kHugePower),
              (std::vector<ListChoice>{{"シンクロ", kSynchronize}, {"（登録値）ちからもち", kHugePower}}));
    EXPECT_EQ(abilityChoices(kMew, kSynchronize), abilityChoices(kMew));
    const std::vector<ListChoice> electric =
        withStoredMove(moveChoices(kMew, kElectric + 1), kElectric + 1, kVoltTackle);
    EXPECT_EQ(electric.back(), (ListChoice{"（登録値）ボルテッカー", kVoltTackle}));
    EXPECT_EQ(electric.size(), moveChoices(kMew, kElectric + 1).size() + 1);
    EXPECT_EQ(withStoredMove(moveChoices(kMew, kFire + 1), kFire + 1, kVoltTackle), moveChoices(kMew, kFire + 1));
    EXPECT_EQ(withStoredMove(moveChoices(kMew, 0), 0, kThunder), moveChoices(kMew, 0));

    // A species the current rule does not admit is shown under the rule that admits every one.
    EXPECT_EQ(ruleForSpecies(kRuleGilda, kMew), kRuleUnrestricted);
    EXPECT_EQ(ruleForSpecies(kRuleGilda, kMewtwo - 1), kRuleGilda);
}
