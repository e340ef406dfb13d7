#include "support/Modal.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace dp::test {

namespace {
enum class Times { Once, Repeatedly };

QTimer* pollForModal(std::function<void(QWidget*)> act, bool* ran, Times times = Times::Once) {
    if (ran)
        *ran = false;
    auto* timer = new QTimer(times == Times::Once ? qApp : nullptr);
    // A screen that changes is looked at on every pass of its event loop, so that no state
    // it shows is missed.
    timer->setInterval(times == Times::Once ? 5 : 0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act), ran, times] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (times == Times::Once) {
            timer->stop();
            timer->deleteLater();
        }
        if (ran)
            *ran = true;
        act(w);
    });
    timer->start();
    return timer;
}
} // namespace

std::unique_ptr<QObject> watchModal(std::function<void(QWidget*)> act) {
    return std::unique_ptr<QObject>(pollForModal(std::move(act), nullptr, Times::Repeatedly));
}

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
