#include "storage/FixedText.h"
#include "storage/Layouts.h"
#include "storage/OsFile.h"
#include "storage/RecordFile.h"
#include "storage/RecordReader.h"
#include "storage/Rollback.h"
#include "storage/Win1252.h"
#include "support/LockHolder.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace dp;
using dp::test::field;

class TestStorage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void codecStore_data();
    void codecStore();
    void codecReadsDamagedLength();
    void codecReadsFlagBytes();
    void win1252RoundTrip();
    void layoutOffsetsByName();
    void appendReadRewrite();
    void missingFileIsCreatedEmpty();
    void strayBytesAreOverwrittenByAppend();
    void readBeyondEndFails();
    void scanVisitsEveryRecordAcrossBlocks();
    void scanWorksOnTheCountItBeganWith();
    void readerServesTheRecordsItWasOpenedWith();
    void readerLocksEachReadOnly();
    void unwritableDirectoryFailsEveryOperation();
    void locksKeepWritersApart_data();
    void locksKeepWritersApart();
    void rewriteCutShortIsWhollyOldOrNew();
    void everyOpenerPutsBackACutRewrite_data();
    void everyOpenerPutsBackACutRewrite();
    void onlyAWholeSideFileIsPutBack_data();
    void onlyAWholeSideFileIsPutBack();
    void lockWaitsAreTold_data();
    void lockWaitsAreTold();
};

void TestStorage::codecStore_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("trimmed both ends")
        << 10 << QStringLiteral("  mario  ") << field(10, "mario") << QStringLiteral("mario");
    QTest::newRow("control chars trimmed")
        << 10 << QStringLiteral("\t\r\nab\x01") << field(10, "ab") << QStringLiteral("ab");
    QTest::newRow("cut to width") << 5 << QStringLiteral("abcdefgh") << field(5, "abcde")
                                  << QStringLiteral("abcde");
    QTest::newRow("cut ends in blank")
        << 4 << QStringLiteral("abc def") << field(4, "abc ") << QStringLiteral("abc");
    QTest::newRow("flag Si") << 2 << QStringLiteral("S\u00EC") << field(2, "S\xEC")
                             << QStringLiteral("S\u00EC");
    QTest::newRow("euro is 0x80") << 5 << QStringLiteral("\u20AC 5") << field(5, "\x80 5")
                                  << QStringLiteral("\u20AC 5");
    QTest::newRow("unmappable becomes ?")
        << 5 << QStringLiteral("a\u0141b") << field(5, "a?b") << QStringLiteral("a?b");
    QTest::newRow("surrogate pair one ?")
        << 5 << QStringLiteral("x\U0001F600y") << field(5, "x?y") << QStringLiteral("x?y");
    QTest::newRow("empty") << 3 << QString() << field(3, "") << QString();
}

void TestStorage::codecStore() {
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    QByteArray buf(width + 1, '\x55');
    fixedtext::store(buf.data(), width, text);
    QCOMPARE(buf, bytes);
    QCOMPARE(fixedtext::load(buf.constData(), width), readBack);
}

void TestStorage::codecReadsDamagedLength() {
    // Length byte 200 in a field of width 3, followed by the next field: read only 3 bytes.
    QByteArray rec = field(3, "abc", 200) + field(2, "zz");
    QCOMPARE(fixedtext::load(rec.constData(), 3), QStringLiteral("abc"));
    QCOMPARE(fixedtext::load(rec.constData() + 4, 2), QStringLiteral("zz"));
}

void TestStorage::codecReadsFlagBytes() {
    const QByteArray si("\x02\x53\xEC", 3);
    const QByteArray no("\x02\x4E\x6F", 3);
    QCOMPARE(fixedtext::load(si.constData(), 2), kSi);
    QCOMPARE(fixedtext::load(no.constData(), 2), kNo);
}

void TestStorage::win1252RoundTrip() {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QCOMPARE(win1252::encode(win1252::decode(all.constData(), all.size())), all);
    QCOMPARE(win1252::decode("\x9C\xE0", 2), QStringLiteral("\u0153\u00E0"));
}

void TestStorage::layoutOffsetsByName() {
    Record r(TSchedaProdotto);
    r.setText(QStringLiteral("Prezzo"), QStringLiteral("12,50"));
    QCOMPARE(r.bytes().mid(980, 6), field(12, "12,50").left(6));
    QCOMPARE(r.text(Prodotto::Prezzo), QStringLiteral("12,50"));
    QCOMPARE(TSchedaCliente.indexOf(u"CodiceDest"), int(Cliente::CodiceDest));
    QCOMPARE(TSchedaFornitore.indexOf(u"Nope"), -1);
}

void TestStorage::appendReadRewrite() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    Record a(TSchedaCliente);
    a.setText(Cliente::Cognome, u"Rossi");
    {
        RecordFile f(path, TSchedaCliente, RecordFile::Lock::Exclusive);
        QCOMPARE(f.append(a), 1);
        a.setText(Cliente::Cognome, u"Bianchi");
        QCOMPARE(f.append(a), 2);
        a.setText(Cliente::Cognome, u"Verdi");
        QCOMPARE(f.rewrite(1, a), 1);
    }
    QCOMPARE(QFileInfo(path).size(), 2 * 3151);
    RecordFile f(path, TSchedaCliente);
    QCOMPARE(f.count(), 2);
    QCOMPARE(f.read(1).text(Cliente::Cognome), QStringLiteral("Verdi"));
    QCOMPARE(f.read(2).text(Cliente::Cognome), QStringLiteral("Bianchi"));
}

void TestStorage::missingFileIsCreatedEmpty() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    {
        RecordFile f(path, TSchedaProdotto);
        QCOMPARE(f.count(), 0);
    }
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestStorage::strayBytesAreOverwrittenByAppend() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("j.pro"));
    Record m(TMovimento);
    m.setText(Movimento::Codice, u"A");
    QByteArray content = m.bytes() + m.bytes() + QByteArray(100, 'x');
    test::writeFile(path, content);
    RecordFile f(path, TMovimento, RecordFile::Lock::Exclusive);
    QCOMPARE(f.count(), 2);
    m.setText(Movimento::Codice, u"B");
    QCOMPARE(f.append(m), 3);
    f.close();
    const QByteArray after = test::readFile(path);
    QCOMPARE(after.size(), 3 * 462);
    QCOMPARE(after.mid(2 * 462), m.bytes());
}

void TestStorage::readBeyondEndFails() {
    QTemporaryDir dir;
    RecordFile f(dir.filePath(QStringLiteral("x.pro")), TMovimento, RecordFile::Lock::Exclusive);
    QVERIFY_THROWS_EXCEPTION(StorageError, f.read(1));
    QVERIFY_THROWS_EXCEPTION(StorageError, f.rewrite(1, Record(TMovimento)));
}

void TestStorage::scanVisitsEveryRecordAcrossBlocks() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.pro"));
    // Enough records to span several read blocks, plus a short tail that must be ignored.
    const int n = 20000;
    QByteArray content;
    content.reserve(qsizetype(n) * 462 + 10);
    Record m(TMovimento);
    for (int i = 0; i < n; ++i) {
        m.setText(Movimento::Aggiunta, QString::number(i));
        content += m.bytes();
    }
    content += QByteArray(10, 'z');
    test::writeFile(path, content);
    RecordFile f(path, TMovimento);
    qint64 seen = 0;
    bool ordered = true;
    f.scan([&](const RecordView& v, qint64 pos) {
        ordered = ordered && v.text(Movimento::Aggiunta) == QString::number(pos - 1);
        ++seen;
        return true;
    });
    QCOMPARE(seen, n);
    QVERIFY(ordered);
}

void TestStorage::scanWorksOnTheCountItBeganWith() {
    // A program that does not lock (an older copy on another workstation) appends while the
    // list is being made: after the scan has counted, when the caller sizes its buffers, and
    // while it reads.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Operazioni_Carico.pro"));
    const Record m(TMovimento);
    QFile other(path);
    QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Append));
    for (int i = 0; i < 3; ++i)
        other.write(m.bytes());
    other.flush();
    auto append = [&] {
        other.write(m.bytes());
        other.flush();
    };
    RecordFile f(path, TMovimento, RecordFile::Lock::Shared);
    qint64 sized = -1;
    qint64 seen = 0;
    const qint64 scanned = f.scan(
        [&](qint64 count) {
            sized = count;
            append();
        },
        [&](const RecordView&, qint64) {
            append();
            ++seen;
            return true;
        });
    QCOMPARE(sized, 3);
    QCOMPARE(seen, 3);
    QCOMPARE(scanned, 3);
    QCOMPARE(f.count(), 7);
}

void TestStorage::readerServesTheRecordsItWasOpenedWith() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("j.pro"));
    // Enough records for more blocks than the reader keeps, so that blocks are read again.
    const int n = 12000;
    QByteArray content;
    Record m(TMovimento);
    for (int i = 0; i < n; ++i) {
        m.setText(Movimento::Aggiunta, QString::number(i));
        content += m.bytes();
    }
    test::writeFile(path, content);
    RecordReader reader(path, TMovimento, n - 2);
    QCOMPARE(reader.count(), n - 2);
    RecordFile(path, TMovimento, RecordFile::Lock::Exclusive).append(m); // never served
    auto at = [&](qint64 index) {
        const char* r = reader.record(index);
        return r ? RecordView(TMovimento, r).text(Movimento::Aggiunta) : QStringLiteral("-");
    };
    for (qint64 index : {0, 11997, 1133, 1134, 5000, 0, 11997, 7})
        QCOMPARE(at(index), QString::number(index));
    bool ordered = true;
    for (qint64 i = 0; i < reader.count(); ++i)
        ordered = ordered && at(i) == QString::number(i);
    QVERIFY(ordered);
    QCOMPARE(at(n - 2), QStringLiteral("-"));
    QCOMPARE(at(-1), QStringLiteral("-"));
    // A count beyond the file is cut to its records.
    QCOMPARE(RecordReader(path, TMovimento, 1 << 30).count(), n + 1);
    QVERIFY_THROWS_EXCEPTION(
        StorageError, RecordReader(dir.filePath(QStringLiteral("manca.pro")), TMovimento, 1));
}

// Each read of a lazy list holds the shared lock for that read alone: a writer's lock keeps
// it out (busy, after the usual wait), and between reads the writers are free.
void TestStorage::readerLocksEachReadOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    Record p(TSchedaProdotto);
    QByteArray content;
    for (const char* code : {"A", "B", "C"}) {
        p.setText(Prodotto::Codice, QString::fromLatin1(code));
        content += p.bytes();
    }
    test::writeFile(path, content);
    RecordFile::setLockWait(std::chrono::milliseconds(150));
    RecordReader reader(path, TSchedaProdotto, 3, RecordReader::Access::Random);
    auto code = [&](qint64 index) {
        const char* r = reader.record(index);
        return r ? RecordView(TSchedaProdotto, r).text(Prodotto::Codice) : QStringLiteral("-");
    };
    QCOMPARE(code(0), QStringLiteral("A"));
    {
        // Free between reads: a save goes through at once.
        RecordFile writer(path, TSchedaProdotto, RecordFile::Lock::Exclusive);
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(code(1), QStringLiteral("-"));
        QVERIFY(waited.elapsed() >= 100);
        QVERIFY(reader.failed());
        QVERIFY(reader.busy());
    }
    {
        const RecordFile other(path, TSchedaProdotto, RecordFile::Lock::Shared);
        QCOMPARE(code(1), QStringLiteral("B"));
    }
    QCOMPARE(code(2), QStringLiteral("C"));
    RecordFile::setLockWait(std::chrono::milliseconds(5000));
}

void TestStorage::unwritableDirectoryFailsEveryOperation() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("Magazzino.pro"));
    test::writeFile(existing, Record(TSchedaProdotto).bytes());
    const test::ScopedPermissions readOnlyFile(existing, QFile::ReadOwner | QFile::ReadGroup |
                                                             QFile::ReadOther);
    {
        const test::ScopedPermissions readOnlyFolder(dir.path(), test::kReadOnlyFolder);
        test::Unprivileged asUser;
        // A missing file cannot be created, an existing one cannot be opened for writing.
        QVERIFY_THROWS_EXCEPTION(
            StorageError, RecordFile(dir.filePath(QStringLiteral("Clienti.pro")), TSchedaCliente));
        QVERIFY_THROWS_EXCEPTION(StorageError, RecordFile(existing, TSchedaProdotto));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Clienti.pro"))));
}

void TestStorage::locksKeepWritersApart_data() {
    QTest::addColumn<bool>("heldExclusive");
    QTest::addColumn<bool>("wantExclusive");
    QTest::addColumn<bool>("busy");
    QTest::newRow("readers share") << false << false << false;
    QTest::newRow("writer waits for a reader") << false << true << true;
    QTest::newRow("reader waits for a writer") << true << false << true;
    QTest::newRow("writer waits for a writer") << true << true << true;
}

void TestStorage::locksKeepWritersApart() {
    // A second opening in this same process stands for another program: the locks belong to
    // the opening, not to the process.
    QFETCH(bool, heldExclusive);
    QFETCH(bool, wantExclusive);
    QFETCH(bool, busy);
    using Lock = RecordFile::Lock;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("j.pro"));
    RecordFile::setLockWait(std::chrono::milliseconds(150));
    QElapsedTimer waited;
    {
        RecordFile held(path, TMovimento, heldExclusive ? Lock::Exclusive : Lock::Shared);
        waited.start();
        if (busy) {
            QVERIFY_THROWS_EXCEPTION(
                ArchiveBusy,
                RecordFile(path, TMovimento, wantExclusive ? Lock::Exclusive : Lock::Shared));
            QVERIFY(waited.elapsed() >= 150);
        } else {
            RecordFile again(path, TMovimento, wantExclusive ? Lock::Exclusive : Lock::Shared);
            QCOMPARE(again.count(), 0);
        }
    }
    // Closing releases the lock at once.
    RecordFile after(path, TMovimento, Lock::Exclusive);
    QCOMPARE(after.append(Record(TMovimento)), 1);
    RecordFile::setLockWait(std::chrono::milliseconds(5000));
}

// A rewrite cut short at any byte, as by a crash, reads back wholly old once the archive is
// opened again; only a rewrite that returned reads back wholly new. The cut walks the bytes in
// steps; DEPOTTA_TEST_SCALE=53 or more tries every byte.
void TestStorage::rewriteCutShortIsWhollyOldOrNew() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    // Every field full, so that every byte but the length bytes differs between the two.
    auto filled = [](char fill) {
        Record r(TSchedaProdotto);
        for (int f = 0; f < TSchedaProdotto.fieldCount(); ++f)
            r.setText(f, QString(TSchedaProdotto.width(f), QLatin1Char(fill)));
        return r.bytes();
    };
    const QByteArray first = filled('a'), old = filled('o'), last = filled('z');
    const Record newer(TSchedaProdotto, filled('n'));
    const qint64 step = qMax(1, 53 / qMax(1, qEnvironmentVariableIntValue("DEPOTTA_TEST_SCALE")));
    bool returned = false;
    for (qint64 cut = 0; !returned; cut += step) {
        test::writeFile(path, first + old + last);
        RecordFile::cutWritesAfter(cut);
        try {
            RecordFile f(path, TSchedaProdotto);
            f.rewrite(2, newer);
            returned = true;
        } catch (const StorageError&) {
        }
        RecordFile::cutWritesAfter(-1);
        RecordFile f(path, TSchedaProdotto, RecordFile::Lock::Shared);
        const QByteArray second = f.read(2).bytes();
        const QString at = QStringLiteral("cut after %1 bytes").arg(cut);
        QVERIFY2(second == (returned ? newer.bytes() : old),
                 qPrintable(at + QStringLiteral(": %1 bytes of the new record")
                                     .arg(std::count_if(second.begin(), second.end(),
                                                        [](char c) { return c == 'n'; }))));
        QVERIFY2(f.count() == 3 && f.read(1).bytes() == first && f.read(3).bytes() == last,
                 qPrintable(at));
    }
}

namespace {

// Three products, the second torn as a crash leaves it: its first half new, the rest old.
struct TornArchive {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    QByteArray first = QByteArray(2502, 'a'), old = QByteArray(2502, 'o'),
               torn = QByteArray(1251, 'n') + QByteArray(1251, 'o'), last = QByteArray(2502, 'z');
    TornArchive() { test::writeFile(path, first + torn + last); }
    QByteArray oldEntry() const { return rollback::encode({2502, 3 * 2502, old}); }
    QByteArray second() const { return test::readFile(path).mid(2502, 2502); }
};

} // namespace

void TestStorage::everyOpenerPutsBackACutRewrite_data() {
    QTest::addColumn<int>("opener");
    QTest::newRow("writer") << 0;
    QTest::newRow("reader") << 1;
    QTest::newRow("list") << 2;
    QTest::newRow("backup") << 3;
}

void TestStorage::everyOpenerPutsBackACutRewrite() {
    QFETCH(int, opener);
    TornArchive a;
    const QString side = a.dir.filePath(QStringLiteral("Magazzino.pro-rollback"));
    test::writeFile(side, a.oldEntry());
    switch (opener) {
    case 0:
        QCOMPARE(RecordFile(a.path, TSchedaProdotto).read(2).bytes(), a.old);
        break;
    case 1:
        QCOMPARE(RecordFile(a.path, TSchedaProdotto, RecordFile::Lock::Shared).read(2).bytes(),
                 a.old);
        break;
    case 2: {
        const RecordReader reader(a.path, TSchedaProdotto, 3);
        QCOMPARE(QByteArray(reader.record(1), 2502), a.old);
        break;
    }
    case 3:
        rollback::settle(a.path);
        break;
    }
    QCOMPARE(a.second(), a.old);
    // Emptied, not deleted: the next opening has nothing to do.
    QVERIFY(QFile::exists(side));
    QCOMPARE(QFileInfo(side).size(), 0);
    test::writeFile(a.path, a.first + a.torn + a.last);
    RecordFile(a.path, TSchedaProdotto).close();
    QCOMPARE(a.second(), a.torn);
}

// A side file cut short while it was written (the rewrite had not begun), damaged, or not
// made for this archive is never put back, only emptied.
void TestStorage::onlyAWholeSideFileIsPutBack_data() {
    QTest::addColumn<int>("damage");
    QTest::addColumn<bool>("putBack");
    QTest::newRow("whole") << 0 << true;
    QTest::newRow("last byte missing") << 1 << false;
    QTest::newRow("a byte of the record changed") << 2 << false;
    QTest::newRow("a byte of the checksum changed") << 3 << false;
    QTest::newRow("made for an archive of another size") << 4 << false;
    QTest::newRow("beyond the end") << 5 << false;
    QTest::newRow("zeros") << 6 << false;
}

void TestStorage::onlyAWholeSideFileIsPutBack() {
    QFETCH(int, damage);
    QFETCH(bool, putBack);
    TornArchive a;
    QByteArray entry = a.oldEntry();
    switch (damage) {
    case 1:
        entry.chop(1);
        break;
    case 2:
        entry[entry.size() - 32 - 100] = 'x';
        break;
    case 3:
        entry[entry.size() - 1] = char(entry[entry.size() - 1] ^ 1);
        break;
    case 4:
        entry = rollback::encode({2502, 4 * 2502, a.old});
        break;
    case 5:
        entry = rollback::encode({3 * 2502, 3 * 2502, a.old});
        break;
    case 6:
        entry.fill('\0');
        break;
    }
    test::writeFile(rollback::pathFor(a.path), entry);
    RecordFile f(a.path, TSchedaProdotto, RecordFile::Lock::Shared);
    QCOMPARE(f.count(), 3);
    QCOMPARE(f.read(2).bytes(), putBack ? a.old : a.torn);
    QCOMPARE(f.read(1).bytes(), a.first);
    QCOMPARE(f.read(3).bytes(), a.last);
    QCOMPARE(QFileInfo(rollback::pathFor(a.path)).size(), 0);
}

namespace {
QList<bool> g_told; // what the lock-wait hook was told, in order
}

// The process-wide hook hears of a wait when the first try meets another holder's lock, and
// of its end however it ends; an opening that does not wait tells nothing.
void TestStorage::lockWaitsAreTold_data() {
    QTest::addColumn<int>("heldMs"); // 0: not held
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QList<bool>>("told");
    QTest::newRow("free") << 0 << 5000 << true << QList<bool>{};
    QTest::newRow("held for a while") << 300 << 5000 << true << QList<bool>{true, false};
    QTest::newRow("held beyond the wait") << 600 << 150 << false << QList<bool>{true, false};
    QTest::newRow("only tried") << 300 << 0 << false << QList<bool>{};
}

void TestStorage::lockWaitsAreTold() {
    QFETCH(int, heldMs);
    QFETCH(int, waitMs);
    QFETCH(bool, opens);
    QFETCH(QList<bool>, told);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    test::writeFile(path, Record(TSchedaCliente).bytes());
    g_told.clear();
    osfile::setWaitHook([](bool waiting) { g_told << waiting; });
    RecordFile::setLockWait(std::chrono::milliseconds(waitMs));
    {
        std::optional<test::LockHolder> held;
        if (heldMs)
            held.emplace(path, std::chrono::milliseconds(waitMs))
                .releaseAfter(std::chrono::milliseconds(heldMs));
        if (opens) {
            QCOMPARE(RecordFile(path, TSchedaCliente, RecordFile::Lock::Shared).count(), 1);
        } else {
            QVERIFY_THROWS_EXCEPTION(ArchiveBusy, RecordFile(path, TSchedaCliente));
        }
    }
    osfile::setWaitHook(nullptr);
    RecordFile::setLockWait(std::chrono::milliseconds(5000));
    QCOMPARE(g_told, told);
}

QTEST_GUILESS_MAIN(TestStorage)
#include "TestStorage.moc"
