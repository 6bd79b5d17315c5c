#include "text/ui_text.h"

#include <vector>

namespace rusrina::text {
namespace {

TextLanguage g_language = TextLanguage::Japanese;
TextTranslator g_translator = nullptr;

} // namespace

void setTextLanguage(TextLanguage language, TextTranslator translator) {
    g_language = language;
    g_translator = language == TextLanguage::Japanese ? nullptr : translator;
}

TextLanguage textLanguage() {
    return g_language;
}

std::string uiText(const char* context, const char* source) {
    if (g_translator) {
        if (const char* translated = g_translator(context, source); translated && *translated)
            return translated;
    }
    return source;
}

std::string fillText(std::string_view text, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> parts(args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < parts.size()) {
                out += parts[index];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace rusrina::text
