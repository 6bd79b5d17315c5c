#pragma once
// The English catalogues (i18n/*_en.ts) read straight from their XML, so that a core test can
// see the program's texts in English without Qt. EnglishTexts sets the language for a scope:
//
//     const EnglishTexts english;   // every uiText() is English until it goes out of scope
//
// Only what the catalogue tools write is read: <context><name>, <message><source>, <translation>
// and the XML character references.

#include "text/ui_text.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>

namespace rusrina::test {

class CatalogueTranslator {
public:
    // Every catalogue of the repository's i18n directory.
    static void loadAll() {
        auto& texts = table();
        texts.clear();
        const std::filesystem::path dir = std::filesystem::path(RUSRINA_TEST_DATA_DIR) / ".." / ".." / "i18n";
        for (const auto& file : std::filesystem::directory_iterator(dir))
            if (file.path().extension() == ".ts")
                load(file.path());
    }

    static std::size_t size() { return table().size(); }

    static const char* translate(const char* context, const char* source) {
        const auto& texts = table();
        const auto found = texts.find({context, source});
        return found == texts.end() ? nullptr : found->second.c_str();
    }

private:
    using Table = std::map<std::pair<std::string, std::string>, std::string>;

    static Table& table() {
        static Table texts;
        return texts;
    }

    static void load(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string xml = buffer.str();
        std::string context;
        std::size_t at = 0;
        while (true) {
            const std::size_t name = xml.find("<name>", at);
            const std::size_t message = xml.find("<message>", at);
            if (message == std::string::npos)
                return;
            if (name < message) {
                context = decoded(between(xml, name, "<name>", "</name>", at));
                continue;
            }
            const std::string source = decoded(between(xml, message, "<source>", "</source>", at));
            const std::size_t translation = xml.find("<translation", at);
            const std::size_t open = xml.find('>', translation);
            const std::size_t close = xml.find("</translation>", open);
            if (translation == std::string::npos || open == std::string::npos || close == std::string::npos)
                return;
            if (xml[open - 1] != '/') // an empty <translation/> has no text
                table()[{context, source}] = decoded(xml.substr(open + 1, close - open - 1));
            at = close;
        }
    }

    static std::string between(const std::string& xml, std::size_t from, const char* open, const char* close,
                               std::size_t& end) {
        const std::size_t start = xml.find(open, from) + std::char_traits<char>::length(open);
        end = xml.find(close, start);
        return xml.substr(start, end - start);
    }

    static void appendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    static std::string decoded(const std::string& text) {
        static const std::pair<const char*, char> kNamed[] = {
            {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'}};
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '&') {
                out += text[i];
                continue;
            }
            const std::size_t semicolon = text.find(';', i);
            const std::string entity = text.substr(i + 1, semicolon - i);
            if (entity.starts_with("#")) {
                const bool hex = entity.size() > 1 && entity[1] == 'x';
                appendUtf8(out,
                           static_cast<std::uint32_t>(std::stoul(entity.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10)));
            } else {
                for (const auto& [name, c] : kNamed)
                    if (entity == name)
                        out += c;
            }
            i = semicolon;
        }
        return out;
    }
};

// English for the scope, Japanese again after it.
class EnglishTexts {
public:
    EnglishTexts() {
        CatalogueTranslator::loadAll();
        text::setTextLanguage(text::TextLanguage::English, &CatalogueTranslator::translate);
    }
    ~EnglishTexts() { text::setTextLanguage(text::TextLanguage::Japanese, nullptr); }
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// Whether a UTF-8 text holds a kana, a kanji or a full-width form.
inline bool hasJapanese(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if ((lead & 0xF0) != 0xE0 || i + 2 >= utf8.size())
            continue;
        const std::uint32_t c = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace rusrina::test
