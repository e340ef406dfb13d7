#include "support/Modal.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace dp::test {

namespace {
QTimer* pollForModal(std::function<void(QWidget*)> act, bool* ran) {
    if (ran)
        *ran = false;
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act), ran] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        timer->stop();
        timer->deleteLater();
        if (ran)
            *ran = true;
        act(w);
    });
    timer->start();
    return timer;
}
} // namespace

void whenModal(std::function<void(QWidget*)> act, bool* ran) {
    pollForModal(std::move(act), ran);
}

void whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
    bool ran = false;
    const QPointer<QTimer> timer = pollForModal(
        [&inside](QWidget* modal) {
            inside(modal);
            modal->close();
        },
        &ran);
    open();
    // A screen that never opened must not be waited for by the next test.
    delete timer.data();
    QVERIFY2(ran, "no modal screen opened");
}

} // namespace dp::test
