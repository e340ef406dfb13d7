#include "attachments/AttachmentFolder.h"
#include "attachments/TfrmAllegaCartella.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/SmallDisk.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace dp::test {

namespace {

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// One attachment dialog over a fresh program directory, with a folder of files to pick from.
struct DialogFixture {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    TfrmAllegaCartella dialog{ctx, nullptr};

    QString attached(const QString& name) const {
        return dir.path() + QStringLiteral("/Documenti_Allegati/") + name;
    }
    // A file outside the program directory, ready to be picked.
    QString source(const QString& name, const QByteArray& bytes) const {
        const QString p = elsewhere.path() + QLatin1Char('/') + name;
        writeFile(p, bytes);
        return p;
    }
    QLineEdit* edit(const char* name) const {
        return dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }
    void browse(int slot, const QString& picked) {
        platform.fileAnswers.enqueue(picked);
        button(qPrintable(QStringLiteral("btnSfoglia0%1").arg(slot)))->click();
    }
};

} // namespace

class TestAttachments : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void namesTheArchiveCanHold_data();
    void namesTheArchiveCanHold();
    void layoutAndOpenState();
    void browseCopiesIntoCreatedFolder();
    void existingNameAsksBeforeOverwriting_data();
    void existingNameAsksBeforeOverwriting();
    void cancelledPickChangesNothing();
    void pickFromTheFolderItselfKeepsTheFile();
    void failedAttachKeepsTheSlot_data();
    void failedAttachKeepsTheSlot();
    void refusedNameCopiesNothing_data();
    void refusedNameCopiesNothing();
    void whatIsNotAFileIsRefused_data();
    void whatIsNotAFileIsRefused();
    void noRoomIsRefusedBeforeCopying();
    void largeFileCopiesWithAProgressWindow_data();
    void largeFileCopiesWithAProgressWindow();
    void openHandsTheFileLocation();
    void openMissingFileSaysSo();
    void removeKeepsDescriptionAndFile();
    void applyWritesBackCancelDoesNot();
};

void TestAttachments::namesTheArchiveCanHold_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("problem");
    using P = attachments::AttachmentFolder::NameProblem;
    QTest::newRow("plain") << QStringLiteral("listino 2024.pdf") << int(P::None);
    QTest::newRow("accents and euro") << QStringLiteral("Perché costa 5€.doc") << int(P::None);
    QTest::newRow("250 characters")
        << QString(246, QLatin1Char('a')) + QStringLiteral(".pdf") << int(P::None);
    QTest::newRow("251 characters")
        << QString(247, QLatin1Char('a')) + QStringLiteral(".pdf") << int(P::TooLong);
    QTest::newRow("blanks around are not counted")
        << QStringLiteral("  ") + QString(246, QLatin1Char('a')) + QStringLiteral(".pdf  ")
        << int(P::None);
    QTest::newRow("a question mark is stored as such")
        << QStringLiteral("perché?.txt") << int(P::None);
    QTest::newRow("Polish letter") << QStringLiteral("Łódź.pdf") << int(P::NotStorable);
    QTest::newRow("Chinese") << QStringLiteral("合同.pdf") << int(P::NotStorable);
    QTest::newRow("emoji") << QStringLiteral("foto 😀.jpg") << int(P::NotStorable);
}

void TestAttachments::namesTheArchiveCanHold() {
    QFETCH(QString, name);
    QFETCH(int, problem);
    QCOMPARE(int(attachments::AttachmentFolder::checkName(name)), problem);
}

void TestAttachments::layoutAndOpenState() {
    DialogFixture f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral(" Allega file"));
    for (const char* name : {"btnApri01", "btnApri02", "btnApri03"})
        QVERIFY(!f.button(name)->isEnabled());
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("titFile02"))->text(),
             QStringLiteral("Nome 2° file allegato:"));
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("titDesc03"))->text(),
             QStringLiteral("Descrizione 3° file allegato:"));
    QVERIFY(f.edit("txtFile01")->isReadOnly());

    // The opener's slots come in trimmed; Apri follows the name, blanks counting as none.
    AttachmentSlots held;
    held.files = {QStringLiteral(" listino.pdf "), QStringLiteral("   "), QString()};
    held.descs = {QStringLiteral(" Listino prezzi "), QStringLiteral("Carta d'identità"),
                  QStringLiteral("solo descrizione")};
    f.dialog.prepare(QStringLiteral("fornitori"), held);
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(),
             QStringLiteral("fornitori"));
    QCOMPARE(f.edit("txtFile01")->text(), QStringLiteral("listino.pdf"));
    QCOMPARE(f.edit("txtDesc01")->text(), QStringLiteral("Listino prezzi"));
    QVERIFY(f.button("btnApri01")->isEnabled());
    QVERIFY(!f.button("btnApri02")->isEnabled());
    QVERIFY(!f.button("btnApri03")->isEnabled());

    // Tab walks name, browse, open and description of each slot, then the two buttons (a
    // disabled Apri is passed over).
    held.files = {QStringLiteral("a.pdf"), QStringLiteral("b.pdf"), QStringLiteral("c.pdf")};
    f.dialog.prepare(QStringLiteral("clienti"), held);
    const QStringList order = {u"txtFile01"_s,  u"btnSfoglia01"_s, u"btnApri01"_s, u"txtDesc01"_s,
                               u"txtFile02"_s,  u"btnSfoglia02"_s, u"btnApri02"_s, u"txtDesc02"_s,
                               u"txtFile03"_s,  u"btnSfoglia03"_s, u"btnApri03"_s, u"txtDesc03"_s,
                               u"btnApplica"_s, u"btnAnnulla"_s};
    f.dialog.show();
    QApplication::setActiveWindow(&f.dialog);
    QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
    f.edit("txtFile01")->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    QCOMPARE(f.dialog.findChild<QToolButton*>(QStringLiteral("imgCancella01"))->focusPolicy(),
             Qt::NoFocus);
}

void TestAttachments::browseCopiesIntoCreatedFolder() {
    DialogFixture f;
    const QString picked = f.source(QStringLiteral("carta identità.pdf"), "%PDF-1.4 scan");
    QVERIFY(!QFileInfo::exists(f.dir.path() + QStringLiteral("/Documenti_Allegati")));
    f.browse(1, picked);

    QCOMPARE(f.platform.fileDialogs.size(), 1);
    QCOMPARE(f.platform.fileDialogs[0].caption, QStringLiteral("Selezionare il file da allegare:"));
    QCOMPARE(f.edit("txtFile01")->text(), QStringLiteral("carta identità.pdf"));
    QVERIFY(f.button("btnApri01")->isEnabled());
    QCOMPARE(readFile(f.attached(QStringLiteral("carta identità.pdf"))),
             QByteArray("%PDF-1.4 scan"));
    QCOMPARE(readFile(picked), QByteArray("%PDF-1.4 scan")); // the original stays
    QVERIFY(f.platform.shown.isEmpty());
    // Nothing but the copy lands in the folder.
    QCOMPARE(QDir(f.attached(QString())).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("carta identità.pdf")});
}

void TestAttachments::existingNameAsksBeforeOverwriting_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("inFolder");
    QTest::newRow("Yes replaces") << true << QByteArray("nuovo");
    QTest::newRow("No keeps the older file") << false << QByteArray("vecchio");
}

void TestAttachments::existingNameAsksBeforeOverwriting() {
    QFETCH(bool, yes);
    QFETCH(QByteArray, inFolder);
    DialogFixture f;
    QVERIFY(QDir().mkpath(f.attached(QString())));
    writeFile(f.attached(QStringLiteral("listino.xls")), "vecchio");
    f.platform.answers.enqueue(yes);
    f.browse(2, f.source(QStringLiteral("listino.xls"), "nuovo"));

    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Question);
    QCOMPARE(f.platform.lastText(), kOverwrite);
    // Either way the slot names the file that is now in the folder.
    QCOMPARE(f.edit("txtFile02")->text(), QStringLiteral("listino.xls"));
    QCOMPARE(readFile(f.attached(QStringLiteral("listino.xls"))), inFolder);
}

void TestAttachments::cancelledPickChangesNothing() {
    DialogFixture f;
    AttachmentSlots held;
    held.files[1] = QStringLiteral("contratto.pdf");
    f.dialog.prepare(QStringLiteral("clienti"), held);
    f.button("btnSfoglia01")->click(); // the fake's dialog answers cancel
    f.button("btnSfoglia02")->click();
    QCOMPARE(f.platform.fileDialogs.size(), 2);
    QCOMPARE(f.edit("txtFile01")->text(), QString());
    QCOMPARE(f.edit("txtFile02")->text(), QStringLiteral("contratto.pdf"));
    QVERIFY(f.platform.shown.isEmpty());
    QVERIFY(!QFileInfo::exists(f.attached(QString())));
}

void TestAttachments::pickFromTheFolderItselfKeepsTheFile() {
    DialogFixture f;
    QVERIFY(QDir().mkpath(f.attached(QString())));
    writeFile(f.attached(QStringLiteral("foto.png")), "contenuto");
    f.browse(3, f.attached(QStringLiteral("foto.png")));
    QCOMPARE(f.edit("txtFile03")->text(), QStringLiteral("foto.png"));
    QCOMPARE(readFile(f.attached(QStringLiteral("foto.png"))), QByteArray("contenuto"));
    QVERIFY(f.platform.shown.isEmpty());
}

void TestAttachments::failedAttachKeepsTheSlot_data() {
    QTest::addColumn<bool>("folderBlocked");
    QTest::newRow("folder cannot be created") << true;
    QTest::newRow("file cannot be read") << false;
}

void TestAttachments::failedAttachKeepsTheSlot() {
    QFETCH(bool, folderBlocked);
    DialogFixture f;
    AttachmentSlots held;
    held.files[0] = QStringLiteral("vecchio.pdf");
    f.dialog.prepare(QStringLiteral("magazzino"), held);
    QString picked = f.source(QStringLiteral("nuovo.pdf"), "dati");
    if (folderBlocked)
        writeFile(f.dir.path() + QStringLiteral("/Documenti_Allegati"),
                  "un file, non una cartella");
    else
        picked = f.elsewhere.path() + QStringLiteral("/sparito.pdf");
    f.browse(1, picked);

    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Error);
    QVERIFY(f.platform.lastText().startsWith(
        QStringLiteral("Attenzione: non è stato possibile allegare il file")));
    QCOMPARE(f.edit("txtFile01")->text(), QStringLiteral("vecchio.pdf"));
    if (!folderBlocked)
        QCOMPARE(QDir(f.attached(QString())).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestAttachments::refusedNameCopiesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::newRow("too long") << QString(247, QLatin1Char('x')) + QStringLiteral(".pdf")
                              << QStringLiteral("Attenzione: il nome del file scelto supera");
    QTest::newRow("not Windows-1252") << QStringLiteral("Łódź.pdf")
                                      << QStringLiteral("Attenzione: il nome del file scelto "
                                                        "contiene caratteri");
}

void TestAttachments::refusedNameCopiesNothing() {
    QFETCH(QString, name);
    QFETCH(QString, start);
    DialogFixture f;
    f.browse(1, f.source(name, "dati"));
    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Warning);
    QVERIFY2(f.platform.lastText().startsWith(start), qPrintable(f.platform.lastText()));
    QCOMPARE(f.edit("txtFile01")->text(), QString());
    QVERIFY(!QFileInfo::exists(f.attached(name)));
}

void TestAttachments::whatIsNotAFileIsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << QStringLiteral("pipe");
    QTest::newRow("device") << QStringLiteral("device");
    QTest::newRow("folder") << QStringLiteral("folder");
}

// Picking a pipe or a device used to read it on the screen's thread for ever.
void TestAttachments::whatIsNotAFileIsRefused() {
    QFETCH(QString, kind);
    DialogFixture f;
    AttachmentSlots held;
    held.files[0] = QStringLiteral("vecchio.pdf");
    f.dialog.prepare(QStringLiteral("clienti"), held);
    QString picked = f.elsewhere.path() + QStringLiteral("/tubo");
    if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(picked).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        picked = QStringLiteral("/dev/null");
    else
        QVERIFY(QDir().mkpath(picked));
    f.browse(1, picked);

    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(f.platform.lastText(),
             u"Attenzione: \"%1\" non è un normale file salvato su disco (è una cartella, una "
             u"periferica o un canale di comunicazione) e non può essere allegato.\r\n\r\n"
             u"Scegliere un documento, un'immagine o un altro file salvato su disco."_s.arg(
                 QFileInfo(picked).fileName()));
    QCOMPARE(f.edit("txtFile01")->text(), QStringLiteral("vecchio.pdf"));
    QCOMPARE(QDir(f.attached(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

void TestAttachments::noRoomIsRefusedBeforeCopying() {
    SmallDisk disk;
    DP_REQUIRE_SMALL_DISK(disk);
    QTemporaryDir elsewhere;
    const QString picked = elsewhere.filePath(QStringLiteral("scansione.tif"));
    writeFile(picked, QByteArray(1 << 20, 'S'));
    FakePlatform platform(disk.path());
    AppContext ctx(platform);
    TfrmAllegaCartella dialog(ctx, nullptr);
    QVERIFY(QDir(disk.path()).mkpath(QStringLiteral("Documenti_Allegati")));
    QVERIFY(disk.fill(256 * 1024));

    platform.fileAnswers.enqueue(picked);
    dialog.findChild<QPushButton*>(u"btnSfoglia01"_s)->click();
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(platform.lastText(),
             u"Attenzione: sul disco della cartella dei documenti allegati non c'è spazio libero "
             u"sufficiente per il file \"scansione.tif\".\r\n\r\nIl file non è stato allegato: "
             u"liberare spazio sul disco e riprovare."_s);
    QCOMPARE(dialog.findChild<QLineEdit*>(u"txtFile01"_s)->text(), QString());
    QCOMPARE(QDir(disk.path() + u"/Documenti_Allegati"_s)
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(disk.available() >= 256 * 1024); // not a byte was copied
}

void TestAttachments::largeFileCopiesWithAProgressWindow_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("copied to the end") << false;
    QTest::newRow("cancelled") << true;
}

void TestAttachments::largeFileCopiesWithAProgressWindow() {
    QFETCH(bool, cancel);
    DialogFixture f;
    const QString picked = f.source(QStringLiteral("video.mp4"), "inizio");
    {
        QFile grow(picked);
        QVERIFY(grow.open(QIODevice::ReadWrite));
        QVERIFY(grow.resize(24 << 20)); // sparse: quick to make, as long to copy as any
    }
    bool shown = false;
    const auto watch = watchModal([&](QWidget* w) {
        auto* progress = qobject_cast<QProgressDialog*>(w);
        if (!progress || progress->objectName() != QLatin1String("dlgAvanzamento"))
            return;
        shown = true;
        if (cancel)
            progress->cancel();
    });
    f.browse(1, picked);

    QVERIFY(shown);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.edit("txtFile01")->text(), cancel ? QString() : QStringLiteral("video.mp4"));
    const QStringList left = QDir(f.attached(QString()))
                                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, cancel ? QStringList() : QStringList{QStringLiteral("video.mp4")});
    if (!cancel)
        QCOMPARE(QFileInfo(f.attached(QStringLiteral("video.mp4"))).size(), qint64(24 << 20));
}

void TestAttachments::openHandsTheFileLocation() {
    DialogFixture f;
    // Quotes, an ampersand and a semicolon: a command line would split or run them.
    const QString name = QStringLiteral("offerta \"finale\" & sconto; 10%.pdf");
    f.browse(1, f.source(name, "pdf"));
    f.button("btnApri01")->click();
    QCOMPARE(f.platform.opened.size(), 1);
    const QUrl url(f.platform.opened[0]);
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), f.attached(name));

    // No program on the desktop takes it: the user is told, not left waiting.
    f.platform.openAnswer = false;
    f.button("btnApri01")->click();
    QCOMPARE(f.platform.lastText(),
             QStringLiteral("Attenzione: non è stato possibile aprire il file \"%1\".\n\r\n\r"
                            "Verificare che sul computer sia installato un programma in grado di "
                            "aprire questo tipo di file.")
                 .arg(name));
}

void TestAttachments::openMissingFileSaysSo() {
    DialogFixture f;
    AttachmentSlots held;
    held.files[1] = QStringLiteral("perso.doc");
    held.files[2] = QStringLiteral("../Magazzino.pro"); // a record never holds a path
    writeFile(f.dir.path() + QStringLiteral("/Magazzino.pro"), "");
    f.dialog.prepare(QStringLiteral("clienti"), held);
    for (const char* open : {"btnApri02", "btnApri03"}) {
        f.platform.clear();
        f.button(open)->click();
        QVERIFY(f.platform.opened.isEmpty());
        QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Warning);
    }
    f.platform.clear();
    f.button("btnApri02")->click();
    QCOMPARE(f.platform.lastText(), QStringLiteral("Attenzione: il file \"perso.doc\" non è "
                                                   "presente nella cartella dei documenti "
                                                   "allegati."));
}

void TestAttachments::removeKeepsDescriptionAndFile() {
    DialogFixture f;
    f.browse(1, f.source(QStringLiteral("preventivo.pdf"), "pdf"));
    f.edit("txtDesc01")->setText(QStringLiteral("Preventivo di marzo"));
    f.dialog.findChild<QToolButton*>(QStringLiteral("imgCancella01"))->click();
    QCOMPARE(f.edit("txtFile01")->text(), QString());
    QVERIFY(!f.button("btnApri01")->isEnabled());
    QCOMPARE(f.dialog.slots().descs[0], QStringLiteral("Preventivo di marzo"));
    QCOMPARE(readFile(f.attached(QStringLiteral("preventivo.pdf"))), QByteArray("pdf"));
}

// The opener's hand-over: its slots in, and changed slots out only on apply.
void TestAttachments::applyWritesBackCancelDoesNot() {
    QTemporaryDir dir;
    FakePlatform platform(dir.path());
    AppContext ctx(platform);
    QWidget screen;
    AttachmentSlots held;
    held.files[0] = QStringLiteral("a.pdf ");
    held.descs[1] = QStringLiteral("seconda");

    const QString longDesc(300, QLatin1Char('d'));
    std::optional<AttachmentSlots> chosen;
    for (bool apply : {false, true}) {
        test::whileModal(
            [&] {
                chosen =
                    TfrmAllegaCartella::editSlots(ctx, &screen, QStringLiteral("clienti"), held);
            },
            [&](QWidget* modal) {
                auto* d = qobject_cast<TfrmAllegaCartella*>(modal);
                QVERIFY(d);
                QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("txtFile01"))->text(),
                         QStringLiteral("a.pdf"));
                d->findChild<QToolButton*>(QStringLiteral("imgCancella01"))->click();
                d->findChild<QLineEdit*>(QStringLiteral("txtDesc03"))
                    ->setText(longDesc + QStringLiteral("  "));
                d->findChild<QPushButton*>(apply ? QStringLiteral("btnApplica")
                                                 : QStringLiteral("btnAnnulla"))
                    ->click();
            });
        QCOMPARE(chosen.has_value(), apply);
    }
    AttachmentSlots expected;
    expected.descs[1] = QStringLiteral("seconda");
    // The dialog keeps the whole description; the record cuts it when the sheet is saved.
    expected.descs[2] = longDesc;
    QCOMPARE(*chosen, expected);
}

} // namespace dp::test

QTEST_MAIN(dp::test::TestAttachments)
#include "TestAttachments.moc"
