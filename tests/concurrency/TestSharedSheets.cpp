#include "../warehouse/WarehouseFixture.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "warehouse/TfrmGiacenza.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace dp;
using namespace dp::test;
using Kind = FakePlatform::Kind;

namespace {

const QString kArchiveError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
const QString kBusy = QStringLiteral(
    "Attenzione: l'archivio è momentaneamente in uso su un'altra postazione di lavoro.\n\r\n\r"
    "L'operazione non è stata eseguita: riprovare tra qualche istante.");

// While alive, no file of this process may grow beyond `bytes`: a full disk as the program
// meets it, a write that stops short with an error.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

  private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

// Makes the folder read-only for the test's lifetime; restored even when a check fails.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path)) {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
        QFile::setPermissions(m_path + QStringLiteral("/Magazzino.pro"),
                              QFile::ReadOwner | QFile::ReadOther);
    }
    ~ReadOnlyFolder() {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_path + QStringLiteral("/Magazzino.pro"),
                              QFile::ReadOwner | QFile::WriteOwner);
    }

  private:
    QString m_path;
};

QByteArray storedProduct(const QByteArray& name) {
    return productBytes({{0, "V-10"},
                         {1, "12,50"},
                         {2, name},
                         {3, "12"},
                         {5, "Scatola"},
                         {6, "Ferramenta"},
                         {16, "20,00"},
                         {17, "No"}});
}

QString position(const SheetFixture& s) {
    return s.screen->findChild<QLabel*>(QStringLiteral("lblPosizione"))->text();
}

} // namespace

class TestSharedSheets : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { RecordFile::setLockWait(std::chrono::milliseconds(200)); }
    void saveThatCannotReachTheDisk_data();
    void saveThatCannotReachTheDisk();
    void fullDiskLeavesNoHalfRecord();
    void lockedArchiveIsBusy_data();
    void lockedArchiveIsBusy();
};

void TestSharedSheets::saveThatCannotReachTheDisk_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("refusals");
    // A full disk still lets a record be rewritten in place: only the new sheet is refused.
    QTest::newRow("read-only folder") << "read-only" << kArchiveError << 2;
    QTest::newRow("full disk") << "full" << kArchiveError << 1;
    QTest::newRow("locked on another workstation") << "locked" << kBusy << 2;
}

void TestSharedSheets::saveThatCannotReachTheDisk() {
    // A stored product edited on the sheet, and a new one: none refused is reported saved.
    QFETCH(QString, obstacle);
    QFETCH(QString, message);
    QFETCH(int, refusals);
    SheetFixture s;
    const QByteArray before = storedProduct("Vite");
    writeFile(s.path(QStringLiteral("Magazzino.pro")), before);
    s.click("cmdPrimo");
    QCOMPARE(position(s), QStringLiteral("1"));
    s.f("txtNome")->setText(QStringLiteral("Vite cambiata"));
    {
        std::optional<Unprivileged> asUser;
        std::optional<ReadOnlyFolder> readOnly;
        std::optional<FileSizeLimit> full;
        std::optional<RecordFile> other;
        if (obstacle == u"read-only") {
            readOnly.emplace(s.dir.path());
            asUser.emplace();
        } else if (obstacle == u"full") {
            full.emplace(rlim_t(before.size()));
        } else {
            other.emplace(s.path(QStringLiteral("Magazzino.pro")), TSchedaProdotto,
                          RecordFile::Lock::Shared);
        }
        s.click("btnSalva");
        s.click("btnNuovo");
        s.fillRequired();
        s.click("btnSalva");
    }
    QCOMPARE(s.platform.shown.size(), 2);
    QCOMPARE(s.platform.shown[1].text, message);
    QCOMPARE(position(s), QString());
    QCOMPARE(s.archive().size(), before.size());
    if (refusals == 2) {
        QCOMPARE(s.platform.shown[0].text, message);
        QCOMPARE(s.archive(), before);
    } else {
        QCOMPARE(s.platform.shown[0].text,
                 QStringLiteral("Le modifiche apportate alla scheda "
                                "corrente sono state salvate in archivio."));
        QCOMPARE(bytesAt(s.record(1), off::Nome, 50), field(50, "Vite cambiata"));
    }
}

void TestSharedSheets::fullDiskLeavesNoHalfRecord() {
    // The disk fills up half-way through a record: the save is refused, the half record is
    // not an archive record, and the next save writes over it.
    SheetFixture s;
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite"));
    s.fillRequired();
    {
        FileSizeLimit full(2502 + 1000);
        s.click("btnSalva");
    }
    QCOMPARE(s.platform.lastText(), kArchiveError);
    QCOMPARE(position(s), QString());
    QCOMPARE(s.archive().size(), 2502 + 1000);
    s.click("cmdPrimo");
    s.click("cmdUltimo");
    QCOMPARE(position(s), QStringLiteral("1"));

    s.click("btnNuovo");
    s.fillRequired(QStringLiteral("B-200"));
    s.click("btnSalva");
    QCOMPARE(s.platform.lastText(),
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(position(s), QStringLiteral("2"));
    QCOMPARE(s.archive().size(), 2 * 2502);
    QCOMPARE(bytesAt(s.record(2), off::Codice, 25), field(25, "B-200"));
}

void TestSharedSheets::lockedArchiveIsBusy_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("browse while a save is written") << "browse";
    QTest::newRow("movement while the journal is written") << "movement";
}

void TestSharedSheets::lockedArchiveIsBusy() {
    QFETCH(QString, action);
    SheetFixture s;
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite"));
    if (action == u"browse") {
        const RecordFile other(s.path(QStringLiteral("Magazzino.pro")), TSchedaProdotto,
                               RecordFile::Lock::Exclusive);
        s.click("cmdPrimo");
        QCOMPARE(position(s), QString());
    } else {
        s.click("cmdPrimo");
        const RecordFile other(s.path(QStringLiteral("Operazioni_Carico.pro")), TMovimento,
                               RecordFile::Lock::Shared);
        TfrmGiacenza m(s.ctx, s.screen.get());
        m.prepare(MovementKind::Load, {"12", "V-10", "Ferramenta", "Vite", "Scatola", "12,50"});
        m.show();
        m.findChild<QLineEdit*>(QStringLiteral("txtAggiunta"))->setText(QStringLiteral("5"));
        m.findChild<QPushButton*>(QStringLiteral("btnAggiorna"))->click();
        QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("12"));
    }
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), kBusy);
    QCOMPARE(readFile(s.path(QStringLiteral("Operazioni_Carico.pro"))), QByteArray());
}

QTEST_MAIN(TestSharedSheets)
#include "TestSharedSheets.moc"
