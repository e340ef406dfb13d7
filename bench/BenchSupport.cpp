#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <vector>

namespace dp::bench {

double peakMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

bool resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

QString machine() {
    QString cpu;
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("model name")) {
                cpu = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
    return QStringLiteral("%1, %2 cores, %3")
        .arg(cpu)
        .arg(QThread::idealThreadCount())
        .arg(QSysInfo::prettyProductName());
}

void generate(const QString& path, const RecordLayout& layout, qint64 count,
              const std::function<void(Record&, qint64)>& fill) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    Record r(layout);
    QByteArray block;
    block.reserve(4 << 20);
    for (qint64 i = 0; i < count; ++i) {
        fill(r, i);
        block.append(r.bytes());
        if (block.size() >= (4 << 20) - layout.size()) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
}

double timeIt(int runs, const std::function<void()>& work) {
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e9);
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

qint64 blockRead(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray block(4 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 n; (n = f.read(block.data(), block.size())) > 0;)
        total += n;
    if (total != f.size())
        qFatal("short read of %s", qPrintable(path));
    return total;
}

} // namespace dp::bench
