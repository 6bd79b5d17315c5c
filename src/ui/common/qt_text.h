#pragma once
// The one bridge between the core's strings (UTF-8 in std::string) and Qt's.

#include <QString>

#include <string>
#include <string_view>

namespace rusrina {

inline QString toQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

} // namespace rusrina
