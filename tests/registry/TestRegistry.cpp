#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "storage/StorageError.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace dp;
using Kind = test::FakePlatform::Kind;

namespace {

// Where the fields used here lie in the two records, and how large the records are.
struct Offsets {
    const char* file;
    int size;
    int first;  // Cognome / Ditta
    int second; // Nome / Titolare
    int provRes;
    int questioni;
    int flag;
    int file01;
    int desc01;
};
const Offsets kCustomer{"Clienti.pro", 3151, 0, 51, 257, 1132, 1642, 1645, 2398};
const Offsets kSupplier{"Fornitori.pro", 3643, 0, 51, 274, 1632, 2134, 2137, 2890};

const Offsets& offsetsOf(const QString& sheet) {
    return sheet == QLatin1String("TfrmClienti") ? kCustomer : kSupplier;
}

// Writes a fixed text field byte by byte: the length, then the Windows-1252 bytes.
void put(QByteArray& record, int offset, const QByteArray& text) {
    record[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        record[offset + 1 + i] = text[i];
}

void clearField(QByteArray& record, int offset, int width) {
    for (int i = 0; i <= width; ++i)
        record[offset + i] = '\0';
}

const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

// One program directory, its fake platform and a freshly created sheet, shown on screen.
struct Session {
    QTemporaryDir dir;
    test::FakePlatform fake{dir.path()};
    AppContext ctx{fake};
    std::unique_ptr<RegistrySheet> sheet;

    explicit Session(const QString& name, bool show = true) {
        if (name == QLatin1String("TfrmClienti"))
            sheet = std::make_unique<TfrmClienti>(ctx);
        else
            sheet = std::make_unique<TfrmFornitori>(ctx);
        if (show) {
            sheet->show();
            sheet->activateWindow();
            if (!QTest::qWaitForWindowActive(sheet.get()))
                qWarning("the sheet did not become active");
        }
    }
    QString path() const { return dir.filePath(QString::fromLatin1(offsetsOf(name()).file)); }
    QString name() const { return sheet->objectName(); }

    // The widget that takes the keys of a field: an edit field or a province box.
    QWidget* control(const QString& field) const {
        auto* w = sheet->findChild<QWidget*>(field);
        if (!w)
            qFatal("no control %s", qPrintable(field));
        return w;
    }
    QLineEdit* edit(const QString& field) const {
        QWidget* w = control(field);
        if (auto* box = qobject_cast<QComboBox*>(w))
            return box->lineEdit();
        return qobject_cast<QLineEdit*>(w);
    }
    QString text(const QString& field) const { return edit(field)->text(); }
    void type(const QString& field, const QString& typed) const {
        control(field)->setFocus();
        test::typeText(control(field), typed);
    }
    void click(const char* button) const {
        auto* b = sheet->findChild<QAbstractButton*>(QLatin1String(button));
        if (!b)
            qFatal("no button %s", button);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString label(const char* name) const {
        return sheet->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QCheckBox* flag() const {
        return sheet->findChild<QCheckBox*>(QStringLiteral("chkRicontatta"));
    }
    // The control holding the sheet's focus, a province box for its own line edit.
    QString focused() const {
        QWidget* w = sheet->focusWidget();
        if (w && qobject_cast<QComboBox*>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    QString firstField() const {
        return name() == QLatin1String("TfrmClienti") ? QStringLiteral("txtCognome")
                                                      : QStringLiteral("txtDitta");
    }
};

const QStringList kSheets{QStringLiteral("TfrmClienti"), QStringLiteral("TfrmFornitori")};

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void savedRecordIsByteExact_data();
    void savedRecordIsByteExact();
    void requiredFields_data();
    void requiredFields();
    void duplicateMakesANewSheetWithoutAttachments_data();
    void duplicateMakesANewSheetWithoutAttachments();
    void duplicateReportsAnUnwritableArchive();
    void filters_data();
    void filters();
    void customerSetSRefusesAccentsEverywhere();
    void supplierFieldsAcceptEverything();
    void provinceBoxes_data();
    void provinceBoxes();
    void leavingTrimsAndUpperCases();
    void enterChain_data();
    void enterChain();
    void browsingMessagesAndEnds();
    void newSheetAndEveryShowStartEmpty_data();
    void newSheetAndEveryShowStartEmpty();
    void emailHandOver_data();
    void emailHandOver();
    void checkButtonsOpenTheRightCheck_data();
    void checkButtonsOpenTheRightCheck();
    void hints_data();
    void hints();
    void opensMaximisedAndReturnsToTheMenu();
    void layoutFitsCommonScreens_data();
    void layoutFitsCommonScreens();
};

void TestRegistry::savedRecordIsByteExact_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("typed"); // field, text, field, text...
    QTest::addColumn<QByteArray>("expected");

    QByteArray customer(3151, '\0');
    put(customer, 0, "Rossi");
    put(customer, 51, "Mario");
    put(customer, 1642, "No");
    QTest::newRow("customer, surname and name")
        << u"TfrmClienti"_s
        << QStringList{u"txtCognome"_s, u"  Rossi  "_s, u"txtNome"_s, u"Mario"_s} << customer;

    QByteArray supplier(3643, '\0');
    put(supplier, 0, "Societ\xE0 Rossi & C.");
    put(supplier, 2134, "No");
    QTest::newRow("supplier, firm name only")
        << u"TfrmFornitori"_s << QStringList{u"txtDitta"_s, QStringLiteral(" Società Rossi & C. ")}
        << supplier;
}

void TestRegistry::savedRecordIsByteExact() {
    QFETCH(QString, sheet);
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, expected);
    Session s(sheet);
    for (int i = 0; i + 1 < typed.size(); i += 2)
        s.type(typed[i], typed[i + 1]);

    s.click("cmdSalva");
    QCOMPARE(s.fake.lastKind(), Kind::Information);
    QCOMPARE(s.fake.lastText(), kInserted);
    QCOMPARE(s.label("lblPosizione"), QStringLiteral("1"));
    QCOMPARE(test::readFile(s.path()), expected);

    // Saved again without leaving it, the sheet rewrites its record: the file does not grow.
    s.click("cmdSalva");
    QCOMPARE(s.fake.lastText(), kRewritten);
    QCOMPARE(s.label("lblPosizione"), QStringLiteral("1"));
    QCOMPARE(test::readFile(s.path()), expected);
    QCOMPARE(s.fake.shown.size(), 2);
}

void TestRegistry::requiredFields_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    const QString surname = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il cognome del cliente.");
    const QString name = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il nome del cliente.");
    QTest::newRow("surname of blanks")
        << u"TfrmClienti"_s << QStringList{u"txtCognome"_s, u"   "_s, u"txtNome"_s, u"Mario"_s}
        << surname << "txtCognome";
    QTest::newRow("surname before name")
        << "TfrmClienti" << QStringList{} << surname << "txtCognome";
    QTest::newRow("name missing") << u"TfrmClienti"_s << QStringList{u"txtCognome"_s, u"Rossi"_s}
                                  << name << "txtNome";
    QTest::newRow("owner without firm")
        << u"TfrmFornitori"_s << QStringList{u"txtTitolare"_s, u"Mario Rossi"_s}
        << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la "
                          "denominazione della Ditta fornitrice.")
        << "txtDitta";
}

void TestRegistry::requiredFields() {
    QFETCH(QString, sheet);
    QFETCH(QStringList, typed);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    Session s(sheet);
    for (int i = 0; i + 1 < typed.size(); i += 2)
        s.type(typed[i], typed[i + 1]);
    s.control(QStringLiteral("txtTelCasa"))->setFocus();

    s.click("cmdSalva");
    QCOMPARE(s.fake.shown.size(), 1);
    QCOMPARE(s.fake.lastKind(), Kind::Warning);
    QCOMPARE(s.fake.lastText(), warning);
    QCOMPARE(s.focused(), focus);
    QVERIFY(!QFile::exists(s.path()));
    QCOMPARE(s.label("lblPosizione"), QString());
}

void TestRegistry::duplicateMakesANewSheetWithoutAttachments_data() {
    QTest::addColumn<QString>("sheet");
    for (const QString& s : kSheets)
        QTest::newRow(qPrintable(s)) << s;
}

void TestRegistry::duplicateMakesANewSheetWithoutAttachments() {
    QFETCH(QString, sheet);
    Session s(sheet);
    const Offsets& o = offsetsOf(sheet);
    QByteArray stored(o.size, '\0');
    put(stored, o.first, "Rossi");
    put(stored, o.second, "Mario");
    put(stored, o.provRes, "RM");
    put(stored, o.questioni, "Richiamare a marzo");
    put(stored, o.flag, "S\xEC");
    put(stored, o.file01, "listino.pdf");
    put(stored, o.desc01, "Listino 2024");
    test::writeFile(s.path(), stored);

    // A sheet that is not in the archive cannot be duplicated.
    s.click("cmdDuplica");
    QCOMPARE(s.fake.lastKind(), Kind::Warning);
    QCOMPARE(s.fake.lastText(),
             QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                            "dopo che questa è stata inserita in archivio."));

    s.click("cmdPrimo");
    QCOMPARE(s.text(s.firstField()), QStringLiteral("Rossi"));
    QCOMPARE(s.text(QStringLiteral("txtProvRes")), QStringLiteral("RM"));
    QVERIFY(s.flag()->isChecked());
    QCOMPARE(s.label("lblFile01"), QStringLiteral("listino.pdf"));
    QCOMPARE(s.label("lblPosizione"), QStringLiteral("1"));
    s.control(QStringLiteral("txtNote"))->setFocus();

    s.fake.clear();
    s.click("cmdDuplica");
    QCOMPARE(s.fake.shown.size(), 1);
    QCOMPARE(s.fake.lastKind(), Kind::Information);
    QCOMPARE(s.fake.lastText(),
             QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                            "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                            "archivio."));
    QCOMPARE(s.label("lblPosizione"), QString());
    QCOMPARE(s.label("lblFile01"), QString());
    QCOMPARE(s.label("lblDesc01"), QString());
    QCOMPARE(s.text(s.firstField()), QStringLiteral("Rossi"));
    QCOMPARE(s.text(QStringLiteral("txtQuestioni")), QStringLiteral("Richiamare a marzo"));
    QVERIFY(s.flag()->isChecked());
    QCOMPARE(s.focused(), s.firstField());

    s.click("cmdSalva");
    QCOMPARE(s.fake.lastText(), kInserted);
    QCOMPARE(s.label("lblPosizione"), QStringLiteral("2"));
    const QByteArray file = test::readFile(s.path());
    QCOMPARE(file.size(), 2 * o.size);
    QCOMPARE(file.left(o.size), stored);
    QByteArray copy = stored;
    clearField(copy, o.file01, 250);
    clearField(copy, o.desc01, 250);
    QCOMPARE(file.mid(o.size), copy);
}

void TestRegistry::duplicateReportsAnUnwritableArchive() {
    Session s(QStringLiteral("TfrmClienti"));
    QByteArray stored(3151, '\0');
    put(stored, 0, "Rossi");
    put(stored, 1642, "No");
    put(stored, 1645, "contratto.pdf");
    test::writeFile(s.path(), stored);
    s.click("cmdPrimo");
    QCOMPARE(s.label("lblFile01"), QStringLiteral("contratto.pdf"));

    QFile::setPermissions(s.path(), QFile::ReadOwner);
    {
        test::Unprivileged asUser;
        s.fake.clear();
        test::expectStorageLog(QStringLiteral("Clienti.pro"));
        s.click("cmdDuplica");
    }
    // The failure is reported; what the duplicate had already emptied stays empty.
    QCOMPARE(s.fake.shown.size(), 1);
    QCOMPARE(s.fake.lastKind(), Kind::Error);
    QCOMPARE(s.fake.lastText(), test::kArchiveErrorNotice);
    QCOMPARE(s.label("lblPosizione"), QString());
    QCOMPARE(s.label("lblFile01"), QString());
    QCOMPARE(s.text(QStringLiteral("txtCognome")), QStringLiteral("Rossi"));
}

void TestRegistry::filters_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString cli = QStringLiteral("TfrmClienti");
    const QString forn = QStringLiteral("TfrmFornitori");

    QTest::newRow("surname refuses &") << cli << "txtCognome"
                                       << "Rossi & Figli"
                                       << "Rossi  Figli";
    QTest::newRow("surname passes a-tilde, sharp s")
        << cli << "txtCognome" << QStringLiteral("\u00E3\u00DF") << QStringLiteral("\u00E3\u00DF");
    QTest::newRow("firm takes &, not the rest of the set")
        << cli << "txtDitta" << QStringLiteral("Rossi & C./\u00E8") << "Rossi & C.";
    QTest::newRow("address refuses /") << cli << "txtIndirizzoRes"
                                       << "Via Roma 1/A"
                                       << "Via Roma 1A";
    QTest::newRow("customer postcode refuses letters") << cli << "txtCapRes"
                                                       << "0a01 87x"
                                                       << "00187";
    QTest::newRow("card digits only") << cli << "txtCarta"
                                      << "4111-1111 x"
                                      << "41111111";
    QTest::newRow("VAT digits only") << cli << "txtPartitaIva"
                                     << "IT 0123"
                                     << "0123";
    QTest::newRow("sex upper-cased") << cli << "txtSesso"
                                     << "m"
                                     << "M";
    QTest::newRow("fiscal code upper and trimmed") << cli << "txtCodFisc"
                                                   << " rssmra80 "
                                                   << "RSSMRA80";
    QTest::newRow("recipient code stops at 7") << cli << "txtCodiceDest"
                                               << "abc1234xyz"
                                               << "ABC1234";
    QTest::newRow("e-mail trimmed") << cli << "txtEmail"
                                    << " mario@rossi.it "
                                    << "mario@rossi.it";
    QTest::newRow("PEC refuses /") << cli << "txtPec"
                                   << " a/b@pec.it"
                                   << "ab@pec.it";
    QTest::newRow("free field takes the set")
        << cli << "txtDataNasc" << QStringLiteral("1° maggio") << QStringLiteral("1° maggio");
    QTest::newRow("province rm") << cli << "txtProvRes"
                                 << "rm"
                                 << "RM";
    QTest::newRow("province refuses /") << cli << "txtProvRes"
                                        << "r/m"
                                        << "RM";
    QTest::newRow("province stops at 2") << cli << "txtProvNasc"
                                         << "mil"
                                         << "MI";
    QTest::newRow("supplier province rm") << forn << "txtProvRes"
                                          << "rm"
                                          << "RM";
    QTest::newRow("supplier postcode keeps letters") << forn << "txtCapRes"
                                                     << "ab12c"
                                                     << "ab12c";
    QTest::newRow("supplier card digits only") << forn << "txtCarta"
                                               << "12ab34"
                                               << "1234";
    QTest::newRow("supplier VAT digits only") << forn << "txtPartitaIva"
                                              << "x9y8"
                                              << "98";
    QTest::newRow("supplier IBAN upper and trimmed") << forn << "txtIban"
                                                     << " it60x "
                                                     << "IT60X";
    QTest::newRow("supplier owner stops at 120")
        << forn << "txtTitolare" << QString(125, u'x') << QString(120, u'x');
}

void TestRegistry::filters() {
    QFETCH(QString, sheet);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Session s(sheet);
    s.type(field, typed);
    QCOMPARE(s.text(field), shown);
}

void TestRegistry::customerSetSRefusesAccentsEverywhere() {
    Session s(QStringLiteral("TfrmClienti"));
    const QString accents = QStringLiteral("\u00E0\u00C8\u00F9\u00D1\u00B0\u00A3<>");
    for (const char* f :
         {"txtCognome", "txtNome", "txtDitta", "txtRecapito", "txtIndirizzoRes", "txtComuneRes",
          "txtProvRes", "txtCodFisc", "txtCodiceDest", "txtPec", "txtIban"}) {
        s.type(QLatin1String(f), accents + QStringLiteral("k"));
        QCOMPARE(s.text(QLatin1String(f)).toUpper(), QStringLiteral("K"));
    }
}

void TestRegistry::supplierFieldsAcceptEverything() {
    // No supplier field refuses characters: every field but the two digit fields keeps what
    // is typed (up to its limit).
    Session s(QStringLiteral("TfrmFornitori"));
    const QString typed = QStringLiteral("\u00E0&/\u00B0\u00C8\u00A3");
    int checked = 0;
    QList<QWidget*> fields;
    for (QLineEdit* e : s.sheet->findChildren<QLineEdit*>())
        if (e->objectName().startsWith(QLatin1String("txt")))
            fields.append(e);
    for (QComboBox* c : s.sheet->findChildren<QComboBox*>())
        fields.append(c);
    for (QWidget* w : fields) {
        const QString name = w->objectName();
        if (name == QLatin1String("txtCarta") || name == QLatin1String("txtPartitaIva"))
            continue;
        s.type(name, typed);
        const QString expected = name == QLatin1String("txtProvRes")  ? typed.left(2)
                                 : name == QLatin1String("txtCapRes") ? typed.left(5)
                                                                      : typed;
        QVERIFY2(s.text(name) == expected, qPrintable(name));
        ++checked;
    }
    QCOMPARE(checked, 21);
}

void TestRegistry::provinceBoxes_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("box");
    QTest::newRow("customer residence") << "TfrmClienti"
                                        << "txtProvRes";
    QTest::newRow("customer birth") << "TfrmClienti"
                                    << "txtProvNasc";
    QTest::newRow("supplier") << "TfrmFornitori"
                              << "txtProvRes";
}

void TestRegistry::provinceBoxes() {
    QFETCH(QString, sheet);
    QFETCH(QString, box);
    Session s(sheet);
    auto* combo = qobject_cast<QComboBox*>(s.control(box));
    QVERIFY(combo && combo->isEditable());
    QStringList codes;
    for (int i = 0; i < combo->count(); ++i)
        codes << combo->itemText(i);
    QCOMPARE(codes.join(u' '),
             QStringLiteral(
                 "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL "
                 "CN CO CR CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT "
                 "LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT "
                 "PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV "
                 "UD VA VB VC VE VI VR VT VV"));

    // A code picked from the list: about to receive the focus again, the box drops the
    // selection but keeps its text.
    combo->setCurrentIndex(combo->findText(QStringLiteral("MI")));
    s.control(QStringLiteral("txtTelCasa"))->setFocus();
    QCOMPARE(combo->currentIndex(), combo->findText(QStringLiteral("MI")));
    combo->setFocus();
    QCOMPARE(s.focused(), box);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QStringLiteral("MI"));
}

void TestRegistry::leavingTrimsAndUpperCases() {
    // Texts that did not come from typing (an old record, a paste by the program) are put
    // right when the field is left.
    Session s(QStringLiteral("TfrmClienti"));
    QByteArray stored(3151, '\0');
    put(stored, 0, "Rossi");
    put(stored, 257, "rm");
    put(stored, 399, "mi");
    put(stored, 1642, "No");
    test::writeFile(s.path(), stored);
    s.click("cmdPrimo");
    QCOMPARE(s.text(QStringLiteral("txtProvRes")), QStringLiteral("rm"));
    s.edit(QStringLiteral("txtEmail"))->setText(QStringLiteral("  mario@rossi.it "));

    for (const char* f : {"txtProvRes", "txtProvNasc", "txtEmail"}) {
        s.control(QLatin1String(f))->setFocus();
        s.control(QStringLiteral("txtNote"))->setFocus();
    }
    QCOMPARE(s.text(QStringLiteral("txtProvRes")), QStringLiteral("RM"));
    QCOMPARE(s.text(QStringLiteral("txtProvNasc")), QStringLiteral("MI"));
    QCOMPARE(s.text(QStringLiteral("txtEmail")), QStringLiteral("mario@rossi.it"));
}

void TestRegistry::enterChain_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("customer") << u"TfrmClienti"_s
                              << QStringList{
                                     u"txtCognome"_s,    u"txtNome"_s,       u"txtDitta"_s,
                                     u"txtSesso"_s,      u"txtRecapito"_s,   u"txtIndirizzoRes"_s,
                                     u"txtProvRes"_s,    u"txtComuneRes"_s,  u"txtCapRes"_s,
                                     u"txtDataNasc"_s,   u"txtComuneNasc"_s, u"txtProvNasc"_s,
                                     u"txtTelCasa"_s,    u"txtTelUff"_s,     u"txtTelCel"_s,
                                     u"txtPec"_s,        u"txtEmail"_s,      u"txtCodFisc"_s,
                                     u"txtCarta"_s,      u"txtScadeCarta"_s, u"txtPartitaIva"_s,
                                     u"txtIban"_s,       u"txtTipoPat"_s,    u"txtNumPat"_s,
                                     u"txtEnteRil"_s,    u"txtDataRil"_s,    u"txtDataSca"_s,
                                     u"txtConducente"_s, u"txtQuestioni"_s,  u"txtNote"_s,
                                     u"txtCodiceDest"_s};
    QTest::newRow("supplier") << u"TfrmFornitori"_s
                              << QStringList{
                                     u"txtDitta"_s,        u"txtTitolare"_s,   u"txtRecapito"_s,
                                     u"txtIndirizzoRes"_s, u"txtProvRes"_s,    u"txtComuneRes"_s,
                                     u"txtCapRes"_s,       u"txtPagamento"_s,  u"txtTelCasa"_s,
                                     u"txtTelUff"_s,       u"txtTelCel"_s,     u"txtFax"_s,
                                     u"txtEmail"_s,        u"txtCodFisc"_s,    u"txtCarta"_s,
                                     u"txtScadeCarta"_s,   u"txtPartitaIva"_s, u"txtIban"_s,
                                     u"txtArticoli"_s,     u"txtOfferte"_s,    u"txtOrdine"_s,
                                     u"txtQuestioni"_s,    u"txtNote"_s};
}

void TestRegistry::enterChain() {
    QFETCH(QString, sheet);
    QFETCH(QStringList, chain);
    Session s(sheet);
    QCOMPARE(s.focused(), chain.first());
    for (const QString& f : chain) // every field has its yellow frame
        QVERIFY2(s.sheet->findChild<QFrame*>(QStringLiteral("eff") + f.mid(3)), qPrintable(f));

    // Enter walks the whole chain, passing the recontact box by, and comes back to the start.
    QStringList walked{s.focused()};
    for (int i = 0; i < chain.size(); ++i) {
        QTest::keyClick(s.sheet->focusWidget(), Qt::Key_Return);
        walked << s.focused();
    }
    QCOMPARE(walked, chain + QStringList{chain.first()});

    // The tab order is the same, with the recontact box between the open issues and the notes.
    QStringList tabbed;
    QWidget* start = s.control(chain.first());
    QWidget* w = start;
    do {
        QWidget* shown = qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(s.sheet.get()) && w->isEnabled() &&
            !tabbed.contains(shown->objectName()))
            tabbed << shown->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    QStringList expected = chain;
    expected.insert(expected.indexOf(QStringLiteral("txtQuestioni")) + 1,
                    QStringLiteral("chkRicontatta"));
    QCOMPARE(tabbed, expected);
}

void TestRegistry::browsingMessagesAndEnds() {
    Session s(QStringLiteral("TfrmClienti"));

    // An archive that does not exist yet: every arrow says so; "next" empties the position.
    for (const char* arrow : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        s.fake.clear();
        s.click(arrow);
        QCOMPARE(s.fake.shown.size(), 1);
        QCOMPARE(s.fake.lastKind(), Kind::Information);
        QCOMPARE(s.fake.lastText(), kEmpty);
        QCOMPARE(s.label("lblPosizione"), QString());
    }
    QVERIFY(QFile::exists(s.path()));

    QByteArray file;
    for (const char* surname : {"Alfa", "Beta", "Gamma"}) {
        QByteArray r(3151, '\0');
        put(r, 0, surname);
        put(r, 1642, "No");
        file += r;
    }
    test::writeFile(s.path(), file);
    s.fake.clear();

    struct Step {
        const char* button;
        const char* surname;
        const char* position;
    };
    const Step steps[] = {
        {"cmdAvanti", "Alfa", "1"},   // from a new sheet, next shows the first record
        {"cmdIndietro", "Alfa", "1"}, // at the first record, previous does nothing
        {"cmdUltimo", "Gamma", "3"},
        {"cmdAvanti", "Gamma", "3"}, // at the last record, next does nothing
        {"cmdIndietro", "Beta", "2"},
        {"cmdNuovo", "", ""},
        {"cmdIndietro", "Alfa", "1"}, // from a new sheet, previous shows the first record
        {"cmdAvanti", "Beta", "2"},
        {"cmdPrimo", "Alfa", "1"},
    };
    for (const Step& step : steps) {
        s.click(step.button);
        QCOMPARE(s.text(QStringLiteral("txtCognome")), QLatin1String(step.surname));
        QCOMPARE(s.label("lblPosizione"), QLatin1String(step.position));
    }
    QCOMPARE(s.fake.shown.size(), 0);
}

void TestRegistry::newSheetAndEveryShowStartEmpty_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<bool>("showAgain");
    for (const QString& s : kSheets) {
        QTest::newRow(qPrintable(s + QStringLiteral(" Nuovo"))) << s << false;
        QTest::newRow(qPrintable(s + QStringLiteral(" shown again"))) << s << true;
    }
}

void TestRegistry::newSheetAndEveryShowStartEmpty() {
    QFETCH(QString, sheet);
    QFETCH(bool, showAgain);
    Session s(sheet);
    const Offsets& o = offsetsOf(sheet);
    QByteArray stored(o.size, '\0');
    put(stored, o.first, "Rossi");
    put(stored, o.provRes, "RM");
    put(stored, o.flag, "S\xEC");
    put(stored, o.file01, "a.pdf");
    put(stored, o.desc01, "Contratto");
    test::writeFile(s.path(), stored);
    s.click("cmdPrimo");
    auto* prov = qobject_cast<QComboBox*>(s.control(QStringLiteral("txtProvRes")));
    prov->setCurrentIndex(prov->findText(QStringLiteral("RM")));
    s.control(QStringLiteral("txtNote"))->setFocus();

    if (showAgain) {
        s.sheet->hide();
        s.sheet->show();
        s.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.sheet.get()));
    } else {
        s.click("cmdNuovo");
    }
    for (QLineEdit* e : s.sheet->findChildren<QLineEdit*>())
        QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QCOMPARE(prov->currentIndex(), -1);
    QVERIFY(!s.flag()->isChecked());
    for (const char* l : {"lblPosizione", "lblFile01", "lblDesc01"})
        QCOMPARE(s.label(l), QString());
    QCOMPARE(s.focused(), s.firstField());
    QCOMPARE(s.fake.shown.size(), 0);
    QCOMPARE(test::readFile(s.path()), stored);
}

void TestRegistry::emailHandOver_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("handed");
    QTest::newRow("customer") << "TfrmClienti"
                              << "  mario.rossi@example.it "
                              << "mailto:mario.rossi@example.it";
    QTest::newRow("customer, empty") << "TfrmClienti"
                                     << ""
                                     << "mailto:";
    QTest::newRow("supplier") << "TfrmFornitori"
                              << "ordini@ditta.it"
                              << "mailto:ordini@ditta.it";
    QTest::newRow("supplier, blanks only") << "TfrmFornitori"
                                           << "   "
                                           << "mailto:";
}

void TestRegistry::emailHandOver() {
    QFETCH(QString, sheet);
    QFETCH(QString, address);
    QFETCH(QString, handed);
    Session s(sheet);
    s.edit(QStringLiteral("txtEmail"))->setText(address);
    s.click("btnEmail");
    QCOMPARE(s.fake.opened, QStringList{handed});
    QCOMPARE(s.fake.shown.size(), 0);
}

void TestRegistry::checkButtonsOpenTheRightCheck_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("screenField");
    QTest::addColumn<QString>("received");
    const QString cli = QStringLiteral("TfrmClienti");
    const QString forn = QStringLiteral("TfrmFornitori");
    QTest::newRow("fiscal code") << cli << "btnCodFisc"
                                 << "txtCodFisc"
                                 << " RSSMRA80A01H501U "
                                 << "TfrmCodFisc"
                                 << "txtCodFisc"
                                 << "RSSMRA80A01H501U";
    QTest::newRow("fiscal code of digits is a VAT number") << cli << "btnCodFisc"
                                                           << "txtCodFisc"
                                                           << " 01234567890"
                                                           << "TfrmPartitaIva"
                                                           << "txtPartitaIva"
                                                           << "01234567890";
    QTest::newRow("empty fiscal code") << cli << "btnCodFisc"
                                       << "txtCodFisc"
                                       << "  "
                                       << "TfrmCodFisc"
                                       << "txtCodFisc"
                                       << "";
    QTest::newRow("VAT number") << cli << "btnPartitaIva"
                                << "txtPartitaIva"
                                << "01234567890 "
                                << "TfrmPartitaIva"
                                << "txtPartitaIva"
                                << "01234567890";
    QTest::newRow("card") << cli << "btnCarta"
                          << "txtCarta"
                          << " 4111111111111111"
                          << "TfrmCarta"
                          << "txtNumero"
                          << "4111111111111111";
    QTest::newRow("IBAN") << cli << "btnIban"
                          << "txtIban"
                          << " IT60X0542811101000000123456 "
                          << "TfrmIban"
                          << "txtIban"
                          << "IT60X0542811101000000123456";
    QTest::newRow("supplier fiscal code of digits") << forn << "btnCodFisc"
                                                    << "txtCodFisc"
                                                    << "01234567890"
                                                    << "TfrmPartitaIva"
                                                    << "txtPartitaIva"
                                                    << "01234567890";
    QTest::newRow("supplier fiscal code with a letter") << forn << "btnCodFisc"
                                                        << "txtCodFisc"
                                                        << "0123456789X"
                                                        << "TfrmCodFisc"
                                                        << "txtCodFisc"
                                                        << "0123456789X";
    QTest::newRow("supplier IBAN") << forn << "btnIban"
                                   << "txtIban"
                                   << "GB82WEST12345698765432"
                                   << "TfrmIban"
                                   << "txtIban"
                                   << "GB82WEST12345698765432";
}

void TestRegistry::checkButtonsOpenTheRightCheck() {
    QFETCH(QString, sheet);
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, screen);
    QFETCH(QString, screenField);
    QFETCH(QString, received);
    Session s(sheet);
    s.edit(field)->setText(value);

    // Looks at the check screen while it is open, then closes it.
    QString openedScreen;
    QString openedValue;
    QWidget* owner = nullptr;
    test::whileModal(
        [&] { QTest::mouseClick(s.sheet->findChild<QAbstractButton*>(button), Qt::LeftButton); },
        [&](QWidget* modal) {
            openedScreen = modal->objectName();
            if (auto* e = modal->findChild<QLineEdit*>(screenField))
                openedValue = e->text();
            owner = modal->parentWidget();
        });

    QCOMPARE(openedScreen, screen);
    QCOMPARE(openedValue, received);
    QCOMPARE(owner, s.sheet.get());
    QCOMPARE(s.text(field), value);                       // nothing comes back into the sheet
    QVERIFY(s.sheet->findChildren<QDialog*>().isEmpty()); // the check screen is gone
}

void TestRegistry::hints_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    const QString cli = QStringLiteral("TfrmClienti");
    const QString forn = QStringLiteral("TfrmFornitori");
    QTest::newRow("customer recontact list") << cli << "cmdRicontatta"
                                             << "Visualizza l'elenco dei Clienti da ricontattare.";
    QTest::newRow("supplier recontact list")
        << forn << "cmdRicontatta"
        << "Visualizza l'elenco dei fornitori da ricontattare.";
    QTest::newRow("customer flag")
        << cli << "chkRicontatta"
        << QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso.");
    QTest::newRow("supplier flag")
        << forn << "chkRicontatta"
        << QStringLiteral("Annota che il fornitore è da ricontattare per questioni in sospeso.");
    QTest::newRow("save") << cli << "cmdSalva"
                          << "Salva la scheda corrente in archivio.";
    QTest::newRow("search") << forn << "cmdTrova"
                            << "Trova una scheda in archivio.";
    QTest::newRow("export") << cli << "cmdEsporta"
                            << "Esporta le schede in archivio in un file di Microsoft Excel.";
    QTest::newRow("e-mail") << forn << "btnEmail"
                            << "Invia una e-mail all'indirizzo indicato.";
    QTest::newRow("fiscal code check") << cli << "btnCodFisc"
                                       << "Controlla il codice fiscale.";
}

void TestRegistry::hints() {
    QFETCH(QString, sheet);
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Session s(sheet, false);
    auto* info = s.sheet->findChild<QLabel*>(QStringLiteral("panInfo"));
    QCOMPARE(info->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));

    QWidget* w = s.control(control);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &enter);
    QCOMPARE(info->text(), hint);

    // The bare background of a group empties the status line.
    QWidget* group = s.sheet->findChild<QGroupBox*>(QStringLiteral("grpNote"));
    QEnterEvent background(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(group, &background);
    QCOMPARE(info->text(), QString());
}

void TestRegistry::opensMaximisedAndReturnsToTheMenu() {
    for (const QString& name : kSheets) {
        Session s(name, false);
        QWidget menu;
        menu.setObjectName(QStringLiteral("TfrmAvvio"));
        s.ctx.registerScreen(&menu);

        s.sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.sheet.get()));
        QVERIFY(s.sheet->windowState() & Qt::WindowMaximized);
        s.click("cmdEsci");
        QVERIFY(!s.sheet->isVisible());
        QVERIFY(menu.isVisible());
    }
}

void TestRegistry::layoutFitsCommonScreens_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QSize>("size");
    // The window sizes a maximised window has on the two usual screens, minus a title bar.
    for (const QString& s : kSheets) {
        QTest::newRow(qPrintable(s + QStringLiteral(" 1366x768"))) << s << QSize(1366, 738);
        QTest::newRow(qPrintable(s + QStringLiteral(" 1920x1080"))) << s << QSize(1920, 1050);
    }
}

void TestRegistry::layoutFitsCommonScreens() {
    QFETCH(QString, sheet);
    QFETCH(QSize, size);
    Session s(sheet);
    s.sheet->setWindowState(Qt::WindowNoState);
    s.sheet->resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(s.sheet->size(), size);

    // Everything fits without scrolling.
    auto* scroll = s.sheet->findChild<QScrollArea*>(QStringLiteral("bkgScheda"));
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());

    // No caption is cut, no field is squeezed below a usable width, and no control overlaps
    // the next one in its group.
    const QRect visible = scroll->viewport()->rect();
    for (QLabel* l : s.sheet->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty())
            continue;
        const QString what = l->objectName() + QLatin1Char(' ') + l->text();
        if (l->wordWrap())
            QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(what));
        else
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(what));
    }
    for (QGroupBox* g : s.sheet->findChildren<QGroupBox*>()) {
        const QRect inView(g->mapTo(scroll->viewport(), QPoint()), g->size());
        QVERIFY2(visible.contains(inView), qPrintable(g->objectName()));
        QList<QWidget*> parts;
        for (QWidget* w : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->objectName().startsWith(QLatin1String("eff")))
                parts.append(w);
        for (QWidget* w : parts) {
            const bool sized = w->minimumWidth() == w->maximumWidth(); // short contents
            if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) && !sized)
                QVERIFY2(w->width() >= 150, qPrintable(w->objectName()));
            QVERIFY2(g->rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (QWidget* other : parts)
                if (other != w)
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + QLatin1Char('/') + other->objectName()));
        }
    }
    for (QAbstractButton* b : s.sheet->findChildren<QAbstractButton*>())
        if (b->objectName().startsWith(QLatin1String("cmd")))
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));

    const QString shots = qEnvironmentVariable("DP_SHOT_DIR");
    if (!shots.isEmpty())
        s.sheet->grab().save(
            QDir(shots).filePath(QStringLiteral("%1_%2.png").arg(sheet).arg(size.width())));
}

QTEST_MAIN(TestRegistry)
#include "TestRegistry.moc"
