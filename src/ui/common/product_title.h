#pragma once

#include <QCoreApplication>
#include <QString>

namespace rusrina {

// The text that begins every tool window's title.
inline QString productTitle() {
    return QCoreApplication::translate("ProductTitle", "ルセリナTK Ver 0.9.3");
}

} // namespace rusrina
