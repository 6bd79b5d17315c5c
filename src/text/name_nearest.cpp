#include "text/name_nearest.h"

#include "text/ui_text.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace rusrina::text {
namespace {

// The code points of UTF-8 text; a byte that starts no well-formed sequence stands for itself.
std::u32string codePoints(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 1;
        if (length == 1 || i + static_cast<std::size_t>(length) > utf8.size()) {
            points.push_back(lead);
            ++i;
            continue;
        }
        char32_t point = lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

int distance(const std::u32string& a, const std::u32string& b) {
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

int allowedSteps(std::size_t typedLength) {
    return typedLength >= 5 ? 2 : typedLength >= 3 ? 1 : 0;
}

} // namespace

int editDistance(std::string_view a, std::string_view b) {
    return distance(codePoints(a), codePoints(b));
}

std::vector<int> nearestKeys(std::span<const std::string> keys, std::string_view folded, std::size_t limit) {
    const std::u32string typed = codePoints(folded);
    const int allowed = allowedSteps(typed.size());
    if (allowed == 0)
        return {};
    std::vector<std::pair<int, int>> found; // distance, row
    for (std::size_t row = 0; row < keys.size(); ++row) {
        int best = allowed + 1;
        std::string_view rest = keys[row];
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            const std::u32string name = codePoints(rest.substr(0, end));
            // Every step changes the length by one at most: a name that much shorter or longer than
            // the text is never near, however long the text (a pasted line can be a megabyte).
            const std::size_t gap =
                name.size() > typed.size() ? name.size() - typed.size() : typed.size() - name.size();
            if (gap <= static_cast<std::size_t>(allowed))
                best = std::min(best, distance(typed, name));
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        if (best <= allowed)
            found.emplace_back(best, static_cast<int>(row));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> rows;
    for (std::size_t k = 0; k < found.size() && k < limit; ++k)
        rows.push_back(found[k].second);
    return rows;
}

std::string didYouMeanText(std::span<const std::string> names) {
    if (names.empty())
        return {};
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : uiText("NameSearch", "、")) + names[i];
    return fillText(uiText("NameSearch", "もしかして：%1"), {list});
}

} // namespace rusrina::text
