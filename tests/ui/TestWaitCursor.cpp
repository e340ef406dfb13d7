#include "storage/Layouts.h"
#include "storage/OsFile.h"
#include "storage/RecordFile.h"
#include "support/LockHolder.h"
#include "support/TestUtil.h"
#include "ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace dp;

namespace {

QList<int> g_cursors; // the override cursor's shape after each call of the hook, -1 for none

int overrideShape() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? int(c->shape()) : -1;
}

} // namespace

// Every action that waits for a busy archive shows it through the lock-wait hook alone.
class TestWaitCursor : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString archive() const { return m_dir.filePath(QStringLiteral("Magazzino.pro")); }

  private Q_SLOTS:
    void init() {
        test::failOnQtWarnings();
        test::writeFile(archive(), Record(TSchedaProdotto).bytes());
        g_cursors.clear();
    }
    void cleanup() { osfile::setWaitHook(nullptr); }

    void aWaitOnTheScreensThreadShowsTheWaitCursor() {
        osfile::setWaitHook([](bool waiting) {
            waitcursor::onLockWait(waiting);
            g_cursors << overrideShape();
        });
        {
            test::LockHolder held(archive(), std::chrono::milliseconds(5000));
            held.releaseAfter(std::chrono::milliseconds(300));
            QCOMPARE(RecordFile(archive(), TSchedaProdotto).count(), 1);
        }
        QCOMPARE(g_cursors, (QList<int>{Qt::WaitCursor, -1}));
        QCOMPARE(overrideShape(), -1);
    }

    // The reminder counts wait on their own thread: the screens' cursor is not theirs.
    void aWaitOnAnotherThreadLeavesTheCursor() {
        static std::atomic<int> waits;
        waits = 0;
        osfile::setWaitHook([](bool waiting) {
            waits += waiting;
            waitcursor::onLockWait(waiting);
        });
        test::LockHolder held(archive(), std::chrono::milliseconds(5000));
        held.releaseAfter(std::chrono::milliseconds(300));
        std::atomic<bool> done{false};
        std::thread reminders([&] {
            RecordFile(archive(), TSchedaProdotto, RecordFile::Lock::Shared).close();
            done = true;
        });
        bool untouched = true;
        while (!done) {
            untouched = untouched && overrideShape() == -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        reminders.join();
        QCOMPARE(waits.load(), 1);
        QVERIFY(untouched);
    }
};

QTEST_MAIN(TestWaitCursor)
#include "TestWaitCursor.moc"
