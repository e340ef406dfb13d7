#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "support/FakePlatform.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/ArchiveSheet.h"
#include "ui/HandBack.h"
#include "ui/ListScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using namespace dp;
using Kind = test::FakePlatform::Kind;

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

// A supplier-shaped sheet: a few controls of each kind show the binding by stem, plain
// boxes stand for the other fields (a field without a control is a warning).
struct Fixture {
    QTemporaryDir dir;
    test::FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    QWidget screen;
    QLineEdit* ditta = new QLineEdit(&screen);
    QComboBox* prov = new QComboBox(&screen);
    QCheckBox* ricontatta = new QCheckBox(&screen);
    QLabel* file01 = new QLabel(&screen);
    QLabel* posizione = new QLabel(&screen);
    ArchiveSheet sheet{ctx, &screen, TSchedaFornitore, posizione};

    Fixture() {
        ditta->setObjectName(QStringLiteral("txtDitta"));
        prov->setObjectName(QStringLiteral("txtProvRes"));
        prov->setEditable(true);
        ricontatta->setObjectName(QStringLiteral("chkRicontatta"));
        file01->setObjectName(QStringLiteral("lblFile01"));
        posizione->setObjectName(QStringLiteral("lblPosizione"));
        const QStringList own = {QStringLiteral("Ditta"), QStringLiteral("ProvRes"),
                                 QStringLiteral("Ricontatta"), QStringLiteral("File01")};
        for (const FieldDef& def : TSchedaFornitore.fields) {
            const QString stem = QString::fromLatin1(def.name.data(), qsizetype(def.name.size()));
            if (!own.contains(stem))
                (new QLineEdit(&screen))->setObjectName(QStringLiteral("txt") + stem);
        }
    }
    QString file() const { return dir.filePath(QStringLiteral("Fornitori.pro")); }
    void store(const QStringList& names) {
        RecordFile f(file(), TSchedaFornitore);
        for (const QString& n : names) {
            Record r(TSchedaFornitore);
            r.setText(Fornitore::Ditta, n);
            r.setText(Fornitore::Ricontatta, kNo);
            f.append(r);
        }
    }
};

// Remembers what a pick handed over.
struct Receiver final : RecordReceiver {
    QList<qint64> positions;
    QStringList names;
    void showRecord(const Record& record, qint64 position) override {
        positions << position;
        names << record.text(Fornitore::Ditta);
    }
};

// The smallest list: its lines are the suppliers' names in file order; a pick hands back the
// record of its row.
class NameList final : public ListScreen {
  public:
    NameList(AppContext& ctx, QString file, const QStringList& lines)
        : ListScreen(ctx, nullptr, kConfig, new QStringListModel(lines)), m_file(std::move(file)) {}
    void btnStampaClick() override {}
    int picks = 0;

  protected:
    void FormShow() override {}
    void pickLine(int row, RecordReceiver& receiver) override {
        ++picks;
        handBackAt(m_file, TSchedaFornitore, row + 1, receiver);
    }

  private:
    static constexpr ListConfig kConfig{"TfrmNomi", " Depotta - Nomi", "Stampa",
                                        HelpTopic::Generale, FindInList::EmptyListReport::Message};
    QString m_file;
};

void doubleClickRow(QListView* view, int row) {
    const QModelIndex index = view->model()->index(row, 0);
    view->setCurrentIndex(index);
    const QPoint at = view->visualRect(index).center();
    // As a user does: the first press selects, the second one is the double click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestArchiveSheet : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void emptyArchiveAtEveryArrow();
    void browsingRules_data();
    void browsingRules();
    void saveAppendsThenRewrites();
    void bindingRoundTrip();
    void flagOtherThanSiNoLeavesTheBox();
    void fieldWithoutControlWarns();
    void failingFileReportsAndKeepsTheSheet();
    void pickHandsBackThePickedRecord();
    void listWithoutReceiverIgnoresDoubleClicks();
};

void TestArchiveSheet::emptyArchiveAtEveryArrow() {
    Fixture f;
    f.sheet.first();
    QVERIFY(QFile::exists(f.file())); // the first look creates the archive
    f.sheet.last();
    f.posizione->setText(QStringLiteral("3"));
    f.sheet.next();
    QCOMPARE(f.posizione->text(), QString());
    f.sheet.previous();
    QCOMPARE(f.platform.shown.size(), 4);
    for (const auto& m : f.platform.shown) {
        QCOMPARE(m.kind, Kind::Information);
        QCOMPARE(m.text, kEmpty);
    }
    f.platform.clear();
    f.posizione->setText(QStringLiteral("1"));
    f.sheet.previous(); // on "1" the previous arrow does nothing, not even on an empty archive
    QVERIFY(f.platform.shown.isEmpty());
}

void TestArchiveSheet::browsingRules_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("step"); // 0 first, 1 previous, 2 next, 3 last
    QTest::addColumn<QString>("to");
    QTest::newRow("first") << "2" << 0 << "1";
    QTest::newRow("last") << "1" << 3 << "3";
    QTest::newRow("next from new sheet") << "" << 2 << "1";
    QTest::newRow("previous from new sheet") << "" << 1 << "1";
    QTest::newRow("next in the middle") << "2" << 2 << "3";
    QTest::newRow("next at the end stays") << "3" << 2 << "3";
    QTest::newRow("previous at the start stays") << "1" << 1 << "1";
    QTest::newRow("previous from 3") << "3" << 1 << "2";
    QTest::newRow("previous from 2") << "2" << 1 << "1";
}

void TestArchiveSheet::browsingRules() {
    QFETCH(QString, from);
    QFETCH(int, step);
    QFETCH(QString, to);
    Fixture f;
    f.store({QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre")});
    f.posizione->setText(from);
    f.ditta->setText(QStringLiteral("unchanged"));
    switch (step) {
    case 0:
        f.sheet.first();
        break;
    case 1:
        f.sheet.previous();
        break;
    case 2:
        f.sheet.next();
        break;
    default:
        f.sheet.last();
        break;
    }
    QCOMPARE(f.posizione->text(), to);
    QVERIFY(f.platform.shown.isEmpty()); // no message at the ends
    const QStringList names{QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre")};
    const bool moved = from != to || from.isEmpty();
    QCOMPARE(f.ditta->text(), moved ? names[to.toInt() - 1] : QStringLiteral("unchanged"));
}

void TestArchiveSheet::saveAppendsThenRewrites() {
    Fixture f;
    f.store({QStringLiteral("Uno")});
    f.ditta->setText(QStringLiteral("Nuova Ditta"));
    QCOMPARE(f.sheet.save(), ArchiveSheet::Saved::Appended);
    QCOMPARE(f.posizione->text(), QStringLiteral("2"));
    f.sheet.reportSaved(ArchiveSheet::Saved::Appended);
    f.ditta->setText(QStringLiteral("Ditta Cambiata"));
    QCOMPARE(f.sheet.save(), ArchiveSheet::Saved::Rewritten);
    f.sheet.reportSaved(ArchiveSheet::Saved::Rewritten);
    QCOMPARE(f.posizione->text(), QStringLiteral("2"));
    QCOMPARE(QFileInfo(f.file()).size(), 2 * 3643);
    QCOMPARE(f.platform.shown.size(), 2);
    QCOMPARE(f.platform.shown[0].text,
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(f.platform.shown[1].text, QStringLiteral("Le modifiche apportate alla scheda corrente "
                                                      "sono state salvate in archivio."));
    RecordFile file(f.file(), TSchedaFornitore);
    QCOMPARE(file.read(2).text(Fornitore::Ditta), QStringLiteral("Ditta Cambiata"));
}

void TestArchiveSheet::bindingRoundTrip() {
    Fixture f;
    f.ditta->setText(QStringLiteral("  Rossi & Figli  "));
    f.prov->setEditText(QStringLiteral("RM"));
    f.ricontatta->setChecked(true);
    f.file01->setText(QStringLiteral("fattura.pdf"));
    const Record r = f.sheet.buildRecord();
    const QByteArray& b = r.bytes();
    QCOMPARE(b.size(), 3643);
    QCOMPARE(b.mid(0, 15), test::field(50, "Rossi & Figli").left(15));
    QCOMPARE(b.mid(274, 3), test::field(2, "RM"));
    QCOMPARE(b.mid(2134, 3), QByteArray("\x02\x53\xEC", 3));
    QCOMPARE(b.mid(2137, 12), test::field(250, "fattura.pdf").left(12));

    Fixture g;
    g.sheet.showRecord(r, 7);
    QCOMPARE(g.ditta->text(), QStringLiteral("Rossi & Figli"));
    QCOMPARE(g.prov->currentText(), QStringLiteral("RM"));
    QVERIFY(g.ricontatta->isChecked());
    QCOMPARE(g.file01->text(), QStringLiteral("fattura.pdf"));
    QCOMPARE(g.posizione->text(), QStringLiteral("7"));
}

void TestArchiveSheet::flagOtherThanSiNoLeavesTheBox() {
    Fixture f;
    Record r(TSchedaFornitore);
    r.setText(Fornitore::Ricontatta, u"X");
    f.ricontatta->setChecked(true);
    f.sheet.showRecord(r, 1);
    QVERIFY(f.ricontatta->isChecked());
    r.setText(Fornitore::Ricontatta, kNo);
    f.sheet.showRecord(r, 1);
    QVERIFY(!f.ricontatta->isChecked());
}

void TestArchiveSheet::fieldWithoutControlWarns() {
    Fixture f;
    delete f.screen.findChild<QLineEdit*>(QStringLiteral("txtNote"));
    QTest::ignoreMessage(QtWarningMsg, "ArchiveSheet: no control for the field Note");
    f.sheet.buildRecord();
    QTest::ignoreMessage(QtWarningMsg, "ArchiveSheet: no control for the field Note");
    f.sheet.showRecord(Record(TSchedaFornitore), 1);
}

void TestArchiveSheet::failingFileReportsAndKeepsTheSheet() {
    Fixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("Fornitori.pro")); // a folder cannot be opened
    f.posizione->setText(QStringLiteral("4"));
    test::expectStorageLog(QStringLiteral("Fornitori.pro"));
    QCOMPARE(f.sheet.save(), ArchiveSheet::Saved::Failed);
    test::expectStorageLog(QStringLiteral("Fornitori.pro"));
    f.sheet.first();
    QCOMPARE(f.posizione->text(), QStringLiteral("4"));
    QCOMPARE(f.platform.shown.size(), 2);
    for (const auto& m : f.platform.shown) {
        QCOMPARE(m.kind, Kind::Error);
        QCOMPARE(m.text, QStringLiteral("Attenzione: il sistema non permette di accedere "
                                        "all'archivio.\n\r\n\rAccertarsi di possedere i privilegi "
                                        "di scrittura nella cartella di installazione del "
                                        "programma."));
    }
}

void TestArchiveSheet::pickHandsBackThePickedRecord() {
    Fixture f;
    f.store({QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("Rossi")});
    NameList list(f.ctx, f.file(),
                  {QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("Rossi")});
    Receiver receiver;
    list.setReceiver(&receiver);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    doubleClickRow(list.list(), 2);
    QCOMPARE(list.picks, 1);
    // The record of the line clicked, not the first with an equal line.
    QCOMPARE(receiver.positions, (QList<qint64>{3}));
    QCOMPARE(receiver.names, (QStringList{u"Rossi"_s}));
    QVERIFY(!list.isVisible());

    // With the archive gone, nothing is handed over and the caller hears of it.
    Receiver none;
    QVERIFY_THROWS_EXCEPTION(
        StorageError,
        handBackAt(f.dir.filePath(QStringLiteral("no/such/dir/F.pro")), TSchedaFornitore, 1, none));
    QVERIFY(none.positions.isEmpty());
}

void TestArchiveSheet::listWithoutReceiverIgnoresDoubleClicks() {
    Fixture f;
    NameList list(f.ctx, f.file(), {QStringLiteral("Bianchi")});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    doubleClickRow(list.list(), 0);
    QCOMPARE(list.picks, 0);
    QVERIFY(list.isVisible());
}

QTEST_MAIN(TestArchiveSheet)
#include "TestArchiveSheet.moc"
