#include "backup/TfrmCopiaSicurezza.h"
#include "support/FakePlatform.h"
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
};

QTEST_MAIN(TestBackupScreen)
#include "TestBackupScreen.moc"
