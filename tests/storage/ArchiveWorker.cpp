// A second program on the same folder, for the concurrency and crash tests:
//   append <dir> <writer> <count>  waits for <dir>/go, then appends <count> load movements
//   churn <dir> <writer>           appends movements and rewrites products 1-4 until killed,
//                                  printing "A <position> <seq>" or "R <position> <seq>" on
//                                  stdout once each operation has returned; seq counts from
//                                  writer * 100000 + 1, odd ones append, even ones rewrite
//                                  product churnTarget(seq)
// Exits 0 when done, 2 on a storage failure.
#include "WorkerRecords.h"

#include "storage/Journal.h"
#include "storage/Layouts.h"
#include "storage/RecordFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>

using namespace dp;

namespace {

void report(char kind, qint64 position, int seq) {
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%c %lld %d\n", kind, qlonglong(position), seq);
    // Straight to the pipe: a line the parent reads is an operation that had returned.
    if (::write(STDOUT_FILENO, line, size_t(n)) != n)
        std::_Exit(3);
}

int append(const QString& dir, int writer, int count) {
    while (!QFile::exists(dir + QStringLiteral("go")))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const Journal journal(dir, MovementKind::Load);
    for (int seq = 1; seq <= count; ++seq)
        journal.append(worker::movement(writer, seq));
    return 0;
}

int churn(const QString& dir, int writer) {
    const Journal journal(dir, MovementKind::Load);
    const QString products = dir + TSchedaProdotto.file();
    for (int seq = writer * 100000 + 1;; ++seq) {
        if (seq % 2) {
            report('A', journal.append(worker::movement(writer, seq)), seq);
        } else {
            const qint64 position = worker::churnTarget(seq);
            RecordFile file(products, TSchedaProdotto, RecordFile::Lock::Exclusive);
            file.rewrite(position, worker::product(position, seq));
            file.close();
            report('R', position, seq);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 1;
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const int writer = std::atoi(argv[3]);
    try {
        if (!std::strcmp(argv[1], "append") && argc == 5)
            return append(dir, writer, std::atoi(argv[4]));
        if (!std::strcmp(argv[1], "churn"))
            return churn(dir, writer);
    } catch (const StorageError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return 1;
}
