#pragma once

#include "storage/Record.h"
#include "storage/RecordLayout.h"

#include <QString>

#include <functional>

// What the benchmarks share: generated archives, timing, block reads and peak memory.
namespace dp::bench {

// Peak resident memory of this process (VmHWM), in MB; -1 when unknown.
double peakMb();
// Lets the next peak be measured on its own (Linux: "5" resets VmHWM to the current RSS).
bool resetPeak();
QString machine();

// Writes `count` records built by `fill` in blocks, as the program's own writer stores them.
void generate(const QString& path, const RecordLayout& layout, qint64 count,
              const std::function<void(Record&, qint64)>& fill);

// Median wall time in seconds of `runs` runs, after one warm-up run.
double timeIt(int runs, const std::function<void()>& work);

// The file read in 4 MB blocks into one reused buffer: the cost of the reading alone.
qint64 blockRead(const QString& path);

} // namespace dp::bench
