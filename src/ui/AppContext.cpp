#include "ui/AppContext.h"

#include "ui/Platform.h"

#include <QWidget>

namespace dp {

QString AppContext::programDir() const {
    return m_platform.programDir();
}

QString AppContext::path(const QString& fileName) const {
    return programDir() + fileName;
}

void AppContext::registerScreen(QWidget* screen) {
    m_screens.insert(screen->objectName(), screen);
}

} // namespace dp
