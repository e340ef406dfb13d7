#include "storage/FixedText.h"
#include "storage/KeptLines.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/RecordRows.h"
#include "support/FakePlatform.h"
#include "support/LockHolder.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/FindInList.h"
#include "ui/LineListModel.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

using namespace dp;
using dp::test::FakePlatform;

namespace {

// How the list's lines are held: kept, made from records when asked for (as the movement
// summaries do), or in any other model.
enum class Lines { Kept, FromRecords, AnyModel };

// Lines kept in the note field of movement records, made by a format as the summaries do.
class NoteFormat final : public RecordFormat {
  public:
    void write(const char* record, qint64, int, QByteArray& out) const override {
        const char* f = record + TMovimento.offset(Movimento::Note);
        out.append(f + 1, fixedtext::length(f, TMovimento.width(Movimento::Note)));
    }
};

// A list with its find field and button, as the list screens have them.
struct Harness {
    explicit Harness(Lines kind, const QStringList& lines,
                     FindInList::EmptyListReport report = FindInList::EmptyListReport::Message)
        : fake(dir.path()), ctx(fake) {
        auto* layout = new QVBoxLayout(&window);
        list = new QListView(&window);
        key = new QLineEdit(&window);
        button = new QPushButton(QStringLiteral("Trova"), &window);
        layout->addWidget(list);
        layout->addWidget(key);
        layout->addWidget(button);
        if (kind == Lines::AnyModel) {
            list->setModel(new QStringListModel(lines, &window));
        } else {
            auto* m = new LineListModel(&window);
            if (kind == Lines::Kept) {
                m->setLines(lines);
            } else {
                const QString path = dir.filePath(QStringLiteral("righe.pro"));
                RecordFile file(path, TMovimento);
                for (const QString& l : lines) {
                    Record r(TMovimento);
                    r.setText(Movimento::Note, l);
                    file.append(r);
                }
                m->setRows(std::make_shared<RecordRows>(
                    std::make_shared<RecordReader>(path, TMovimento, lines.size()),
                    std::make_shared<NoteFormat>()));
            }
            list->setModel(m);
        }
        find = new FindInList(ctx, list, key, button, report);
    }
    int press(const QString& typed) {
        key->setText(typed);
        QTest::mouseClick(button, Qt::LeftButton);
        return selected();
    }
    int selected() const {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void select(int row) {
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }

    QTemporaryDir dir;
    FakePlatform fake;
    AppContext ctx;
    QWidget window;
    QListView* list;
    QLineEdit* key;
    QPushButton* button;
    FindInList* find;
};

const QStringList kLines = {
    QStringLiteral("Mario Rossi     Roma"),   QStringLiteral("Luca Bianchi   Milano"),
    QStringLiteral("Anna ROSSI      Torino"), QStringLiteral("Paolo Verdi    Bari"),
    QStringLiteral("rossini  caffè  € 2,50"),
};

} // namespace

Q_DECLARE_METATYPE(Lines)

class TestFindInList : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void modelIsSound();
    void walk_data();
    void walk();
    void emptyListIsReported();
    void enterMovesToTheButton();
    void paintingNeverWaitsForALock();
    void findAfterAFailureStartsClean();
};

void TestFindInList::modelIsSound() {
    LineListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setLines(kLines);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.lines(), kLines);
    QCOMPARE(model.index(4, 0).data().toString(),
             kLines[4]); // accented letter and euro sign survive
    model.setItemSize(QSize(1600, 20));
    QCOMPARE(model.index(0, 0).data(Qt::SizeHintRole).toSize(), QSize(1600, 20));
    // Lines handed over as Windows-1252 bytes, as the scans build them.
    auto kept = std::make_shared<KeptLines>();
    for (const char* l : {"ab", "\x80", "xyz"})
        kept->append(QByteArrayView(l));
    model.setRows(kept);
    QCOMPARE(model.lines(), (QStringList{u"ab"_s, u"€"_s, u"xyz"_s}));
    QVERIFY(model.lineContains(2, byteKey(u"yz")));
    QVERIFY(!model.lineContains(2, byteKey(u"")));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TestFindInList::walk_data() {
    QTest::addColumn<Lines>("kind");
    QTest::addColumn<int>("initial"); // selected row before the first press, -1 for none
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<int>>("selected"); // after each press

    for (Lines kind : {Lines::Kept, Lines::FromRecords, Lines::AnyModel}) {
        const char* m = kind == Lines::Kept          ? "kept lines: "
                        : kind == Lines::FromRecords ? "lines from records: "
                                                     : "any model: ";
        auto row = [m](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QString::fromLatin1(m) + QLatin1String(name)));
        };
        row("new key starts at the top although a later line is selected")
            << kind << 3 << QStringList{u"rossi"_s} << QList<int>{0};
        row("same key moves on and wraps past the end")
            << kind << -1 << QStringList{u"rossi"_s, u"rossi"_s, u"rossi"_s, u"rossi"_s}
            << QList<int>{0, 2, 4, 0};
        row("only one match: the same key stays on it")
            << kind << -1 << QStringList{u"verdi"_s, u"verdi"_s} << QList<int>{3, 3};
        row("another key starts from the top again")
            << kind << -1 << QStringList{u"rossi"_s, u"rossi"_s, u"bianchi"_s, u"rossi"_s}
            << QList<int>{0, 2, 1, 0};
        row("no match keeps the selection")
            << kind << 2 << QStringList{u"napoli"_s} << QList<int>{2};
        row("empty key matches nothing; the first line gets selected")
            << kind << -1 << QStringList{u""_s, u""_s} << QList<int>{0, 0};
        row("upper-case key is folded") << kind << -1 << QStringList{u"ROSSI"_s} << QList<int>{0};
        row("blank is part of the key") << kind << -1 << QStringList{u"rossi "_s} << QList<int>{0};
        row("accented capital does not fold")
            << kind << 1 << QStringList{u"CAFFÈ"_s} << QList<int>{1};
        row("accented and euro match as typed")
            << kind << 1 << QStringList{u"caffè  €"_s} << QList<int>{4};
        row("character no line can hold") << kind << 1 << QStringList{u"ł"_s} << QList<int>{1};
    }
}

void TestFindInList::walk() {
    QFETCH(Lines, kind);
    QFETCH(int, initial);
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, selected);
    Harness h(kind, kLines);
    h.find->reset();
    if (initial >= 0)
        h.select(initial);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(h.press(keys[i]), selected[i]);
    QVERIFY(h.fake.shown.isEmpty());
}

void TestFindInList::emptyListIsReported() {
    const QString text =
        QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
    Harness plain(Lines::Kept, {});
    plain.press(QStringLiteral("x"));
    QCOMPARE(plain.fake.shown.size(), 1);
    QCOMPARE(plain.fake.lastKind(), FakePlatform::Kind::Message);
    QCOMPARE(plain.fake.lastText(), text);

    Harness info(Lines::AnyModel, {}, FindInList::EmptyListReport::Information);
    info.press(QStringLiteral("x"));
    QCOMPARE(info.fake.lastKind(), FakePlatform::Kind::Information);
    QCOMPARE(info.fake.lastText(), text);
}

void TestFindInList::enterMovesToTheButton() {
    Harness h(Lines::Kept, kLines);
    h.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    h.key->setFocus();
    QTest::keyClicks(h.key, QStringLiteral("rossi"));
    QTest::keyClick(h.key, Qt::Key_Return);
    QCOMPARE(h.selected(), -1);
    QVERIFY(h.button->hasFocus());
    h.find->reset();
    QVERIFY(h.key->text().isEmpty());
}

// The view never waits for a lock while it paints: a row whose file another workstation keeps
// locked shows at once as not yet read, and fills in when the lock is let go. A lock that
// short is no failure to tell.
void TestFindInList::paintingNeverWaitsForALock() {
    Harness h(Lines::FromRecords, kLines);
    auto* model = static_cast<LineListModel*>(h.list->model());
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy failed(model, &LineListModel::rowsFailed);
    test::LockHolder other(h.dir.filePath(u"righe.pro"_s), std::chrono::milliseconds(2000));
    QElapsedTimer clock;
    clock.start();
    const QString shown = model->index(1, 0).data().toString();
    QVERIFY2(clock.elapsed() < 100, qPrintable(u"data() took %1 ms"_s.arg(clock.elapsed())));
    QCOMPARE(shown, u"\u2026"_s);
    other.release();
    QTRY_VERIFY(!changed.isEmpty());
    QCOMPARE(model->index(1, 0).data().toString(), kLines[1]);
    QCOMPARE(failed.size(), 0);
}

// Each "Trova" starts clean: after a walk that met the file locked, the next one waits for the
// lock again (let go here while it waits) and finds the line instead of blank lines.
void TestFindInList::findAfterAFailureStartsClean() {
    Harness h(Lines::FromRecords, kLines);
    auto* model = static_cast<LineListModel*>(h.list->model());
    QSignalSpy failed(model, &LineListModel::rowsFailed);
    test::LockHolder other(h.dir.filePath(u"righe.pro"_s), std::chrono::milliseconds(400));
    QCOMPARE(h.press(u"bianchi"_s), 0); // nothing found; the first line selected
    QCOMPARE(failed.size(), 1);
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        osfile::unlock(other.handle());
    });
    const int found = h.press(u"bianchi"_s);
    letGo.join();
    QCOMPARE(found, 1);
}

QTEST_MAIN(TestFindInList)
#include "TestFindInList.moc"
