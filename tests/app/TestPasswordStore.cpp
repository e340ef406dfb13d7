#include "app/IniFile.h"
#include "app/PasswordStore.h"
#include "support/TestUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

using dp::app::IniFile;
using dp::app::PasswordStore;
using namespace dp::test;

Q_DECLARE_METATYPE(PasswordStore::Check)

namespace {
const QByteArray kDepotta = "6403E729831D56"; // "DEPOTTA", worked out by hand
}

class TestPasswordStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }
    QString file() const { return dir() + QStringLiteral("unins000.dll"); }

  private Q_SLOTS:
    void init() { QFile::remove(file()); }

    void scramble_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex"); // known answer, empty when only the round trip counts
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << "A"
                                    << "61";
        QTest::newRow("initial password") << "DEPOTTA" << QString::fromLatin1(kDepotta);
        QTest::newRow("extreme codes") << QStringLiteral("\u0001\u00FF") << "2158";
        QTest::newRow("accent and blank") << QStringLiteral("CAF\u00C8 ") << "63E6CBEBE3";
        QTest::newRow("longest") << QString(255, QLatin1Char('Z')) << QString();
        QTest::newRow("every byte") << [] {
            QString s;
            for (int c = 1; c < 256; ++c)
                s += QChar(c);
            return s;
        }() << QString();
    }
    void scramble() {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        const QString got = PasswordStore::scramble(plain);
        if (!hex.isEmpty())
            QCOMPARE(got, hex);
        QCOMPARE(got.size(), plain.size() * 2);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(got).hasMatch());
        QCOMPARE(PasswordStore::scramble(plain), got);
        QCOMPARE(PasswordStore::unscramble(got), std::optional<QString>(plain));
    }

    void scrambleKeepsLowByte() {
        // U+0100 scrambles like U+0000: only the low byte of a code survives.
        QCOMPARE(PasswordStore::scramble(QStringLiteral("\u0100B")), QStringLiteral("204A"));
    }

    void unscramble_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("plain");
        QTest::newRow("lower-case digits")
            << QString::fromLatin1(kDepotta.toLower()) << true << "DEPOTTA";
        QTest::newRow("odd last digit ignored")
            << QString::fromLatin1(kDepotta + "7") << true << "DEPOTTA";
        QTest::newRow("single digit") << "6" << true << "";
        QTest::newRow("letter in a pair") << "6403G729831D56" << false << "";
        QTest::newRow("blank in a pair") << "64 3" << false << "";
        QTest::newRow("sign in a pair") << "64-3" << false << "";
    }
    void unscramble() {
        QFETCH(QString, hex);
        QFETCH(bool, ok);
        QFETCH(QString, plain);
        const auto got = PasswordStore::unscramble(hex);
        QCOMPARE(got.has_value(), ok);
        if (ok)
            QCOMPARE(*got, plain);
    }

    void verify_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<PasswordStore::Check>("expected");
        using C = PasswordStore::Check;
        const QByteArray crlf = "[Accesso]\r\nValore=" + kDepotta + "\r\n";
        const QByteArray lf = "[Accesso]\nValore=" + kDepotta + "\n";
        QTest::newRow("CRLF file") << true << crlf << "DEPOTTA" << C::Match;
        QTest::newRow("LF file") << true << lf << "DEPOTTA" << C::Match;
        QTest::newRow("no final line end") << true << lf.chopped(1) << "DEPOTTA" << C::Match;
        QTest::newRow("lower case typed") << true << crlf << "depotta" << C::Match;
        QTest::newRow("blanks around") << true << crlf << " \tDepotta  " << C::Match;
        QTest::newRow("wrong") << true << crlf << "DEPOTT" << C::NoMatch;
        QTest::newRow("names in other case, spaced")
            << true << "; installazione\r\n[ACCESSO]\r\n  valore = " + kDepotta + "\r\n"
            << "DEPOTTA" << C::Match;
        QTest::newRow("other sections kept apart")
            << true << "[Altro]\r\nValore=61\r\n[Accesso]\r\nNome=61\r\nValore=" + kDepotta + "\r\n"
            << "DEPOTTA" << C::Match;
        QTest::newRow("missing file") << false << QByteArray() << "DEPOTTA" << C::NoMatch;
        QTest::newRow("empty file") << true << QByteArray() << "DEPOTTA" << C::NoMatch;
        QTest::newRow("missing section") << true << "[Altro]\r\nValore=" + kDepotta + "\r\n"
                                         << "DEPOTTA" << C::NoMatch;
        QTest::newRow("missing key")
            << true << QByteArray("[Accesso]\r\n") << "DEPOTTA" << C::NoMatch;
        QTest::newRow("empty value")
            << true << QByteArray("[Accesso]\r\nValore=\r\n") << "X" << C::NoMatch;
        QTest::newRow("odd digit count") << true << "[Accesso]\r\nValore=" + kDepotta + "A\r\n"
                                         << "depotta" << C::Match;
        QTest::newRow("non-hex pair is an error, not a wrong password")
            << true << QByteArray("[Accesso]\r\nValore=64Z3E729831D56\r\n") << "DEPOTTA"
            << C::Error;
        QTest::newRow("stored blanks ignored")
            << true << "[Accesso]\r\nValore=" + PasswordStore::scramble(u"ABC  ").toLatin1()
            << "abc" << C::Match;
        QTest::newRow("accented letter kept as typed")
            << true << "[Accesso]\r\nValore=" + PasswordStore::scramble(u"CAF\u00E8").toLatin1()
            << QStringLiteral("caf\u00E8") << C::Match;
        QTest::newRow("accented letter not upper-cased")
            << true << "[Accesso]\r\nValore=" + PasswordStore::scramble(u"CAF\u00E8").toLatin1()
            << QStringLiteral("CAF\u00C8") << C::NoMatch;
    }
    void verify() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        QFETCH(PasswordStore::Check, expected);
        if (exists)
            writeFile(file(), content);
        QCOMPARE(PasswordStore(dir()).verify(typed), expected);
        QCOMPARE(QFile::exists(file()), exists); // reading never creates the file
    }

    void unreadableFileIsAnError_data() {
        QTest::addColumn<bool>("lockFolder");
        QTest::newRow("file without read access") << false;
        QTest::newRow("folder without access") << true;
    }
    void unreadableFileIsAnError() {
        QFETCH(bool, lockFolder);
        writeFile(file(), "[Accesso]\r\nValore=" + kDepotta + "\r\n");
        const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        PasswordStore::Check result;
        {
            const ScopedPermissions folder(m_dir.path(),
                                           lockFolder ? open : open | QFileDevice::ExeOther);
            std::optional<ScopedPermissions> unreadable;
            if (!lockFolder)
                unreadable.emplace(file(), QFileDevice::Permissions());
            Unprivileged drop;
            result = PasswordStore(dir()).verify(QStringLiteral("DEPOTTA"));
        }
        QCOMPARE(result, PasswordStore::Check::Error);
    }

    void storeWrites_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray v = "Valore=" + PasswordStore::scramble(u"NUOVA").toLatin1();
        QTest::newRow("new file") << false << QByteArray() << "[Accesso]\r\n" + v + "\r\n";
        QTest::newRow("value replaced in place, LF becomes CRLF")
            << true << QByteArray("[Accesso]\nValore=" + kDepotta + "\nAltro=1\n")
            << "[Accesso]\r\n" + v + "\r\nAltro=1\r\n";
        QTest::newRow("key added at the end of its section")
            << true << QByteArray("[accesso]\r\nAltro=1\r\n\r\n[Dopo]\r\nValore=61\r\n")
            << "[accesso]\r\nAltro=1\r\n" + v + "\r\n\r\n[Dopo]\r\nValore=61\r\n";
        QTest::newRow("section added at the end")
            << true << QByteArray("[Prima]\r\nValore=61")
            << "[Prima]\r\nValore=61\r\n[Accesso]\r\n" + v + "\r\n";
    }
    void storeWrites() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (exists)
            writeFile(file(), before);
        const PasswordStore store(dir());
        QCOMPARE(store.store(QStringLiteral("  nuova ")), PasswordStore::StoreResult::Stored);
        QCOMPARE(readFile(file()), after);
        QCOMPARE(store.verify(QStringLiteral("Nuova")), PasswordStore::Check::Match);
    }

    void storeRefusesWhatCouldNeverMatch_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("stored");
        QTest::newRow("255 characters") << QString(255, QLatin1Char('A')) << true;
        QTest::newRow("255 after trimming") << QString(255, QLatin1Char('A')) + u"   "_s << true;
        QTest::newRow("256 characters") << QString(256, QLatin1Char('A')) << false;
        QTest::newRow("Latin-1 letter") << QStringLiteral("PERCH\u00C9") << true;
        QTest::newRow("euro sign") << QStringLiteral("PREZZO\u20AC") << false;
        QTest::newRow("zero inside") << QStringLiteral("A\u0000B") << false;
    }
    void storeRefusesWhatCouldNeverMatch() {
        QFETCH(QString, password);
        QFETCH(bool, stored);
        const QByteArray before = "[Accesso]\r\nValore=" + kDepotta + "\r\n";
        writeFile(file(), before);
        const PasswordStore store(dir());
        const auto result = store.store(password);
        if (!stored) {
            QCOMPARE(result, PasswordStore::StoreResult::Unusable);
            QCOMPARE(readFile(file()), before);
            return;
        }
        QCOMPARE(result, PasswordStore::StoreResult::Stored);
        QCOMPARE(store.verify(password), PasswordStore::Check::Match);
    }

    void failedWriteKeepsTheOldValue_data() {
        QTest::addColumn<bool>("fileWritable");
        QTest::newRow("read-only folder and file") << false;
        // Writing in place could leave half a file: the new one is written beside or not at all.
        QTest::newRow("read-only folder, writable file") << true;
    }
    void failedWriteKeepsTheOldValue() {
        QFETCH(bool, fileWritable);
        const QByteArray before = "[Accesso]\r\nValore=" + kDepotta + "\r\n";
        writeFile(file(), before);
        PasswordStore::StoreResult result;
        {
            const ScopedPermissions readOnlyFile(
                file(), QFileDevice::ReadOwner | QFileDevice::ReadOther |
                            (fileWritable ? QFileDevice::WriteOther : QFileDevice::Permissions()));
            const ScopedPermissions readOnlyFolder(m_dir.path(), kReadOnlyFolder);
            Unprivileged drop;
            result = PasswordStore(dir()).store(QStringLiteral("NUOVA"));
        }
        QCOMPARE(result, PasswordStore::StoreResult::Failed);
        QCOMPARE(readFile(file()), before);
    }

    void installedFileHoldsTheInitialPassword() {
        const QString path = QStringLiteral(DP_SOURCE_DIR "/resources/unins000.dll");
        QCOMPARE(readFile(path),
                 "[Accesso]\r\nValore=" + PasswordStore::scramble(u"DEPOTTA").toLatin1() + "\r\n");
        QCOMPARE(IniFile::read(path, u"Accesso", u"Valore"), QString::fromLatin1(kDepotta));
    }
};

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "TestPasswordStore.moc"
