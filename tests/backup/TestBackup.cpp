#include "backup/Backup.h"
#include "storage/OsFile.h"
#include "storage/RecordFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <zip.h>

using namespace dp;
using namespace dp::backup;

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The data of a small program directory: every kind of file a backup holds.
const QList<QPair<QString, QByteArray>> kData = {
    {QStringLiteral("Magazzino.pro"), QByteArray(2502 * 2, 'M')},
    {QStringLiteral("Clienti.pro"), QByteArray(3151, 'C')},
    {QStringLiteral("Operazioni_Carico.pro"), QByteArray("\x05"
                                                         "AB-12",
                                                         6) +
                                                  QByteArray(456, ' ')},
    {QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=6403E729831D56\r\n")},
    {QStringLiteral("Schedario/Prodotto_1.jpg"), QByteArray("\xFF\xD8\xFF\xE0 jpeg", 9)},
    {QStringLiteral("Documenti_Allegati/fattura n. 3 \u00E8.pdf"), QByteArray("%PDF-1.4")},
};

const QDateTime kWhen(QDate(2026, 12, 10), QTime(9, 5, 7));

// A zip holding `entries` and the manifest given, built without the code under test.
void makeZip(const QString& path, const QList<QPair<QByteArray, QByteArray>>& entries) {
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    QVERIFY(z);
    for (const auto& e : entries) {
        zip_source_t* s =
            zip_source_buffer_create(e.second.constData(), e.second.size(), 0, nullptr);
        QVERIFY(zip_file_add(z, e.first.constData(), s, ZIP_FL_ENC_UTF_8) >= 0);
    }
    QCOMPARE(zip_close(z), 0);
}

QByteArray sha(const QByteArray& b) {
    return QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex();
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program, m_target, m_other;

    void fill(const QString& dir) {
        for (const auto& [rel, bytes] : kData)
            put(QDir(dir).filePath(rel), bytes);
    }

  private Q_SLOTS:
    void init() {
        const QString base = m_dir.path() + QStringLiteral("/") + QString::number(qrand16());
        m_program = base + QStringLiteral("/program");
        m_target = base + QStringLiteral("/copie");
        m_other = base + QStringLiteral("/nuova");
        QDir().mkpath(m_program);
        QDir().mkpath(m_target);
        QDir().mkpath(m_other);
        fill(m_program);
    }

    void backupRestoresByteForByteIntoAnEmptyFolder() {
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));
        QCOMPARE(QFileInfo(b.path).fileName(),
                 QStringLiteral("Depotta_Backup_2026-12-10_09-05-07.zip"));
        // Only the backup is left in the folder: no staging copies, no partial file.
        QCOMPARE(QDir(m_target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(b.path).fileName()});
        QVERIFY(verifyBackup(b.path).ok);

        const Outcome r = restoreBackup(b.path, m_other, kWhen);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(r.path, QString()); // nothing was there to move aside
        for (const auto& [rel, bytes] : kData)
            QCOMPARE(get(QDir(m_other).filePath(rel)), bytes);
        QCOMPARE(dataFiles(m_other).size(), kData.size());
    }

    void manifestListsEveryFileWithItsChecksum() {
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY(b.ok);
        zip_t* z = zip_open(QFile::encodeName(b.path).constData(), ZIP_RDONLY, nullptr);
        QVERIFY(z);
        zip_file_t* f = zip_fopen(z, "MANIFEST.sha256", 0);
        QVERIFY(f);
        QByteArray text(4096, 0);
        text.resize(zip_fread(f, text.data(), text.size()));
        zip_fclose(f);
        zip_close(z);
        for (const auto& [rel, bytes] : kData)
            QVERIFY2(text.contains(sha(bytes) + "  " + rel.toUtf8() + '\n'), text.constData());
        QCOMPARE(text.count('\n'), kData.size());
    }

    void restoreMovesTheCurrentDataAside() {
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        put(QDir(m_program).filePath(QStringLiteral("Magazzino.pro")), "changed since");
        put(QDir(m_program).filePath(QStringLiteral("Schedario/Prodotto_9.jpg")), "new photo");
        const Outcome r = restoreBackup(b.path, m_program, kWhen.addSecs(60));
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(QFileInfo(r.path).fileName(),
                 QStringLiteral("Dati_precedenti_2026-12-10_09-06-07"));
        QCOMPARE(get(r.path + QStringLiteral("/Magazzino.pro")), QByteArray("changed since"));
        QCOMPARE(get(r.path + QStringLiteral("/Schedario/Prodotto_9.jpg")),
                 QByteArray("new photo"));
        QCOMPARE(get(QDir(m_program).filePath(QStringLiteral("Magazzino.pro"))), kData[0].second);
        QVERIFY(
            !QFile::exists(QDir(m_program).filePath(QStringLiteral("Schedario/Prodotto_9.jpg"))));
    }

    void damagedBackupsAreRefusedAndChangeNothing_data() {
        QTest::addColumn<int>("damage");
        QTest::newRow("a flipped byte in the data") << 0;
        QTest::newRow("cut short") << 1;
        QTest::newRow("an entry the manifest does not name") << 2;
        QTest::newRow("a checksum that differs") << 3;
        QTest::newRow("a path leaving the folder") << 4;
        QTest::newRow("not a zip") << 5;
    }
    void damagedBackupsAreRefusedAndChangeNothing() {
        QFETCH(int, damage);
        const QString zipPath = m_target + QStringLiteral("/danneggiata.zip");
        const QByteArray data = "some archive bytes";
        const QByteArray good = sha(data) + "  Clienti.pro\n";
        if (damage <= 1) {
            QVERIFY(QFile::copy(writeBackup(m_program, m_target, kWhen).path, zipPath));
            QFile f(zipPath);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (damage == 0) {
                f.seek(200); // inside the stored archive
                char c;
                f.getChar(&c);
                f.seek(200);
                f.putChar(char(c ^ 0x5A));
            } else {
                f.resize(f.size() / 2);
            }
        } else if (damage == 2) {
            makeZip(zipPath,
                    {{"Clienti.pro", data}, {"Fornitori.pro", data}, {"MANIFEST.sha256", good}});
        } else if (damage == 3) {
            makeZip(zipPath, {{"Clienti.pro", data + "x"}, {"MANIFEST.sha256", good}});
        } else if (damage == 4) {
            makeZip(zipPath, {{"../Clienti.pro", data},
                              {"MANIFEST.sha256", sha(data) + "  ../Clienti.pro\n"}});
        } else {
            put(zipPath, "PK not really");
        }
        QVERIFY(!verifyBackup(zipPath).ok);
        const QStringList before = dataFiles(m_program);
        const Outcome r = restoreBackup(zipPath, m_program, kWhen);
        QVERIFY(!r.ok);
        QVERIFY(!r.detail.isEmpty());
        QCOMPARE(dataFiles(m_program), before);
        for (const auto& [rel, bytes] : kData)
            QCOMPARE(get(QDir(m_program).filePath(rel)), bytes);
        QVERIFY(!QFile::exists(m_program + QStringLiteral("/../Clienti.pro")));
        QCOMPARE(QDir(m_program).entryList({QStringLiteral("Dati_precedenti_*")}, QDir::Dirs),
                 QStringList());
    }

    // An archive another workstation is writing is waited for, and if it stays busy the
    // backup fails instead of copying half a write.
    void anArchiveBusyElsewhereFailsTheBackup() {
        QFile other(QDir(m_program).filePath(QStringLiteral("Clienti.pro")));
        QVERIFY(other.open(QIODevice::ReadWrite));
        QCOMPARE(
            osfile::lock(other.handle(), osfile::LockMode::Exclusive, std::chrono::milliseconds(0)),
            osfile::LockResult::Locked);
        const auto wait = RecordFile::lockWait();
        RecordFile::setLockWait(std::chrono::milliseconds(50));
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        RecordFile::setLockWait(wait);
        QVERIFY(!b.ok);
        QVERIFY(b.detail.contains(QStringLiteral("Clienti.pro")));
    }

    void cancelLeavesNothingBehind() {
        const Outcome b =
            writeBackup(m_program, m_target, kWhen, [](int done, int) { return done < 2; });
        QVERIFY(!b.ok);
        QVERIFY(b.cancelled);
        QCOMPARE(QDir(m_target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    void aFileThatCannotBeCopiedFailsTheBackup() {
        const Outcome b =
            writeBackup(m_program, m_target, kWhen, {}, [](const QString& from, const QString& to) {
                return !from.endsWith(QLatin1String("Clienti.pro")) && QFile::copy(from, to);
            });
        QVERIFY(!b.ok);
        QVERIFY(b.detail.contains(QStringLiteral("Clienti.pro")));
        QCOMPARE(QDir(m_target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

  private:
    static int qrand16() {
        static int n = 0;
        return ++n;
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "TestBackup.moc"
