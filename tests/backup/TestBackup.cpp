#include "app/PasswordStore.h"
#include "attachments/AttachmentFolder.h"
#include "attachments/PhotoStore.h"
#include "backup/Backup.h"
#include "storage/Journal.h"
#include "storage/Layouts.h"
#include "storage/OsFile.h"
#include "storage/RecordFile.h"
#include "support/SmallDisk.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
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
        // Accented folders, as an Italian user names them: the ZIP library is handed its file
        // names in UTF-8, which the local encoding is not everywhere.
        m_program = base + QStringLiteral("/programma Per\u00F2");
        m_target = base + QStringLiteral("/copie di sicurezza \u00E0 \u20AC");
        m_other = base + QStringLiteral("/nuova cit\u00E0");
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

    // Every file the program keeps, each written by the code that writes it, is carried by
    // the backup: an archive added without its place in the list would be lost by a restore.
    void everyFileTheProgramKeepsIsCarried() {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("programma/"));
        QDir().mkpath(program);
        for (const RecordLayout* layout : {&TSchedaProdotto, &TSchedaCliente, &TSchedaFornitore})
            RecordFile(program + layout->file(), *layout).append(Record(*layout));
        for (MovementKind kind : {MovementKind::Load, MovementKind::Unload})
            Journal(program, kind).append(Record(TMovimento));
        QCOMPARE(app::PasswordStore(program).store(QStringLiteral("nuova")),
                 app::PasswordStore::StoreResult::Stored);
        QImage photo(20, 10, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(attachments::PhotoStore(program).store(photo, 1));
        const QString source = dir.filePath(QStringLiteral("listino.pdf"));
        put(source, "%PDF-1.4");
        const attachments::AttachmentFolder attached(program);
        QVERIFY(attached.makeFolder());
        QCOMPARE(attached.copyIn(source, QStringLiteral("listino.pdf")),
                 attachments::AttachmentFolder::Copy::Copied);

        QStringList kept;
        QDirIterator it(program, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            kept << QDir(program).relativeFilePath(it.next());
        kept.sort();
        const QStringList expected = {
            QStringLiteral("Clienti.pro"),
            QStringLiteral("Documenti_Allegati/listino.pdf"),
            QStringLiteral("Fornitori.pro"),
            QStringLiteral("Magazzino.pro"),
            QStringLiteral("Operazioni_Carico.pro"),
            QStringLiteral("Operazioni_Scarico.pro"),
            QStringLiteral("Schedario/Prodotto_1.jpg"),
            QStringLiteral("unins000.dll"),
        };
        QCOMPARE(kept, expected);

        const Outcome b = writeBackup(program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));
        QCOMPARE(b.leftOut, QStringList());
        QVERIFY(restoreBackup(b.path, m_other, kWhen).ok);
        for (const QString& rel : expected)
            QCOMPARE(get(QDir(m_other).filePath(rel)), get(program + rel));
    }

    // A restore onto a disk that fills up half way must not report success over files cut
    // short: the journal and the password file are written last, in the last few kilobytes.
    void aRestoreOntoAFullDiskFailsAndPutsTheDataBack() {
        test::SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        const QByteArray products(1 << 20, 'M');
        const QByteArray journal(30 * 462, 'J');
        put(QDir(m_program).filePath(QStringLiteral("Magazzino.pro")), products);
        put(QDir(m_program).filePath(QStringLiteral("Operazioni_Carico.pro")), journal);
        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));

        const QString program = disk.path() + QStringLiteral("/programma");
        fill(program);
        // Room for the product archive and one page more: the rest does not fit.
        QVERIFY(disk.fill(products.size() + 4096));
        const Outcome r = restoreBackup(b.path, program, kWhen);
        QVERIFY(!r.ok);
        QVERIFY(r.diskFull);
        for (const auto& [rel, bytes] : kData)
            QCOMPARE(get(QDir(program).filePath(rel)), bytes);
        QCOMPARE(dataFiles(program).size(), kData.size());
        QCOMPARE(QDir(program).entryList({QStringLiteral("Dati_precedenti_*")}, QDir::Dirs),
                 QStringList());
    }

    // What the backup cannot carry is named, not passed over: an archive that is a folder,
    // a folder that is a file, a named pipe among the attachments.
    void whatIsNotARegularFileIsLeftOutAndNamed() {
        const QDir program(m_program);
        QVERIFY(QFile::remove(program.filePath(QStringLiteral("Magazzino.pro"))));
        QVERIFY(program.mkpath(QStringLiteral("Magazzino.pro/dentro")));
        QVERIFY(QDir(program.filePath(QStringLiteral("Schedario"))).removeRecursively());
        put(program.filePath(QStringLiteral("Schedario")), "not a folder");
        const QString pipe = program.filePath(QStringLiteral("Documenti_Allegati/tubo"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        const Outcome b = writeBackup(m_program, m_target, kWhen);
        QVERIFY2(b.ok, qPrintable(b.detail));
        QCOMPARE(b.leftOut,
                 (QStringList{QStringLiteral("Magazzino.pro"), QStringLiteral("Schedario"),
                              QStringLiteral("Documenti_Allegati/tubo")}));
    }

  private:
    static int qrand16() {
        static int n = 0;
        return ++n;
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "TestBackup.moc"
