#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace dp {

// Moves a progress window on: called with the work done and the work in all, it keeps the
// screens alive and returns false once the user pressed "Annulla".
using ProgressStep = std::function<bool(qint64 done, qint64 total)>;

// A progress window with "Annulla" over `parent`, shown once the work has lasted `delayMs`
// (at once when 0). It closes when done reaches total, or when the last copy of the returned
// step is dropped.
ProgressStep progressWindow(QWidget* parent, const QString& label, int delayMs = 300);

} // namespace dp
