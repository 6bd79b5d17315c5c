#pragma once

#include <QIcon>

namespace rusrina {

// The program icon, compiled into the program.
QIcon programIcon();

} // namespace rusrina
