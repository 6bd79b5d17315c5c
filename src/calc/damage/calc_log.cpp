#include "calc/damage/calc_log.h"

#include "text/cp932.h"

#include <cstdarg>
#include <cstdio>

namespace rusrina {

void CalcLog::appendf(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(length) < sizeof buffer) {
        m_text.append(buffer, static_cast<size_t>(length));
    } else {
        std::string longer(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(longer.data(), longer.size(), format, again);
        longer.pop_back();
        m_text += longer;
    }
    va_end(again);
}

std::string CalcLog::toCp932() const {
    return text::toCp932(m_text);
}

} // namespace rusrina
