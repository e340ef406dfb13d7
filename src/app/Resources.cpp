#include "app/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function, so it cannot sit inside a namespace.
static void registerCompiledResources() {
    Q_INIT_RESOURCE(resources);
}

namespace dp {

void initResources() {
    registerCompiledResources();
}

} // namespace dp
