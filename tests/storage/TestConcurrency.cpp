#include "WorkerRecords.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "support/TestUtil.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <map>
#include <memory>
#include <vector>

using namespace dp;

namespace {

// DEPOTTA_TEST_SCALE=10 (or more) for a long manual run; the suite runs small sizes.
int scale() {
    return qMax(1, qEnvironmentVariableIntValue("DEPOTTA_TEST_SCALE"));
}

QString workerProgram() {
    return QStringLiteral(DP_ARCHIVE_WORKER);
}

} // namespace

class TestConcurrency : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void concurrentAppendersKeepEveryRecord();
    void killedWriterKeepsEveryReportedOperation();
};

void TestConcurrency::concurrentAppendersKeepEveryRecord() {
    const int writers = 4;
    const int perWriter = 150 * scale();
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    std::vector<std::unique_ptr<QProcess>> procs;
    for (int w = 1; w <= writers; ++w) {
        auto& p = procs.emplace_back(std::make_unique<QProcess>());
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(workerProgram(), {QStringLiteral("append"), folder, QString::number(w),
                                   QString::number(perWriter)});
        QVERIFY(p->waitForStarted());
    }
    test::writeFile(folder + QStringLiteral("go"), {});
    for (auto& p : procs) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
    }

    const QByteArray bytes = test::readFile(folder + QStringLiteral("Operazioni_Carico.pro"));
    std::map<std::pair<int, int>, int> seen;
    int damaged = 0;
    for (qsizetype at = 0; at + 462 <= bytes.size(); at += 462) {
        if (const auto m = worker::readMovement(RecordView(TMovimento, bytes.constData() + at)))
            ++seen[{m->owner, m->seq}];
        else
            ++damaged;
    }
    int lost = 0, doubled = 0;
    for (int w = 1; w <= writers; ++w)
        for (int s = 1; s <= perWriter; ++s) {
            const int times = seen[std::make_pair(w, s)];
            lost += times == 0;
            doubled += times > 1;
        }
    if (lost || doubled || damaged)
        qWarning("%d records lost, %d written twice, %d damaged", lost, doubled, damaged);
    QCOMPARE(damaged, 0);
    QCOMPARE(lost, 0);
    QCOMPARE(doubled, 0);
    QCOMPARE(bytes.size(), writers * perWriter * 462);
}

void TestConcurrency::killedWriterKeepsEveryReportedOperation() {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const QString products = folder + QStringLiteral("Magazzino.pro");
    const QString journal = folder + QStringLiteral("Operazioni_Carico.pro");
    QByteArray seed;
    for (int p = 1; p <= worker::kProducts; ++p)
        seed += worker::product(p, 0).bytes();
    test::writeFile(products, seed);

    std::map<qint64, std::pair<int, int>> appended; // position -> (writer, seq)
    std::map<qint64, int> rewritten;                // product -> last reported seq
    QRandomGenerator rng(17);
    const int rounds = 12 * scale();
    for (int round = 1; round <= rounds; ++round) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(workerProgram(), {QStringLiteral("churn"), folder, QString::number(round)});
        QVERIFY(p.waitForStarted());
        // The random moment counts from the first operation, however long the start took.
        QByteArray out;
        while (out.isEmpty() && p.waitForReadyRead(10000))
            out += p.readAllStandardOutput();
        QElapsedTimer alive;
        alive.start();
        const int life = rng.bounded(20, 120);
        while (alive.elapsed() < life) {
            p.waitForReadyRead(5);
            out += p.readAllStandardOutput();
        }
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        out += p.readAllStandardOutput();

        int lastSeq = round * 100000;
        for (const QByteArray& line : out.left(out.lastIndexOf('\n') + 1).split('\n')) {
            const QList<QByteArray> w = line.split(' ');
            if (w.size() != 3)
                continue;
            const qint64 position = w[1].toLongLong();
            lastSeq = w[2].toInt();
            if (w[0] == "A") {
                appended[position] = {round, lastSeq};
            } else {
                rewritten[position] = lastSeq;
            }
        }
        // The operation the kill cut short, which may or may not have taken effect.
        const int inFlight = lastSeq + 1;

        // Every complete movement is intact, and every reported one is where it was reported;
        // an append cut by the kill can only leave a short tail.
        const QByteArray j = test::readFile(journal);
        const qint64 count = j.size() / 462;
        for (qint64 at = 1; at <= count; ++at) {
            const auto m =
                worker::readMovement(RecordView(TMovimento, j.constData() + (at - 1) * 462));
            QVERIFY2(
                m, qPrintable(QStringLiteral("round %1: movement %2 damaged").arg(round).arg(at)));
            if (const auto it = appended.find(at); it != appended.end()) {
                QCOMPARE(m->owner, it->second.first);
                QCOMPARE(m->seq, it->second.second);
            }
        }
        QVERIFY(appended.empty() || appended.rbegin()->first <= count);

        // Every product is wholly old or wholly new as the next program opens the archive:
        // the last reported rewrite, or the one in flight.
        RecordFile archive(products, TSchedaProdotto, RecordFile::Lock::Shared);
        QCOMPARE(archive.count(), worker::kProducts);
        for (qint64 at = 1; at <= worker::kProducts; ++at) {
            const auto seq = worker::readProduct(archive.read(at).view(), at);
            QVERIFY2(seq,
                     qPrintable(QStringLiteral("round %1: product %2 damaged").arg(round).arg(at)));
            const bool reported = *seq == rewritten[at];
            const bool cutShort =
                *seq == inFlight && inFlight % 2 == 0 && worker::churnTarget(inFlight) == at;
            QVERIFY2(reported || cutShort,
                     qPrintable(QStringLiteral("round %1: product %2 holds %3, reported %4")
                                    .arg(round)
                                    .arg(at)
                                    .arg(*seq)
                                    .arg(rewritten[at])));
            rewritten[at] = *seq;
        }
        archive.close();
    }
    QVERIFY(appended.size() > size_t(rounds)); // the rounds did work before their kill
}

QTEST_GUILESS_MAIN(TestConcurrency)
#include "TestConcurrency.moc"
