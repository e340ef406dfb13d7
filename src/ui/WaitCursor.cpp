#include "ui/WaitCursor.h"

#include "storage/OsFile.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace dp::waitcursor {

void install() {
    osfile::setWaitHook(&onLockWait);
}

void onLockWait(bool waiting) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!qobject_cast<const QGuiApplication*>(app) || QThread::currentThread() != app->thread())
        return;
    // Set and restored in pairs, one for each wait. Qt hands the cursor to the window system
    // at once, so it shows although the event loop does not run while this thread waits.
    if (waiting)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace dp::waitcursor
