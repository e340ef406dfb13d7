#include "FakeCamera.h"
#include "attachments/PhotoActions.h"
#include "attachments/PhotoBox.h"
#include "attachments/TfrmAllegaCartella.h"
#include "attachments/TfrmWebCam.h"
#include "attachments/TfrmZoom.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace dp::test {

namespace {

using Kind = FakePlatform::Kind;

// What differs between the three sheets for their attachments.
struct SheetCase {
    const char* className;
    const char* attach; // the button that opens the attachment screen
    const char* save;
    const char* clear; // Nuovo
    const char* duplicate;
    int file01; // byte offset of File01 in the record; File02, File03, Desc01.. follow
    int recordSize;
    const char* archive;
};
const SheetCase kCustomer{"TfrmClienti", "cmdFile", "cmdSalva", "cmdNuovo",
                          "cmdDuplica",  1645,      3151,       "Clienti.pro"};
const SheetCase kSupplier{"TfrmFornitori", "cmdFile", "cmdSalva", "cmdNuovo",
                          "cmdDuplica",    2137,      3643,       "Fornitori.pro"};
const SheetCase kProduct{"TfrmMagazzino", "btnAllegati", "btnSalva", "btnNuovo",
                         "btnDuplica",    996,           2502,       "Magazzino.pro"};

const SheetCase& caseOf(const QString& name) {
    return name == QLatin1String("TfrmClienti")     ? kCustomer
           : name == QLatin1String("TfrmFornitori") ? kSupplier
                                                    : kProduct;
}

// One sheet over a fresh program directory, shown, with files elsewhere to attach.
struct Sheet {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    const SheetCase& c;
    std::unique_ptr<QWidget> screen;

    explicit Sheet(const SheetCase& sheetCase) : c(sheetCase) {
        const QString name = QLatin1String(c.className);
        if (name == QLatin1String("TfrmClienti"))
            screen = std::make_unique<TfrmClienti>(ctx);
        else if (name == QLatin1String("TfrmFornitori"))
            screen = std::make_unique<TfrmFornitori>(ctx);
        else
            screen = std::make_unique<TfrmMagazzino>(ctx);
        ctx.registerScreen(screen.get());
        screen->show();
        QApplication::setActiveWindow(screen.get());
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the sheet did not become active");
    }

    void click(const char* name) const {
        auto* b = screen->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        b->click();
    }
    QString label(const char* name) const {
        return screen->findChild<QLabel*>(QLatin1String(name))->text();
    }
    void fillRequired() const {
        auto set = [this](const char* name, const QString& value) {
            screen->findChild<QLineEdit*>(QLatin1String(name))->setText(value);
        };
        if (c.className == kCustomer.className) {
            set("txtCognome", QStringLiteral("Rossi"));
            set("txtNome", QStringLiteral("Mario"));
        } else if (c.className == kSupplier.className) {
            set("txtDitta", QStringLiteral("Ferramenta Bianchi"));
        } else {
            for (const char* f : {"txtCodice", "txtNome", "txtUM", "txtTipologia"})
                set(f, QStringLiteral("x"));
            set("txtCosto", QStringLiteral("1,00"));
            set("txtPrezzo", QStringLiteral("2,00"));
        }
    }
    QString source(const QString& name, const QByteArray& bytes) const {
        const QString p = elsewhere.path() + QLatin1Char('/') + name;
        writeFile(p, bytes);
        return p;
    }
    QString attached(const QString& name) const {
        return dir.path() + QStringLiteral("/Documenti_Allegati/") + name;
    }
    QByteArray record(int position) const {
        return readFile(dir.path() + QLatin1Char('/') + QLatin1String(c.archive))
            .mid((position - 1) * c.recordSize, c.recordSize);
    }
    // The stored bytes of attachment field `index` (File01..File03, Desc01..Desc03 = 0..5).
    QByteArray slotBytes(int position, int index) const {
        return record(position).mid(c.file01 + index * 251, 251);
    }
    // Opens the attachment screen from the sheet and runs `act` on it while it is open.
    void withAttachments(const std::function<void(TfrmAllegaCartella*)>& act) const {
        test::whileModal([&] { click(c.attach); },
                         [&](QWidget* modal) {
                             auto* d = qobject_cast<TfrmAllegaCartella*>(modal);
                             QVERIFY(d);
                             act(d);
                         });
    }
};

QLineEdit* edit(QWidget* d, const char* name) {
    return d->findChild<QLineEdit*>(QLatin1String(name));
}
void press(QWidget* d, const char* name) {
    d->findChild<QAbstractButton*>(QLatin1String(name))->click();
}

QByteArray stored(const QByteArray& text) {
    return field(250, text);
}

} // namespace

class TestSheetAttachments : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void attachSaveBrowseOpen_data();
    void attachSaveBrowseOpen();
    void cancelAfterBrowseKeepsTheSheet();
    void removedNameIsStoredEmpty();
};

void TestSheetAttachments::attachSaveBrowseOpen_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("mode");
    QTest::newRow("customer") << "TfrmClienti"
                              << "clienti";
    QTest::newRow("supplier") << "TfrmFornitori"
                              << "fornitori";
    QTest::newRow("product") << "TfrmMagazzino"
                             << "magazzino";
}

void TestSheetAttachments::attachSaveBrowseOpen() {
    QFETCH(QString, sheet);
    QFETCH(QString, mode);
    Sheet s(caseOf(sheet));
    s.fillRequired();
    const QString first = s.source(QStringLiteral("carta d'identità.pdf"), "scan");
    const QString third = s.source(QStringLiteral("listino.xls"), "xls");
    const QString longDesc = QString(250, QLatin1Char('a')) + QString(50, QLatin1Char('b'));

    s.withAttachments([&](TfrmAllegaCartella* d) {
        QCOMPARE(d->memory(), mode);
        s.platform.fileAnswers << first << third;
        press(d, "btnSfoglia01");
        press(d, "btnSfoglia03");
        edit(d, "txtDesc01")->setText(longDesc);
        edit(d, "txtDesc03")->setText(QStringLiteral("Listino 2024"));
        press(d, "btnApplica");
    });
    QCOMPARE(s.label("lblFile01"), QStringLiteral("carta d'identità.pdf"));
    QCOMPARE(s.label("lblFile03"), QStringLiteral("listino.xls"));
    s.click(s.c.save);

    // Byte-exact: names in Windows-1252, the 300-character description cut to 250.
    QCOMPARE(s.slotBytes(1, 0), stored("carta d'identit\xe0.pdf"));
    QCOMPARE(s.slotBytes(1, 1), stored(""));
    QCOMPARE(s.slotBytes(1, 2), stored("listino.xls"));
    QCOMPARE(s.slotBytes(1, 3), stored(QByteArray(250, 'a')));
    QCOMPARE(s.slotBytes(1, 5), stored("Listino 2024"));
    QCOMPARE(readFile(s.attached(QStringLiteral("listino.xls"))), QByteArray("xls"));

    // Away and back: the slots come with the record.
    s.click(s.c.clear);
    QCOMPARE(s.label("lblFile01"), QString());
    s.click("cmdPrimo");
    s.withAttachments([&](TfrmAllegaCartella* d) {
        QCOMPARE(edit(d, "txtFile01")->text(), QStringLiteral("carta d'identità.pdf"));
        QCOMPARE(edit(d, "txtDesc03")->text(), QStringLiteral("Listino 2024"));
        press(d, "btnApri01");
        press(d, "btnAnnulla");
    });
    QCOMPARE(
        s.platform.opened,
        QStringList{
            QUrl::fromLocalFile(s.attached(QStringLiteral("carta d'identità.pdf"))).toString()});

    // A duplicate starts without attachments.
    s.click(s.c.duplicate);
    s.withAttachments([&](TfrmAllegaCartella* d) {
        for (const char* n :
             {"txtFile01", "txtFile02", "txtFile03", "txtDesc01", "txtDesc02", "txtDesc03"})
            QCOMPARE(edit(d, n)->text(), QString());
    });
}

void TestSheetAttachments::cancelAfterBrowseKeepsTheSheet() {
    Sheet s(kCustomer);
    s.fillRequired();
    s.withAttachments([&](TfrmAllegaCartella* d) {
        s.platform.fileAnswers << s.source(QStringLiteral("a.pdf"), "a");
        press(d, "btnSfoglia01");
        edit(d, "txtDesc02")->setText(QStringLiteral("nuova"));
        press(d, "btnAnnulla");
    });
    QCOMPARE(s.label("lblFile01"), QString());
    QCOMPARE(s.label("lblDesc02"), QString());
    QCOMPARE(readFile(s.attached(QStringLiteral("a.pdf"))), QByteArray("a")); // copied all the same
}

void TestSheetAttachments::removedNameIsStoredEmpty() {
    Sheet s(kSupplier);
    s.fillRequired();
    s.withAttachments([&](TfrmAllegaCartella* d) {
        s.platform.fileAnswers << s.source(QStringLiteral("contratto.pdf"), "pdf");
        press(d, "btnSfoglia02");
        edit(d, "txtDesc02")->setText(QStringLiteral("Contratto quadro"));
        press(d, "btnApplica");
    });
    s.click(s.c.save);
    QCOMPARE(s.slotBytes(1, 1), stored("contratto.pdf"));
    s.withAttachments([&](TfrmAllegaCartella* d) {
        d->findChild<QToolButton*>(QStringLiteral("imgCancella02"))->click();
        press(d, "btnApplica");
    });
    s.click(s.c.save);
    QCOMPARE(s.slotBytes(1, 1), stored(""));
    QCOMPARE(s.slotBytes(1, 4), stored("Contratto quadro"));
    QCOMPARE(readFile(s.attached(QStringLiteral("contratto.pdf"))), QByteArray("pdf"));
}

} // namespace dp::test

QTEST_MAIN(dp::test::TestSheetAttachments)
#include "TestSheetAttachments.moc"
