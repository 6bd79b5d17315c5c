#include "app/program_icon.h"

// The resources live in a static library, so nothing would pull them in without this call.
static void loadResources() {
    Q_INIT_RESOURCE(resources);
}

namespace rusrina {

QIcon programIcon() {
    static const bool loaded = (loadResources(), true);
    (void)loaded;
    return QIcon(QStringLiteral(":/rusrina.png"));
}

} // namespace rusrina
