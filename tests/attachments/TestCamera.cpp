#include "FakeCamera.h"
#include "attachments/Camera.h"
#include "attachments/FrameRelay.h"
#include "attachments/PhotoBox.h"
#include "attachments/PhotoFiles.h"
#include "attachments/TfrmWebCam.h"
#include "attachments/TfrmZoom.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QtTest>

#include <atomic>
#include <thread>

namespace dp::test {

namespace {

QImage filled(QSize size, QColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QColor centreOf(const QImage& img) {
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

// A frame as a camera would hand it over: 32-bit BGRX pixels in mapped memory.
QVideoFrame frameOf(const QImage& picture) {
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    QVideoFrame frame(QVideoFrameFormat(src.size(), QVideoFrameFormat::Format_BGRX8888));
    if (!frame.map(QVideoFrame::WriteOnly))
        return {};
    for (int y = 0; y < src.height(); ++y)
        memcpy(frame.bits(0) + y * frame.bytesPerLine(0), src.constScanLine(y),
               size_t(src.width()) * 4);
    frame.unmap();
    return frame;
}

struct CameraFixture {
    QTemporaryDir dir;
    FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    FakeCamera* camera = new FakeCamera;
    TfrmWebCam screen{ctx, nullptr, std::unique_ptr<Camera>(camera)};

    void click(const char* name) { screen.findChild<QPushButton*>(QLatin1String(name))->click(); }
    bool enabled(const char* name) const {
        return screen.findChild<QPushButton*>(QLatin1String(name))->isEnabled();
    }
    PhotoBox* box(const char* name) const {
        return screen.findChild<PhotoBox*>(QLatin1String(name));
    }
};

} // namespace

class TestCamera : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void relayHandsFramesToTheInterfaceThread();
    void stoppingFreesAWaitingCameraThread();
    void closingWhileFramesArrive();
    void captureAndImport();
    void importWithoutCaptureGivesThePlaceholder();
    void noCameraLeavesTheScreenUsable();
    void cancelStopsTheCamera();
    void savingTheCaptureFailsVisibly();
    void savedPictureTakesItsExtensionsFormat_data();
    void savedPictureTakesItsExtensionsFormat();
    void zoomFillsTheScreenKeepingProportions();
    void zoomClosesOnAClick_data();
    void zoomClosesOnAClick();
};

void TestCamera::relayHandsFramesToTheInterfaceThread() {
    FrameRelay relay;
    QList<QImage> shown;
    QThread* shownOn = nullptr;
    connect(&relay, &FrameRelay::pictureReady, this, [&](const QImage& p) {
        shown.append(p);
        shownOn = QThread::currentThread();
    });
    const QVideoFrame frame = frameOf(filled(QSize(64, 48), QColor(200, 30, 40)));

    relay.deliver(frame); // closed: dropped
    QCoreApplication::processEvents();
    QVERIFY(shown.isEmpty());

    relay.setOpen(true);
    std::atomic<bool> returned = false;
    std::thread camera([&] {
        relay.deliver(frame);
        returned = true;
    });
    const auto join = qScopeGuard([&] { camera.join(); });
    // The camera thread waits until the interface thread has shown the frame.
    QThread::msleep(60);
    QVERIFY(!returned);
    QTRY_COMPARE(shown.size(), 1);
    QTRY_VERIFY(returned.load());
    QCOMPARE(shownOn, QThread::currentThread());
    QCOMPARE(shown[0].size(), QSize(64, 48));
    QCOMPARE(centreOf(shown[0]), QColor(200, 30, 40));
}

void TestCamera::stoppingFreesAWaitingCameraThread() {
    FrameRelay relay;
    int shown = 0;
    connect(&relay, &FrameRelay::pictureReady, this, [&] { ++shown; });
    relay.setOpen(true);
    std::atomic<bool> returned = false;
    std::thread camera([&] {
        relay.deliver(frameOf(filled(QSize(8, 8), Qt::blue)));
        returned = true;
    });
    const auto join = qScopeGuard([&] { camera.join(); });
    QThread::msleep(30);
    // Stopped from the interface thread, which does not run its events meanwhile (as when
    // the camera's stop waits for its thread): the camera thread must not stay blocked.
    relay.setOpen(false);
    QDeadlineTimer deadline(2000);
    while (!returned && !deadline.hasExpired())
        QThread::msleep(5);
    QVERIFY(returned.load());
    QCoreApplication::processEvents();
    QCOMPARE(shown, 0); // a frame that arrives after the stop is not shown
}

void TestCamera::closingWhileFramesArrive() {
    // The camera's thread goes on delivering while the screen closes and is destroyed, and a
    // while after: whatever it reaches then must still be there (run under the sanitizers).
    QTemporaryDir dir;
    FakePlatform platform(dir.path());
    AppContext ctx(platform);
    auto* camera = new ThreadedCamera;
    auto screen = std::make_unique<TfrmWebCam>(ctx, nullptr, std::unique_ptr<Camera>(camera));
    const QVideoFrame frame = frameOf(filled(QSize(32, 24), Qt::red));
    std::atomic<bool> stop = false;
    std::atomic<int> delivered = 0;
    std::thread source([inlet = camera->inlet(), frame, &stop, &delivered] {
        while (!stop) {
            inlet(frame);
            ++delivered;
        }
    });
    const auto join = qScopeGuard([&] {
        stop = true;
        source.join();
    });
    screen->show();
    screen->findChild<QPushButton*>(QStringLiteral("btnAccendi"))->click();
    auto* live = screen->findChild<PhotoBox*>(QStringLiteral("imgCamera"));
    QTRY_VERIFY(live->hasPhoto());

    screen->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    screen.reset();
    const int atClose = delivered;
    QTRY_VERIFY(delivered > atClose + 100);
}

void TestCamera::captureAndImport() {
    CameraFixture f;
    QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Cattura foto con webcam"));
    QVERIFY(f.screen.findChild<Camera*>(QStringLiteral("camCamera")));
    QVERIFY(!f.camera->active); // off when the screen opens
    QVERIFY(!f.enabled("btnSpegni"));

    f.click("btnAccendi");
    QVERIFY(f.camera->active);
    QVERIFY(f.enabled("btnSpegni"));
    QVERIFY(!f.enabled("btnAccendi"));
    f.camera->feed(filled(QSize(640, 480), Qt::red));
    QCOMPARE(centreOf(f.box("imgCamera")->picture()), QColor(Qt::red));
    QVERIFY(!f.box("imgTarget")->hasPhoto());

    f.click("btnCattura");
    f.camera->feed(filled(QSize(640, 480), Qt::green));
    QCOMPARE(centreOf(f.box("imgCamera")->picture()), QColor(Qt::green));
    QCOMPARE(centreOf(f.box("imgTarget")->picture()), QColor(Qt::red));

    whenModal([&](QWidget*) { f.click("btnImportaFoto"); });
    QCOMPARE(f.screen.exec(), int(QDialog::Accepted));
    QVERIFY(!f.camera->active);
    QCOMPARE(f.screen.picture().size(), QSize(640, 480));
    QCOMPARE(centreOf(f.screen.picture()), QColor(Qt::red));
    QVERIFY(f.platform.shown.isEmpty());
}

void TestCamera::importWithoutCaptureGivesThePlaceholder() {
    CameraFixture f;
    f.click("btnAccendi");
    f.camera->feed(filled(QSize(320, 240), Qt::red));
    whenModal([&](QWidget*) { f.click("btnImportaFoto"); });
    QCOMPARE(f.screen.exec(), int(QDialog::Accepted));
    QVERIFY(f.screen.picture().isNull()); // the opener shows its placeholder
}

void TestCamera::noCameraLeavesTheScreenUsable() {
    CameraFixture f;
    f.camera->present = false;
    f.click("btnAccendi");
    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Warning);
    QCOMPARE(f.platform.lastText(),
             QStringLiteral("Attenzione: non è stata trovata nessuna webcam collegata al computer."
                            "\r\n\r\nCollegare una webcam e premere di nuovo \"Accendi webcam\"."));
    QVERIFY(f.enabled("btnAccendi"));
    QVERIFY(!f.enabled("btnSpegni"));
    for (const char* b : {"btnCattura", "btnSalvaFotogramma", "btnImportaFoto", "btnClose"})
        QVERIFY(f.enabled(b));
    f.click("btnCattura");
    whenModal([&](QWidget*) { f.click("btnClose"); });
    QCOMPARE(f.screen.exec(), int(QDialog::Rejected));
}

void TestCamera::cancelStopsTheCamera() {
    CameraFixture f;
    f.click("btnAccendi");
    f.camera->feed(filled(QSize(64, 48), Qt::red));
    f.click("btnCattura");
    whenModal([&](QWidget*) { f.click("btnClose"); });
    QCOMPARE(f.screen.exec(), int(QDialog::Rejected));
    QVERIFY(!f.camera->active);
}

void TestCamera::savingTheCaptureFailsVisibly() {
    CameraFixture f;
    f.click("btnAccendi");
    f.camera->feed(filled(QSize(64, 48), Qt::red));
    f.click("btnCattura");

    f.platform.fileAnswers.enqueue(f.dir.path() + QStringLiteral("/manca/Foto.jpg"));
    f.click("btnSalvaFotogramma");
    QCOMPARE(f.platform.fileDialogs.size(), 1);
    const auto& asked = f.platform.fileDialogs[0];
    QVERIFY(asked.save);
    QCOMPARE(asked.caption,
             QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    QCOMPARE(asked.dir, QStringLiteral("Foto.jpg"));
    QCOMPARE(asked.filter, QStringLiteral("File Jpeg (*.jpg)"));
    QCOMPARE(f.platform.lastKind(), FakePlatform::Kind::Error);
    QCOMPARE(f.platform.lastText(),
             QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file "
                            "\"Foto.jpg\".\r\n\r\nVerificare che nella cartella scelta si possa "
                            "scrivere e riprovare."));
    // The capture stays: the placeholder does not take its place.
    QCOMPARE(centreOf(f.box("imgTarget")->picture()), QColor(Qt::red));

    f.platform.clear();
    f.platform.fileAnswers.enqueue(f.dir.path() + QStringLiteral("/Foto.jpg"));
    f.click("btnSalvaFotogramma");
    QVERIFY(f.platform.shown.isEmpty());
    const QImage saved(f.dir.path() + QStringLiteral("/Foto.jpg"), "JPEG");
    QCOMPARE(saved.size(), QSize(64, 48));
}

void TestCamera::savedPictureTakesItsExtensionsFormat_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    const QByteArray jpeg("\xFF\xD8\xFF", 3);
    QTest::newRow("jpg") << "Foto.jpg"
                         << "Foto.jpg" << jpeg;
    QTest::newRow("png") << "foto.PNG"
                         << "foto.PNG" << QByteArray("\x89PNG", 4);
    QTest::newRow("bitmap") << "foto.bmp"
                            << "foto.bmp" << QByteArray("BM");
    QTest::newRow("no extension") << "foto"
                                  << "foto.jpg" << jpeg;
    QTest::newRow("unknown extension") << "foto.abc"
                                       << "foto.abc" << jpeg;
}

void TestCamera::savedPictureTakesItsExtensionsFormat() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    QTemporaryDir dir;
    FakePlatform platform(dir.path());
    AppContext ctx(platform);
    platform.fileAnswers.enqueue(dir.path() + QLatin1Char('/') + chosen);
    QImage transparent(20, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QVERIFY(photofiles::savePictureAs(ctx, nullptr, transparent));
    const QByteArray bytes = readFile(dir.path() + QLatin1Char('/') + written);
    QCOMPARE(bytes.left(magic.size()), magic);
    const QImage back = QImage::fromData(bytes);
    QCOMPARE(back.size(), QSize(20, 10));
    // Formats without transparency get white, not black.
    if (!back.hasAlphaChannel())
        QCOMPARE(back.pixelColor(5, 5), QColor(Qt::white));
}

void TestCamera::zoomFillsTheScreenKeepingProportions() {
    QTemporaryDir dir;
    FakePlatform platform(dir.path());
    AppContext ctx(platform);
    TfrmZoom zoom(ctx, nullptr);
    QCOMPARE(zoom.windowTitle(),
             QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    zoom.setPicture(filled(QSize(400, 100), Qt::red)); // smaller than the screen: enlarged
    zoom.show();
    QVERIFY(QTest::qWaitForWindowExposed(&zoom));
    QVERIFY(zoom.windowState() & Qt::WindowMaximized);
    const QSize screen = zoom.screen()->size();
    QWidget* picture = zoom.findChild<QWidget*>(QStringLiteral("imgFoto"));
    QCOMPARE(picture->size(), screen - QSize(60, 90));
    const QRect drawn = zoom.pictureRect();
    QCOMPARE(drawn.width(), screen.width() - 60);
    QCOMPARE(drawn.height(), (screen.width() - 60) / 4);
    QCOMPARE(drawn.center().y(), picture->rect().center().y());
}

void TestCamera::zoomClosesOnAClick_data() {
    QTest::addColumn<bool>("onPicture");
    QTest::newRow("on the picture") << true;
    QTest::newRow("beside it") << false;
}

void TestCamera::zoomClosesOnAClick() {
    QFETCH(bool, onPicture);
    QTemporaryDir dir;
    FakePlatform platform(dir.path());
    AppContext ctx(platform);
    TfrmZoom zoom(ctx, nullptr);
    zoom.setPicture(filled(QSize(100, 400), Qt::red)); // tall: room on both sides
    whenModal([&](QWidget*) {
        QWidget* picture = zoom.findChild<QWidget*>(QStringLiteral("imgFoto"));
        const QPoint at = onPicture ? zoom.pictureRect().center() : QPoint(3, 3);
        QTest::mouseClick(picture, Qt::LeftButton, {}, at);
    });
    QCOMPARE(zoom.exec(), int(QDialog::Accepted));
}

} // namespace dp::test

QTEST_MAIN(dp::test::TestCamera)
#include "TestCamera.moc"
