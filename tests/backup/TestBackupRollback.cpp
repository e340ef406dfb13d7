#include "backup/Backup.h"
#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/Rollback.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace dp;
using namespace dp::backup;

// A save cut short by a crash leaves a half-written product and its old bytes in the side
// file; the backup and the restore must deal with it as every opener of the archive does.
class TestBackupRollback : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program, m_target;
    const QDateTime kWhen{QDate(2024, 3, 5), QTime(10, 0)};
    const QByteArray kFirst = QByteArray(2502, 'a'), kOld = QByteArray(2502, 'o'),
                     kTorn = QByteArray(1251, 'n') + QByteArray(1251, 'o');

    QString archive(const QString& dir) const { return dir + QStringLiteral("/Magazzino.pro"); }
    void crashInTheMiddle() const {
        test::writeFile(archive(m_program), kFirst + kTorn);
        test::writeFile(rollback::pathFor(archive(m_program)),
                        rollback::encode({2502, 2 * 2502, kOld}));
    }
    QByteArray second(const QString& dir) const {
        RecordFile f(archive(dir), TSchedaProdotto, RecordFile::Lock::Shared);
        return f.read(2).bytes();
    }

  private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        m_program = m_dir.filePath(QStringLiteral("program"));
        m_target = m_dir.filePath(QStringLiteral("target"));
        QVERIFY(QDir().mkpath(m_program) && QDir().mkpath(m_target));
    }

    void theBackupHoldsTheRecordPutBack() {
        crashInTheMiddle();
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));
        const QString other = m_dir.filePath(QStringLiteral("other"));
        QVERIFY(restoreBackup(b.path, other, kWhen).ok);
        QCOMPARE(test::readFile(archive(other)), kFirst + kOld);
    }

    void aRestoreIsNotRolledBackByTheSideFileOfTheDataItReplaces() {
        test::writeFile(archive(m_program), kFirst + QByteArray(2502, 'b'));
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));
        crashInTheMiddle();
        const Outcome r = restoreBackup(b.path, m_program, kWhen.addSecs(60));
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(second(m_program), QByteArray(2502, 'b'));
        QCOMPARE(test::readFile(archive(r.path)), kFirst + kOld); // set aside as last saved
    }
};

QTEST_GUILESS_MAIN(TestBackupRollback)
#include "TestBackupRollback.moc"
