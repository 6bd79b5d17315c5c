#pragma once
// The program's own texts. They are written in Japanese, which is what the player sees unless
// another language was chosen at start-up. A text is looked up where it is made, by a context
// and its Japanese text, as Qt finds its tr() texts: the core stays free of Qt, and the
// program sets a translator that reads its catalogues.
//
// The catalogue tools find these calls as they find QCoreApplication::translate(): the first
// two arguments must be string literals.
//
// A text kept in a table is marked where it is written, UI_TEXT_NOOP("Context", "日本語"), so that
// the tools find it there, and looked up where it is shown, uiText("Context", entry.text), with the
// same context.
#define UI_TEXT_NOOP(context, source) source

#include <initializer_list>
#include <string>
#include <string_view>

namespace rusrina::text {

enum class TextLanguage { Japanese, English };

// The text of `source` (UTF-8 Japanese) in the chosen language, or null when it has none.
using TextTranslator = const char* (*)(const char* context, const char* source);

// Set once at start-up, before any window opens or thread starts. Japanese (the default) never
// translates.
void setTextLanguage(TextLanguage language, TextTranslator translator);
TextLanguage textLanguage();

// `source` in the chosen language; `source` itself when the language is Japanese or the
// catalogue has no text for it.
std::string uiText(const char* context, const char* source);

// `text` with %1 … %9 replaced by the arguments in order, in one pass (an argument's own "%1" is
// left as it is), so that a translation may put the parts in another order.
std::string fillText(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace rusrina::text
