#include "ui/ProgressWindow.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

#include <memory>

namespace dp {

ProgressStep progressWindow(QWidget* parent, const QString& label, int delayMs) {
    constexpr int kSteps = 1000; // a bar of int steps, whatever the size of the work
    auto dialog =
        std::make_shared<QProgressDialog>(label, QStringLiteral("Annulla"), 0, kSteps, parent);
    dialog->setObjectName(QStringLiteral("dlgAvanzamento"));
    if (parent)
        dialog->setWindowTitle(parent->windowTitle());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(delayMs);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    return [dialog](qint64 done, qint64 total) {
        const qint64 all = qMax<qint64>(1, total);
        dialog->setValue(int(qMin(done, all) * kSteps / all));
        if (done >= total)
            dialog->reset();
        QApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

} // namespace dp
