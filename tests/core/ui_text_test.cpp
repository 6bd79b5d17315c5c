// The program's texts: Japanese unless a translator is set, and parts filled in any order.

#include "text/ui_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace rusrina::text;

const char* toEnglish(const char* context, const char* source) {
    if (std::strcmp(context, "Verdict") == 0 && std::strcmp(source, "乱数%1発") == 0)
        return "%1HKO (random)";
    return nullptr;
}

TEST(UiText, TranslatesOnlyWhenALanguageIsChosenAndKeepsWhatTheCatalogueLacks) {
    EXPECT_EQ(uiText("Verdict", "乱数%1発"), "乱数%1発");
    setTextLanguage(TextLanguage::Japanese, toEnglish);
    EXPECT_EQ(uiText("Verdict", "乱数%1発"), "乱数%1発");
    setTextLanguage(TextLanguage::English, toEnglish);
    EXPECT_EQ(uiText("Verdict", "乱数%1発"), "%1HKO (random)");
    EXPECT_EQ(uiText("Verdict", "確定1発"), "確定1発");
    EXPECT_EQ(uiText("Other", "乱数%1発"), "乱数%1発");
    setTextLanguage(TextLanguage::Japanese, nullptr);
}

TEST(UiText, FillsPartsInTheOrderTheTextGivesThem) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> args;
        const char* out;
    } cases[] = {
        {"乱数%1発 (%2)", {"2", "12.5％"}, "乱数2発 (12.5％)"},
        {"%2 of %1", {"a", "b"}, "b of a"},
        {"%1%1", {"x"}, "xx"},
        {"%1 and %3", {"x"}, "x and %3"},
        {"100% sure, %", {}, "100% sure, %"},
        {"%1", {"%2"}, "%2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillText(c.text, c.args), c.out) << c.text;
}

} // namespace
