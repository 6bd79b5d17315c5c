#pragma once
// The calculation log of one damage row: every modifier the engine applied, one line each, in
// the order applied. Held as UTF-8 with CR LF line ends; the clipboard takes its Shift-JIS form.

#include <string>
#include <string_view>

namespace rusrina {

class CalcLog {
public:
    void append(std::string_view text) { m_text.append(text); }
    // Appends a printf-formatted text. Padded names go in through text::padRight, because the
    // program's widths count Shift-JIS bytes, not characters.
    void appendf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void clear() { m_text.clear(); }
    void reserve(size_t bytes) { m_text.reserve(bytes); }

    bool empty() const { return m_text.empty(); }
    const std::string& text() const { return m_text; }
    // The bytes the clipboard receives.
    std::string toCp932() const;

private:
    std::string m_text;
};

} // namespace rusrina
