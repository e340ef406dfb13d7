#include "../warehouse/WarehouseFixture.h"

#include "export/ExportConfig.h"
#include "export/ExportScreen.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "search/RecordListScreen.h"
#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "summaries/MovementSummaryList.h"
#include "summaries/TfrmRiepilogo.h"
#include "warehouse/TfrmGiacenza.h"
#include "warehouse/TfrmVerificaGiacenze.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

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
    explicit ReadOnlyFolder(const QString& path)
        : m_folder(path, test::kReadOnlyFolder),
          m_archive(path + QStringLiteral("/Magazzino.pro"), QFile::ReadOwner | QFile::ReadOther) {}

  private:
    test::ScopedPermissions m_folder;
    test::ScopedPermissions m_archive;
};

QByteArray storedProduct(const QByteArray& name) {
    return productBytes({{0, "V-10"},
                         {1, "12,50"},
                         {2, name},
                         {3, "12"},
                         {4, "0"},
                         {5, "Scatola"},
                         {6, "Ferramenta"},
                         {16, "20,00"},
                         {17, "No"}});
}

const QString kChangedElsewhere = QStringLiteral(
    "Attenzione: dopo essere stata visualizzata qui, questa scheda è stata modificata su "
    "un'altra postazione di lavoro.\n\r\n\rLe modifiche apportate in questa schermata NON sono "
    "state salvate, per non cancellare quelle dell'altra postazione. Per vedere la scheda "
    "attuale, visualizzarla di nuovo (con i pulsanti di scorrimento o con una ricerca), poi "
    "ripetere le modifiche e premere Salva.");
const QString kMovementsKept = QStringLiteral(
    "Attenzione: dopo essere stata visualizzata qui, questa scheda è stata modificata su "
    "un'altra postazione di lavoro.\n\r\n\rI carichi e gli scarichi registrati in questa "
    "schermata sono stati aggiunti alla giacenza in archivio; le altre modifiche NON sono state "
    "salvate, per non cancellare quelle dell'altra postazione. Ora è visualizzata la scheda "
    "attuale: ripetere soltanto le altre modifiche, senza registrare di nuovo i movimenti, e "
    "premere Salva.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// Two programs on one folder, each showing the same stored record on its own sheet.
template <class Sheet> struct TwoWorkstations {
    QTemporaryDir dir;
    FakePlatform platformA{dir.path()};
    FakePlatform platformB{dir.path()};
    AppContext ctxA{platformA};
    AppContext ctxB{platformB};
    std::unique_ptr<Sheet> a = std::make_unique<Sheet>(ctxA);
    std::unique_ptr<Sheet> b = std::make_unique<Sheet>(ctxB);

    TwoWorkstations(const QString& file, const QByteArray& stored) {
        ctxA.registerScreen(a.get());
        ctxB.registerScreen(b.get());
        writeFile(dir.filePath(file), stored);
        click(a.get(), "cmdPrimo");
        click(b.get(), "cmdPrimo");
    }
    static void click(QWidget* sheet, const char* name) {
        sheet->findChild<QAbstractButton*>(QLatin1String(name))->click();
    }
    static void set(QWidget* sheet, const char* name, const QString& text) {
        if (!text.isEmpty())
            sheet->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    }
    static QString get(QWidget* sheet, const char* name) {
        return sheet->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
};

// A load ("+5") or an unload ("-2") registered on the sheet through its movement screen.
void registerMovement(QWidget* sheet, const QString& movement) {
    bool ran = false;
    whenModal(
        [&](QWidget* m) {
            m->findChild<QLineEdit*>(QStringLiteral("txtAggiunta"))->setText(movement.mid(1));
            m->findChild<QPushButton*>(QStringLiteral("btnAggiorna"))->click();
        },
        &ran);
    sheet
        ->findChild<QAbstractButton*>(movement.startsWith(u'+') ? u"btnAggiungi"_s
                                                                : u"btnSottrai"_s)
        ->click();
    QVERIFY(ran);
}

QString position(const SheetFixture& s) {
    return s.screen->findChild<QLabel*>(QStringLiteral("lblPosizione"))->text();
}

} // namespace

class TestSharedSheets : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void initTestCase() { RecordFile::setLockWait(std::chrono::milliseconds(200)); }
    void saveThatCannotReachTheDisk_data();
    void saveThatCannotReachTheDisk();
    void fullDiskLeavesNoHalfRecord();
    void lockedArchiveIsBusy_data();
    void lockedArchiveIsBusy();
    void listOfALockedArchiveIsBusy_data();
    void listOfALockedArchiveIsBusy();
    void pickFromALockedArchiveIsBusy();
    void linesReadWhileLockedAreBusy();
    void productSavedOnTwoWorkstations_data();
    void productSavedOnTwoWorkstations();
    void movementsOfARefusedSaveReachTheStock_data();
    void movementsOfARefusedSaveReachTheStock();
    void registrySavedOnTwoWorkstations_data();
    void registrySavedOnTwoWorkstations();
};

void TestSharedSheets::saveThatCannotReachTheDisk_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("message");
    // A full disk refuses a rewrite in place too: the old record must first be kept aside.
    QTest::newRow("read-only folder") << "read-only" << kArchiveError;
    QTest::newRow("full disk") << "full" << kArchiveError;
    QTest::newRow("locked on another workstation") << "locked" << kBusy;
}

void TestSharedSheets::saveThatCannotReachTheDisk() {
    // A stored product edited on the sheet, and a new one: none refused is reported saved.
    QFETCH(QString, obstacle);
    QFETCH(QString, message);
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
        // On a full disk the rewrite fails keeping the old record aside.
        expectStorageLog(obstacle == u"full" ? QStringLiteral("Magazzino.pro-rollback")
                                             : QStringLiteral("Magazzino.pro"));
        expectStorageLog(QStringLiteral("Magazzino.pro"));
        s.click("btnSalva");
        s.click("btnNuovo");
        s.fillRequired();
        s.click("btnSalva");
    }
    QCOMPARE(s.platform.lastText(), message);
    QCOMPARE(position(s), QString());
    QCOMPARE(s.platform.shown[0].text, message);
    QCOMPARE(s.archive(), before);
}

void TestSharedSheets::fullDiskLeavesNoHalfRecord() {
    // The disk fills up half-way through a record: the save is refused, the half record is
    // not an archive record, and the next save writes over it.
    SheetFixture s;
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite"));
    s.fillRequired();
    {
        FileSizeLimit full(2502 + 1000);
        expectStorageLog(QStringLiteral("Magazzino.pro"));
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
        expectStorageLog(QStringLiteral("Magazzino.pro"));
        s.click("cmdPrimo");
        QCOMPARE(position(s), QString());
    } else {
        s.click("cmdPrimo");
        const RecordFile other(s.path(QStringLiteral("Operazioni_Carico.pro")), TMovimento,
                               RecordFile::Lock::Shared);
        TfrmGiacenza m(s.ctx, s.screen.get());
        m.prepare(MovementKind::Load,
                  {u"12"_s, u"V-10"_s, u"Ferramenta"_s, u"Vite"_s, u"Scatola"_s, u"12,50"_s});
        m.show();
        m.findChild<QLineEdit*>(QStringLiteral("txtAggiunta"))->setText(QStringLiteral("5"));
        expectStorageLog(QStringLiteral("Operazioni_Carico.pro"));
        m.findChild<QPushButton*>(QStringLiteral("btnAggiorna"))->click();
        QCOMPARE(s.f("txtGiacenza")->text(), QStringLiteral("12"));
    }
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), kBusy);
    QCOMPARE(readFile(s.path(QStringLiteral("Operazioni_Carico.pro"))), QByteArray());
}

// A list opened while another workstation writes its archive says so, not that the folder
// cannot be reached.
void TestSharedSheets::listOfALockedArchiveIsBusy_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("file");
    QTest::newRow("inventory") << "inventory"
                               << "Magazzino.pro";
    QTest::newRow("load summary") << "summary"
                                  << "Operazioni_Carico.pro";
    QTest::newRow("low-stock list") << "low stock"
                                    << "Magazzino.pro";
    QTest::newRow("stock check, archive") << "check"
                                          << "Magazzino.pro";
    QTest::newRow("stock check, journal") << "check"
                                          << "Operazioni_Scarico.pro";
    QTest::newRow("product export") << "export"
                                    << "Magazzino.pro";
}

void TestSharedSheets::listOfALockedArchiveIsBusy() {
    QFETCH(QString, screen);
    QFETCH(QString, file);
    SheetFixture s;
    for (const char* name : {"Magazzino.pro", "Operazioni_Carico.pro", "Operazioni_Scarico.pro"})
        writeFile(s.path(QString::fromLatin1(name)), QByteArray());
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite"));
    const RecordFile other(s.path(file), file == u"Magazzino.pro" ? TSchedaProdotto : TMovimento,
                           RecordFile::Lock::Exclusive);
    std::unique_ptr<QDialog> list;
    if (screen == u"inventory") {
        list = std::make_unique<TfrmRiepilogo>(s.ctx, nullptr);
    } else if (screen == u"summary") {
        auto summary =
            std::make_unique<MovementSummaryList>(s.ctx, nullptr, summaries::kLoadSummary);
        summary->setRequest(
            {s.path(file), QString(), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")});
        list = std::move(summary);
    } else if (screen == u"export") {
        list = std::make_unique<ExportScreen>(
            s.ctx, nullptr, exports::exportConfig(exports::ExportArchive::Products));
    } else if (screen == u"low stock") {
        list = std::make_unique<RecordListScreen>(s.ctx, nullptr, search::lowStockList());
    } else {
        list = std::make_unique<TfrmVerificaGiacenze>(s.ctx, nullptr);
    }
    expectStorageLog(file);
    list->show();
    QTRY_COMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), kBusy);
}

// A line picked while another workstation writes the archive: the busy notice, nothing
// brought onto the sheet.
void TestSharedSheets::pickFromALockedArchiveIsBusy() {
    SheetFixture s;
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite")); // unpaid
    RecordListScreen list(s.ctx, s.screen.get(), search::unpaidList());
    list.setReceiver(s.screen.get());
    list.show();
    auto* view = list.findChild<QListView*>(QStringLiteral("lstRecords"));
    QCOMPARE(view->model()->rowCount(), 1);
    {
        const RecordFile other(s.path(QStringLiteral("Magazzino.pro")), TSchedaProdotto,
                               RecordFile::Lock::Exclusive);
        expectStorageLog(QStringLiteral("Magazzino.pro"));
        const QModelIndex first = view->model()->index(0, 0);
        view->setCurrentIndex(first);
        Q_EMIT view->doubleClicked(first);
    }
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), kBusy);
    QCOMPARE(position(s), QString());
    QCOMPARE(s.f("txtCodice")->text(), QString());
}

// A list's lines are made from their records when read; "Trova" reading them while another
// workstation writes the archive says the archive is busy, once a press: each find starts
// clean, so that none fails in silence.
void TestSharedSheets::linesReadWhileLockedAreBusy() {
    SheetFixture s;
    writeFile(s.path(QStringLiteral("Magazzino.pro")), storedProduct("Vite"));
    RecordListScreen list(s.ctx, nullptr, search::unpaidList());
    list.show();
    QCOMPARE(list.findChild<QListView*>(QStringLiteral("lstRecords"))->model()->rowCount(), 1);
    {
        const RecordFile other(s.path(QStringLiteral("Magazzino.pro")), TSchedaProdotto,
                               RecordFile::Lock::Exclusive);
        list.findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setText(QStringLiteral("vite"));
        for (int i = 0; i < 2; ++i)
            list.findChild<QPushButton*>(QStringLiteral("btnTrova"))->click();
    }
    QTRY_COMPARE(s.platform.shown.size(), 2);
    QCOMPARE(s.platform.lastKind(), Kind::Warning);
    QCOMPARE(s.platform.lastText(), kBusy);
    QTest::qWait(50);
    QCOMPARE(s.platform.shown.size(), 2);
}

void TestSharedSheets::productSavedOnTwoWorkstations_data() {
    // The stored product: stock 12, name "Vite", price 20,00. A movement shows as the stock
    // the movement screen hands back to its sheet.
    QTest::addColumn<QString>("stockA");
    QTest::addColumn<QString>("nameA");
    QTest::addColumn<QString>("stockB");
    QTest::addColumn<QString>("priceB");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QByteArray>("stock");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("price");
    QTest::newRow("movements on both add up")
        << "17"
        << ""
        << "9"
        << "" << false << QByteArray("14") << QByteArray("Vite") << QByteArray("20,00");
    QTest::newRow("a movement on one, a new price on the other")
        << "17"
        << ""
        << ""
        << "22,00" << false << QByteArray("17") << QByteArray("Vite") << QByteArray("22,00");
    QTest::newRow("the other changed more than the stock")
        << ""
        << "Vite lunga"
        << ""
        << "22,00" << true << QByteArray("12") << QByteArray("Vite lunga") << QByteArray("20,00");
}

void TestSharedSheets::productSavedOnTwoWorkstations() {
    QFETCH(QString, stockA);
    QFETCH(QString, nameA);
    QFETCH(QString, stockB);
    QFETCH(QString, priceB);
    QFETCH(bool, refused);
    QFETCH(QByteArray, stock);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, price);
    using W = TwoWorkstations<TfrmMagazzino>;
    W w(QStringLiteral("Magazzino.pro"), storedProduct("Vite"));
    W::set(w.a.get(), "txtGiacenza", stockA);
    W::set(w.a.get(), "txtNome", nameA);
    W::click(w.a.get(), "btnSalva");
    QCOMPARE(w.platformA.lastText(), kRewritten);

    W::set(w.b.get(), "txtGiacenza", stockB);
    W::set(w.b.get(), "txtPrezzo", priceB);
    const QString stockShownB = W::get(w.b.get(), "txtGiacenza");
    W::click(w.b.get(), "btnSalva");
    QCOMPARE(w.platformB.lastText(), refused ? kChangedElsewhere : kRewritten);
    const QByteArray record = readFile(w.dir.filePath(QStringLiteral("Magazzino.pro")));
    QCOMPARE(record.size(), 2502);
    QCOMPARE(bytesAt(record, off::Giacenza, 4), field(4, stock));
    QCOMPARE(bytesAt(record, off::Nome, 50), field(50, name));
    QCOMPARE(bytesAt(record, off::Prezzo, 12), field(12, price));
    // A refused sheet keeps what the user did; a merged one shows the stock it stored.
    QCOMPARE(W::get(w.b.get(), "txtGiacenza"), refused ? stockShownB : QString::fromLatin1(stock));
    if (refused)
        QCOMPARE(W::get(w.b.get(), "txtPrezzo"), priceB);
}

void TestSharedSheets::movementsOfARefusedSaveReachTheStock_data() {
    // Both workstations show the product with no stock and register their movements through
    // the movement screen; A saves first, B then saves with `nameB` typed as well.
    QTest::addColumn<QString>("nameB");
    QTest::addColumn<QStringList>("movementsB");
    QTest::addColumn<QByteArray>("stock");
    QTest::newRow("a load and another change")
        << "Vite lunga" << QStringList{u"+7"_s} << QByteArray("12");
    QTest::newRow("a load and an unload and another change")
        << "Vite lunga" << QStringList{u"+7"_s, u"-2"_s} << QByteArray("10");
    QTest::newRow("an unload and a new price") << "" << QStringList{u"-2"_s} << QByteArray("3");
}

void TestSharedSheets::movementsOfARefusedSaveReachTheStock() {
    QFETCH(QString, nameB);
    QFETCH(QStringList, movementsB);
    QFETCH(QByteArray, stock);
    using W = TwoWorkstations<TfrmMagazzino>;
    QByteArray stored = storedProduct("Vite");
    stored.replace(off::Giacenza, 5, field(4, "0"));
    W w(QStringLiteral("Magazzino.pro"), stored);
    W::set(w.a.get(), "txtNome", QStringLiteral("Vite corta"));
    registerMovement(w.a.get(), u"+5"_s);
    W::click(w.a.get(), "btnSalva");
    QCOMPARE(w.platformA.lastText(), kRewritten);

    for (const QString& m : movementsB)
        registerMovement(w.b.get(), m);
    W::set(w.b.get(), "txtNome", nameB);
    W::set(w.b.get(), "txtPrezzo", QStringLiteral("22,00"));
    W::click(w.b.get(), "btnSalva");

    // Every movement is in the journals and in the stored stock, and nothing else of B.
    const QByteArray record = readFile(w.dir.filePath(QStringLiteral("Magazzino.pro")));
    QCOMPARE(record.size(), 2502);
    QCOMPARE(bytesAt(record, off::Giacenza, 4), field(4, stock));
    QCOMPARE(bytesAt(record, off::Nome, 50), field(50, "Vite corta"));
    QCOMPARE(bytesAt(record, off::Prezzo, 12), field(12, "20,00"));
    QCOMPARE(readFile(w.dir.filePath(QStringLiteral("Operazioni_Carico.pro"))).size() +
                 readFile(w.dir.filePath(QStringLiteral("Operazioni_Scarico.pro"))).size(),
             (1 + movementsB.size()) * 462);
    // B is told that its movements were kept and its other changes not, and that no movement
    // is to be registered again; its sheet shows the record as it is now.
    QCOMPARE(w.platformB.lastKind(), Kind::Warning);
    QCOMPARE(w.platformB.lastText(), kMovementsKept);
    QCOMPARE(W::get(w.b.get(), "txtGiacenza"), QString::fromLatin1(stock));
    QCOMPARE(W::get(w.b.get(), "txtNome"), QStringLiteral("Vite corta"));
    QCOMPARE(W::get(w.b.get(), "txtPrezzo"), QStringLiteral("20,00"));
    // Saved again from there, the sheet is the stored record: nothing is added twice.
    W::set(w.b.get(), "txtPrezzo", QStringLiteral("22,00"));
    W::click(w.b.get(), "btnSalva");
    QCOMPARE(w.platformB.lastText(), kRewritten);
    const QByteArray again = readFile(w.dir.filePath(QStringLiteral("Magazzino.pro")));
    QCOMPARE(bytesAt(again, off::Giacenza, 4), field(4, stock));
    QCOMPARE(bytesAt(again, off::Prezzo, 12), field(12, "22,00"));
}

void TestSharedSheets::registrySavedOnTwoWorkstations_data() {
    // A changes `kept` and saves; B, still showing the record as it was, changes `first`
    // (the record's first field) and is refused.
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("first");
    Record customer(TSchedaCliente);
    customer.setText(Cliente::Cognome, u"Rossi");
    customer.setText(Cliente::Nome, u"Mario");
    Record supplier(TSchedaFornitore);
    supplier.setText(Fornitore::Ditta, u"Rossi Spa");
    supplier.setText(Fornitore::Titolare, u"Mario");
    QTest::newRow("customer") << u"customer"_s << u"Clienti.pro"_s << customer.bytes()
                              << u"txtNome"_s << u"txtCognome"_s;
    QTest::newRow("supplier") << u"supplier"_s << u"Fornitori.pro"_s << supplier.bytes()
                              << u"txtTitolare"_s << u"txtDitta"_s;
}

template <class Sheet>
void savedOnTwoWorkstations(const QString& file, const QByteArray& stored, const QString& kept,
                            const QString& first) {
    // The second save is refused and writes nothing; showing the record again and saving works.
    using W = TwoWorkstations<Sheet>;
    W w(file, stored);
    const QByteArray keptName = kept.toLatin1();
    const QByteArray firstName = first.toLatin1();
    W::set(w.a.get(), keptName.constData(), QStringLiteral("Maria"));
    W::click(w.a.get(), "cmdSalva");
    QCOMPARE(w.platformA.lastText(), kRewritten);
    const QByteArray afterA = readFile(w.dir.filePath(file));

    W::set(w.b.get(), firstName.constData(), QStringLiteral("Bianchi"));
    W::click(w.b.get(), "cmdSalva");
    QCOMPARE(w.platformB.lastKind(), Kind::Warning);
    QCOMPARE(w.platformB.lastText(), kChangedElsewhere);
    QCOMPARE(readFile(w.dir.filePath(file)), afterA);

    W::click(w.b.get(), "cmdPrimo");
    QCOMPARE(W::get(w.b.get(), keptName.constData()), QStringLiteral("Maria"));
    W::set(w.b.get(), firstName.constData(), QStringLiteral("Bianchi"));
    W::click(w.b.get(), "cmdSalva");
    QCOMPARE(w.platformB.lastText(), kRewritten);
    const QByteArray afterB = readFile(w.dir.filePath(file));
    QCOMPARE(afterB.size(), stored.size());
    QCOMPARE(afterB.mid(0, 8), QByteArray("\x07"
                                          "Bianchi"));
}

void TestSharedSheets::registrySavedOnTwoWorkstations() {
    QFETCH(QString, sheet);
    QFETCH(QString, file);
    QFETCH(QByteArray, stored);
    QFETCH(QString, kept);
    QFETCH(QString, first);
    if (sheet == u"customer")
        savedOnTwoWorkstations<TfrmClienti>(file, stored, kept, first);
    else
        savedOnTwoWorkstations<TfrmFornitori>(file, stored, kept, first);
}

QTEST_MAIN(TestSharedSheets)
#include "TestSharedSheets.moc"
