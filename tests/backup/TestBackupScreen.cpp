#include "backup/TfrmCopiaSicurezza.h"
#include "support/FakePlatform.h"
#include "support/SmallDisk.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace dp;
using dp::test::FakePlatform;

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestBackupScreen : public QObject {
    Q_OBJECT

    QTemporaryDir m_program, m_copies;

    void click(QWidget& w, const char* name) {
        QTest::mouseClick(w.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

  private Q_SLOTS:

    void init() { dp::test::failOnQtWarnings(); }
    // A user takes a backup, changes the data, then restores it after saying yes.
    void backupThenRestore() {
        put(m_program.filePath(QStringLiteral("Clienti.pro")), QByteArray(3151, 'C'));
        FakePlatform fake(m_program.path());
        AppContext ctx(fake);
        TfrmCopiaSicurezza screen(ctx, nullptr);
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Depotta - Copia di sicurezza"));

        fake.fileAnswers.enqueue(m_copies.path());
        click(screen, "cmdCrea");
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Information);
        const QString zip =
            m_copies.filePath(QStringLiteral("Depotta_Backup_2024-03-05_14-05-09.zip"));
        QVERIFY2(fake.lastText().endsWith(zip), qPrintable(fake.lastText()));
        QVERIFY(QFile::exists(zip));

        put(m_program.filePath(QStringLiteral("Clienti.pro")), "changed");
        fake.clear();
        fake.answers.enqueue(false); // No: nothing changes
        fake.fileAnswers.enqueue(zip);
        click(screen, "cmdRipristina");
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Question);
        QCOMPARE(get(m_program.filePath(QStringLiteral("Clienti.pro"))), QByteArray("changed"));

        fake.clear();
        fake.fileAnswers.enqueue(zip);
        click(screen, "cmdRipristina"); // Yes
        QCOMPARE(fake.shown.size(), 2);
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Information);
        QVERIFY(fake.lastText().startsWith(QStringLiteral("Il ripristino è terminato.")));
        QCOMPARE(get(m_program.filePath(QStringLiteral("Clienti.pro"))), QByteArray(3151, 'C'));
        QCOMPARE(get(m_program.filePath(
                     QStringLiteral("Dati_precedenti_2024-03-05_14-05-09/Clienti.pro"))),
                 QByteArray("changed"));
    }

    void damagedBackupIsRefusedWithoutAQuestion() {
        put(m_program.filePath(QStringLiteral("Clienti.pro")), "current");
        const QString bad = m_copies.filePath(QStringLiteral("rotta.zip"));
        put(bad, "PK\x03\x04 broken");
        FakePlatform fake(m_program.path());
        AppContext ctx(fake);
        TfrmCopiaSicurezza screen(ctx, nullptr);
        fake.fileAnswers.enqueue(bad);
        // The user reads the notice; the log keeps what was wrong with the file.
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("^backup .*rotta\\.zip.* refused: ")));
        click(screen, "cmdRipristina");
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Warning);
        QVERIFY(fake.lastText().contains(QStringLiteral("non è una copia di sicurezza integra")));
        QCOMPARE(get(m_program.filePath(QStringLiteral("Clienti.pro"))), QByteArray("current"));
    }

    void unwritableFolderIsReported() {
        FakePlatform fake(m_program.path());
        AppContext ctx(fake);
        TfrmCopiaSicurezza screen(ctx, nullptr);
        fake.fileAnswers.enqueue(m_copies.filePath(QStringLiteral("no/such/folder")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^backup into .*no/such/folder.* failed: ")));
        click(screen, "cmdCrea");
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Error);
        QVERIFY(fake.lastText().startsWith(
            QStringLiteral("Attenzione: non è stato possibile scrivere la copia di sicurezza")));
    }

    // An archive the backup cannot carry is named in the notice, which no longer says that
    // everything was written.
    void whatWasLeftOutIsNamed() {
        QTemporaryDir program;
        put(program.filePath(QStringLiteral("Clienti.pro")), QByteArray(3151, 'C'));
        QVERIFY(QDir(program.path()).mkpath(QStringLiteral("Magazzino.pro")));
        FakePlatform fake(program.path());
        AppContext ctx(fake);
        TfrmCopiaSicurezza screen(ctx, nullptr);
        fake.fileAnswers.enqueue(m_copies.path());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^backup left out .*Magazzino")));
        click(screen, "cmdCrea");
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Warning);
        QVERIFY2(fake.lastText().contains(QStringLiteral("\n\r- Magazzino.pro")),
                 qPrintable(fake.lastText()));
        QVERIFY(!fake.lastText().contains(QStringLiteral("ogni file")));
    }

    // A restore that fills the disk is not reported as done, and the user is told why.
    void aRestoreOntoAFullDiskSaysSo() {
        test::SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        QTemporaryDir source;
        put(source.filePath(QStringLiteral("Magazzino.pro")), QByteArray(1 << 20, 'M'));
        put(source.filePath(QStringLiteral("Operazioni_Carico.pro")), QByteArray(30 * 462, 'J'));
        put(source.filePath(QStringLiteral("unins000.dll")), "[Accesso]\r\nValore=6403E729\r\n");
        FakePlatform fromSource(source.path());
        AppContext sourceCtx(fromSource);
        TfrmCopiaSicurezza backup(sourceCtx, nullptr);
        fromSource.fileAnswers.enqueue(m_copies.path());
        click(backup, "cmdCrea");
        QCOMPARE(fromSource.lastKind(), FakePlatform::Kind::Information);
        const QString zip =
            m_copies.filePath(QStringLiteral("Depotta_Backup_2024-03-05_14-05-09.zip"));

        const QString program = disk.path() + QLatin1Char('/');
        put(program + QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=11\r\n");
        QVERIFY(disk.fill((1 << 20) + 4096));
        FakePlatform fake(program);
        AppContext ctx(fake);
        TfrmCopiaSicurezza screen(ctx, nullptr);
        fake.fileAnswers.enqueue(zip);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^restore of .* failed: ")));
        click(screen, "cmdRipristina"); // Yes
        QCOMPARE(fake.lastKind(), FakePlatform::Kind::Error);
        QVERIFY2(fake.lastText().contains(QStringLiteral("spazio libero")),
                 qPrintable(fake.lastText()));
        QCOMPARE(get(program + QStringLiteral("unins000.dll")),
                 QByteArray("[Accesso]\r\nValore=11\r\n"));
    }
};

QTEST_MAIN(TestBackupScreen)
#include "TestBackupScreen.moc"
