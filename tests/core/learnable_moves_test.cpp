// The learnable-move chooser: what it lists for a species and a category filter, and its order.

#include "view/box/learnable_moves.h"

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace rusrina {
namespace {

constexpr int kPikachu = 24;
constexpr int kThunderbolt = 84; // １０まんボルト
constexpr int kSurf = 56;        // なみのり

bool isTutorEntry(const ListChoice& c) {
    return c.text.rfind(kTutorPrefix, 0) == 0 && c.text != kTutorSeparatorText;
}

// The moves listed as learnable (neither " 無指定", the separator nor a tutor entry).
std::set<int> learnedMoves(const std::vector<ListChoice>& choices) {
    std::set<int> moves;
    for (const ListChoice& c : choices)
        if (c.value != NO_MOVE && !isTutorEntry(c))
            moves.insert(c.value);
    return moves;
}

TEST(LearnableMovesTest, ListsExactlyWhatTheSpeciesLearnsPlusEveryTutorMove) {
    for (int species : {0, kPikachu, 291, 388, 389, 662}) {
        SCOPED_TRACE(speciesName(species));
        const auto choices = learnableMoveChoices(species, kNoLearnFilter);
        std::set<int> expected;
        for (int move = 0; move < kMoveCount; ++move)
            if (canLearnMove(species, move))
                expected.insert(move);
        EXPECT_EQ(learnedMoves(choices), expected);
        int tutors = 0;
        for (const ListChoice& c : choices) {
            if (!isTutorEntry(c))
                continue;
            ++tutors;
            EXPECT_EQ(c.text, std::string(kTutorPrefix) + moveRecord(c.value).name);
            const auto& list = opTutorMoves();
            EXPECT_NE(std::find(list.begin(), list.end(), c.value), list.end()) << c.text;
        }
        EXPECT_EQ(tutors, kOpTutorMoveCount);
        for (const ListChoice& c : choices) {
            if (!isTutorEntry(c) && c.value != NO_MOVE) {
                EXPECT_EQ(c.text, moveRecord(c.value).name);
            }
        }
    }
}

TEST(LearnableMovesTest, SortedByShiftJisBytesWithNoChoiceFirstThenTheTutorBlock) {
    const auto choices = learnableMoveChoices(kPikachu, kNoLearnFilter);
    ASSERT_GT(choices.size(), 2u + kOpTutorMoveCount);
    EXPECT_EQ(choices[0], (ListChoice{kNoMoveChoiceText, NO_MOVE}));
    EXPECT_EQ(choices[1], (ListChoice{kTutorSeparatorText, NO_MOVE}));
    for (int i = 0; i < kOpTutorMoveCount; ++i)
        EXPECT_TRUE(isTutorEntry(choices[2 + i])) << choices[2 + i].text;
    for (size_t i = 1; i < choices.size(); ++i)
        EXPECT_LE(text::toCp932(choices[i - 1].text), text::toCp932(choices[i].text))
            << choices[i - 1].text << " / " << choices[i].text;
    const auto thunderbolt = std::find_if(choices.begin(), choices.end(), [](const ListChoice& c) {
        return c.value == kThunderbolt && !isTutorEntry(c);
    });
    ASSERT_NE(thunderbolt, choices.end());
    EXPECT_EQ(thunderbolt->text, "１０まんボルト");
    EXPECT_EQ(learnedMoves(choices).count(kSurf), canLearnMove(kPikachu, kSurf) ? 1u : 0u);
}

TEST(LearnableMovesTest, CategoryFilterAppliesToLearnedAndTutorMoves) {
    for (int category : {kPhysical, kSpecial, kStatus}) {
        SCOPED_TRACE(category);
        const auto choices = learnableMoveChoices(kPikachu, category);
        int expectedTutors = 0;
        for (int move : opTutorMoves())
            expectedTutors += moveRecord(move).category == category ? 1 : 0;
        int tutors = 0, learned = 0;
        for (const ListChoice& c : choices) {
            if (c.value == NO_MOVE)
                continue;
            EXPECT_EQ(moveRecord(c.value).category, category) << c.text;
            (isTutorEntry(c) ? tutors : learned) += 1;
        }
        EXPECT_EQ(tutors, expectedTutors);
        int expectedLearned = 0;
        for (int move = 0; move < kMoveCount; ++move)
            expectedLearned += canLearnMove(kPikachu, move) && moveRecord(move).category == category ? 1 : 0;
        EXPECT_EQ(learned, expectedLearned);
        EXPECT_EQ(choices[0].text, kNoMoveChoiceText);
    }
}

TEST(LearnableMovesTest, SpeciesOutsideTheTableLearnsNothingButKeepsTheTutorMoves) {
    for (int species : {-1, kSpeciesCount, 100000}) {
        const auto choices = learnableMoveChoices(species, kNoLearnFilter);
        EXPECT_TRUE(learnedMoves(choices).empty());
        EXPECT_EQ(choices.size(), 2u + kOpTutorMoveCount);
    }
}

} // namespace
} // namespace rusrina
