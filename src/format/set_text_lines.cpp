#include "format/set_text_parts.h"

#include "text/name_fold.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace rusrina {
namespace {

int statOf(std::string_view word) {
    static const std::map<std::string, int> stats = {
        {"hp", 0},       {"h", 0},        {"ｈｐ", 0},  {"atk", 1},   {"a", 1},       {"attack", 1},
        {"攻撃", 1},     {"こうげき", 1}, {"def", 2},   {"b", 2},     {"defense", 2}, {"defence", 2},
        {"防御", 2},     {"ぼうぎょ", 2}, {"spa", 3},   {"c", 3},     {"spatk", 3},   {"特攻", 3},
        {"とくこう", 3}, {"spd", 4},      {"d", 4},     {"spdef", 4}, {"特防", 4},    {"とくぼう", 4},
        {"spe", 5},      {"s", 5},        {"speed", 5}, {"素早", 5},  {"素早さ", 5},  {"すばやさ", 5},
    };
    auto found = stats.find(text::foldName(word));
    return found == stats.end() ? -1 : found->second;
}

} // namespace

std::string_view trim(std::string_view s) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
            s.remove_prefix(1);
        else if (s.starts_with(kIdeographicSpace))
            s.remove_prefix(kIdeographicSpace.size());
        else
            break;
    }
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
            s.remove_suffix(1);
        else if (s.ends_with(kIdeographicSpace))
            s.remove_suffix(kIdeographicSpace.size());
        else
            break;
    }
    return s;
}

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    const std::string_view end = text.substr(text.size() - suffix.size());
    return std::equal(end.begin(), end.end(), suffix.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::optional<int> parseNumber(std::string_view s) {
    s = trim(s);
    int value = 0;
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<std::pair<std::string_view, std::string_view>> splitKey(std::string_view line) {
    std::size_t colon = line.find(':');
    std::size_t width = 1;
    const std::size_t wide = line.find("：");
    if (wide != std::string_view::npos && wide < colon) {
        colon = wide;
        width = std::string_view("：").size();
    }
    if (colon == std::string_view::npos)
        return std::nullopt;
    return std::pair{trim(line.substr(0, colon)), trim(line.substr(colon + width))};
}

Key keyOf(std::string_view key) {
    static const std::map<std::string, Key> keys = {
        {"ability", Key::Ability},
        {"特性", Key::Ability},
        {"とくせい", Key::Ability},
        {"level", Key::Level},
        {"lv", Key::Level},
        {"レベル", Key::Level},
        {"evs", Key::Evs},
        {"努力値", Key::Evs},
        {"ivs", Key::Ivs},
        {"個体値", Key::Ivs},
        {"nature", Key::Nature},
        {"性格", Key::Nature},
        {"shiny", Key::Shiny},
        {"happiness", Key::Happiness},
        {"friendship", Key::Happiness},
        {"teratype", Key::Skipped},
        {"pokeball", Key::Skipped},
        {"gigantamax", Key::Skipped},
        {"dynamaxlevel", Key::Skipped},
        {"hiddenpower", Key::Skipped},
        {"gender", Key::Gender},
        {"性別", Key::Gender},
        {"色違い", Key::Shiny},
        {"なつき度", Key::Happiness},
        {"テラスタイプ", Key::Skipped},
    };
    auto found = keys.find(text::foldName(key));
    return found == keys.end() ? Key::Unknown : found->second;
}

std::optional<StatValues> parseStatList(std::string_view list) {
    StatValues values;
    while (!list.empty()) {
        const std::size_t slash = list.find('/');
        const std::string_view part = trim(list.substr(0, slash));
        list = slash == std::string_view::npos ? std::string_view() : list.substr(slash + 1);
        const std::size_t digits = part.find_first_of("0123456789");
        const std::size_t lastDigit = part.find_last_of("0123456789");
        if (part.empty() || digits == std::string_view::npos)
            return std::nullopt;
        const bool numberFirst = digits == 0;
        const std::string_view number =
            numberFirst ? part.substr(0, part.find_first_not_of("0123456789")) : part.substr(digits);
        const std::string_view word = numberFirst ? part.substr(number.size()) : part.substr(0, digits);
        const std::optional<int> value = parseNumber(number);
        const int stat = statOf(trim(word));
        if (!value || stat < 0 || values[stat] || (!numberFirst && lastDigit + 1 != part.size()))
            return std::nullopt;
        values[stat] = *value;
    }
    return values;
}

} // namespace rusrina
