// The view's texts in English, read from the committed catalogues: whole sentences whose parts
// come in English order, with no Japanese left in them.

#include "catalogue_translator.h"
#include "view/box/battle_state_text.h"
#include "view/box/duel_text.h"
#include "view/box/exact_log.h"
#include "view/common/exact_texts.h"
#include "view/matrix/matrix_view.h"
#include "view/sequence/sequence_view.h"

#include <gtest/gtest.h>

#include <functional>

namespace rusrina {
namespace {

// The third line of a sequence's log: its first use, with the chance and the HP before and after.
std::string firstUseLine() {
    SequenceResult result;
    result.maxHp = result.startHp = 100;
    SequenceUseResult use;
    use.knockedOut = 0.5625;
    use.hp.assign(101, 0.0);
    use.hp[40] = 0.4375;
    use.missed = 0.1;
    result.uses.push_back(use);
    const std::string log = sequenceLogText({}, result);
    std::size_t start = 0;
    for (int line = 0; line < 2; ++line)
        start = log.find("\r\n", start) + 2;
    return log.substr(start, log.find("\r\n", start) - start);
}

std::string battleStateLine() {
    BattleState state;
    state.attacker.status = StatusCondition::Burn;
    state.attacker.stages[0] = 2;
    state.field.trickRoom = true;
    return battleStateSummary(state);
}

std::string duelSummary() {
    DuelResult r;
    r.computed = true;
    r.win = r.lose = 0.5;
    r.expectedTurns = 2.5;
    return duelLine(r, "Surf", "Thunderbolt");
}

TEST(EnglishTexts, ViewsSayTheirSentencesInEnglishOrder) {
    const test::EnglishTexts english;
    ASSERT_GT(test::CatalogueTranslator::size(), 0u);
    const int secondKo = kMatrixEntryColumns + kMatrixColumnsPerMove + kMatrixKo;
    const struct {
        const char* what;
        std::function<std::string()> text;
        const char* english;
    } cases[] = {
        {"certain verdict", [] { return certainKoText(1); }, "guaranteed OHKO"},
        {"possible verdict", [] { return possibleKoText(2, koChanceText(0.5625)); }, "56.3% chance to 2HKO"},
        {"least chance", [] { return koChanceText(0.0001); }, "under 0.1%"},
        {"log factor",
         [] {
             return exactStepText({ExactRule::Technician, ExactStepSide::Attacker, 3, 2}, kGen5);
         },
         "Power with Technician: *1.5"},
        {"log later hit",
         [] {
             ExactStep s{ExactRule::LaterHit};
             s.before = 1;
             s.arg = 2;
             s.arg2 = 40;
             return exactStepText(s, kGen5);
         },
         "<next use, hit 2 onward (power 40)>"},
        {"matrix heading", [&] { return matrixHeading(secondKo); }, "KO 2"},
        {"matrix legend", [] { return text::uiText("MatrixText", koShadeName(KoShade::LikelyTwoHits)); },
         "Possible 2HKO"},
        {"sequence use", firstUseLine,
         "  Use 1: chance knocked out 0.0% → 56.3%, HP left 100 (mean 100.0) → 40 (mean 40.0), miss 10.0%"},
        {"battle state", battleStateLine, "Attacker: Burn, Attack+2   Field: Trick Room"},
        {"one-on-one", duelSummary,
         "One-on-one (Surf vs. Thunderbolt): win 50.0 %, draw 0.0 %, lose 50.0 % (2.50 turns on average)"},
    };
    for (const auto& c : cases) {
        const std::string text = c.text();
        EXPECT_EQ(text, c.english) << c.what;
        EXPECT_FALSE(test::hasJapanese(text)) << c.what << ": " << text;
    }
}

} // namespace
} // namespace rusrina
