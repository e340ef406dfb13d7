#include "FakeCamera.h"
#include "attachments/PhotoActions.h"
#include "attachments/PhotoBox.h"
#include "attachments/TfrmWebCam.h"
#include "attachments/TfrmZoom.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace dp::test {

namespace {

using Kind = FakePlatform::Kind;

QImage filled(QSize size, QColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Close enough for a colour that went through JPEG.
bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 &&
           qAbs(a.blue() - b.blue()) < 12;
}

QColor centreOf(const QImage& img) {
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

struct PhotoSheet {
    QTemporaryDir dir;
    FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    std::unique_ptr<TfrmMagazzino> screen = std::make_unique<TfrmMagazzino>(ctx);

    PhotoSheet() {
        ctx.registerScreen(screen.get());
        screen->show();
        QApplication::setActiveWindow(screen.get());
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the sheet did not become active");
        for (const char* f : {"txtCodice", "txtNome", "txtUM", "txtTipologia"})
            screen->findChild<QLineEdit*>(QLatin1String(f))->setText(QStringLiteral("x"));
    }
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    PhotoBox* photo() const { return screen->photo(); }
    void click(const char* name) const {
        auto* b = screen->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        b->click();
    }
    // Clicks `button`, which opens a modal screen, and runs `act` on it while it is open.
    template <class Screen> void whileOpen(const char* button, std::function<void(Screen*)> act) {
        test::whileModal([&] { click(button); },
                         [&](QWidget* modal) {
                             auto* d = qobject_cast<Screen*>(modal);
                             QVERIFY(d);
                             act(d);
                         });
    }
};

void press(QWidget* d, const char* name) {
    d->findChild<QAbstractButton*>(QLatin1String(name))->click();
}

} // namespace

class TestSheetPhotos : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void bitmapIsStoredAsJpegEnlargedAndRemoved();
    void unreadablePictureShowsThePlaceholder();
    void savingThePhotoToAFile();
    void unwritablePhotoFolderWarnsAndKeepsThePhoto();
    void cameraImportsIntoTheSheetAnnullaDoesNot();
    void overwriteIsAskedForTheFileWritten_data();
    void overwriteIsAskedForTheFileWritten();
};

void TestSheetPhotos::overwriteIsAskedForTheFileWritten_data() {
    QTest::addColumn<bool>("camera");
    QTest::newRow("the sheet's Salva") << false;
    QTest::newRow("the camera's Salva foto su disco") << true;
}

void TestSheetPhotos::overwriteIsAskedForTheFileWritten() {
    // A name typed without an extension gets ".jpg" after the save dialog has asked about the
    // name as typed; the question about the file that is written is then asked here.
    QFETCH(bool, camera);
    PhotoSheet s;
    const QString existing = s.path(QStringLiteral("Scaffale.jpg"));
    QVERIFY(filled(QSize(10, 10), Qt::blue).save(existing, "JPEG"));
    const QString ask = QStringLiteral(
        "Attenzione: nella cartella scelta è già presente un file di nome \"Scaffale.jpg\"."
        "\r\n\r\nSi vuole sovrascrivere il file esistente?");
    FakeCamera* cam = new FakeCamera;
    TfrmWebCam webcam(s.ctx, s.screen.get(), std::unique_ptr<Camera>(cam));
    auto save = [&] {
        if (camera) {
            press(&webcam, "btnSalvaFotogramma");
        } else {
            s.click("btnSalvaFoto");
        }
    };
    if (camera) {
        press(&webcam, "btnAccendi");
        cam->feed(filled(QSize(40, 30), Qt::green));
        press(&webcam, "btnCattura");
    } else {
        s.photo()->setPicture(filled(QSize(40, 30), Qt::green));
    }

    // No: nothing written, and the dialog comes back for another name (cancelled here).
    s.platform.fileAnswers.enqueue(s.path(QStringLiteral("Scaffale")));
    s.platform.answers.enqueue(false);
    save();
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastKind(), Kind::Question);
    QCOMPARE(s.platform.lastText(), ask);
    QCOMPARE(s.platform.fileDialogs.size(), 2);
    QCOMPARE(QImage(existing, "JPEG").size(), QSize(10, 10));

    // Yes: replaced.
    s.platform.clear();
    s.platform.fileAnswers.enqueue(s.path(QStringLiteral("Scaffale")));
    s.platform.answers.enqueue(true);
    save();
    QCOMPARE(s.platform.shown.size(), 1);
    QCOMPARE(s.platform.lastText(), ask);
    QCOMPARE(QImage(existing, "JPEG").size(), QSize(40, 30));

    // The name chosen with its extension: the save dialog asked already, nothing more here;
    // and a new name is written without a question.
    s.platform.clear();
    for (const char* name : {"Scaffale.jpg", "Ripiano"})
        s.platform.fileAnswers.enqueue(s.path(QString::fromLatin1(name)));
    save();
    save();
    QVERIFY(s.platform.shown.isEmpty());
    QCOMPARE(QImage(s.path(QStringLiteral("Ripiano.jpg")), "JPEG").size(), QSize(40, 30));
    QVERIFY(!QFile::exists(s.path(QStringLiteral("Scaffale"))));
    QVERIFY(!QFile::exists(s.path(QStringLiteral("Ripiano"))));
}

void TestSheetPhotos::bitmapIsStoredAsJpegEnlargedAndRemoved() {
    PhotoSheet s;
    const QString bitmap = s.path(QStringLiteral("scaffale.bmp"));
    QVERIFY(filled(QSize(80, 60), QColor(20, 60, 200)).save(bitmap, "BMP"));
    s.platform.fileAnswers.enqueue(bitmap);
    s.click("btnCaricaFoto");
    QCOMPARE(s.platform.fileDialogs.size(), 1);
    QCOMPARE(s.platform.fileDialogs[0].caption,
             QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    QCOMPARE(s.platform.fileDialogs[0].filter,
             QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    QVERIFY(s.photo()->hasPhoto());

    s.click("btnSalva");
    const QByteArray file = readFile(s.path(QStringLiteral("Schedario/Prodotto_1.jpg")));
    QCOMPARE(file.left(3), QByteArray("\xFF\xD8\xFF", 3));
    const QImage stored = QImage::fromData(file, "JPEG");
    QCOMPARE(stored.size(), QSize(80, 60));
    QVERIFY(near(centreOf(stored), QColor(20, 60, 200)));

    // Enlarged: the zoom screen gets the sheet's picture, and a click closes it.
    s.whileOpen<TfrmZoom>("btnZoomFoto", [](TfrmZoom* zoom) {
        const QRect drawn = zoom->pictureRect();
        QVERIFY(drawn.width() > 80);
        QCOMPARE(drawn.width() * 60 / 80, drawn.height());
        QTest::mouseClick(zoom->findChild<QWidget*>(QStringLiteral("imgFoto")), Qt::LeftButton, {},
                          drawn.center());
        QVERIFY(!zoom->isVisible());
    });

    // Removed: the placeholder, which the next save stores over the photo.
    s.click("btnCancFoto");
    QVERIFY(!s.photo()->hasPhoto());
    s.click("btnSalva");
    QCOMPARE(QImage(s.path(QStringLiteral("Schedario/Prodotto_1.jpg")), "JPEG").size(),
             QSize(366, 274));
}

void TestSheetPhotos::unreadablePictureShowsThePlaceholder() {
    PhotoSheet s;
    s.photo()->setPicture(filled(QSize(10, 10), Qt::red));
    const QString broken = s.path(QStringLiteral("rotta.jpg"));
    writeFile(broken, "not a picture");
    s.platform.fileAnswers.enqueue(broken);
    s.click("btnCaricaFoto");
    QVERIFY(!s.photo()->hasPhoto());
    // A cancelled dialog leaves the photo alone.
    s.photo()->setPicture(filled(QSize(10, 10), Qt::red));
    s.click("btnCaricaFoto");
    QVERIFY(s.photo()->hasPhoto());
    QVERIFY(s.platform.shown.isEmpty());
}

void TestSheetPhotos::savingThePhotoToAFile() {
    PhotoSheet s;
    s.photo()->setPicture(filled(QSize(40, 30), Qt::green));
    s.platform.fileAnswers.enqueue(s.path(QStringLiteral("non esiste/Foto.jpg")));
    s.click("btnSalvaFoto");
    QCOMPARE(s.platform.fileDialogs[0].dir, QStringLiteral("Foto.jpg"));
    QCOMPARE(s.platform.lastKind(), Kind::Error);
    QVERIFY(s.photo()->hasPhoto()); // not replaced by the placeholder

    s.platform.clear();
    s.platform.fileAnswers.enqueue(s.path(QStringLiteral("Foto.jpg")));
    s.click("btnSalvaFoto");
    QVERIFY(s.platform.shown.isEmpty());
    QCOMPARE(QImage(s.path(QStringLiteral("Foto.jpg")), "JPEG").size(), QSize(40, 30));
}

void TestSheetPhotos::unwritablePhotoFolderWarnsAndKeepsThePhoto() {
    PhotoSheet s;
    writeFile(s.path(QStringLiteral("Schedario")), "not a folder");
    s.photo()->setPicture(filled(QSize(50, 50), Qt::blue));
    s.click("btnSalva");
    QCOMPARE(readFile(s.path(QStringLiteral("Magazzino.pro"))).size(), 2502);
    QCOMPARE(s.screen->findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(),
             QStringLiteral("1"));
    QCOMPARE(s.platform.shown.size(), 2);
    QCOMPARE(s.platform.shown[0].text,
             QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(s.platform.shown[1].kind, Kind::Error);
    QCOMPARE(s.platform.shown[1].text,
             QStringLiteral("Attenzione: la scheda è stata salvata, ma non è stato possibile "
                            "salvare la foto nella cartella Schedario.\r\n\r\nLa foto resta "
                            "nella scheda: salvare di nuovo quando la cartella sarà accessibile."));
    QVERIFY(s.photo()->hasPhoto());
    QCOMPARE(centreOf(s.photo()->picture()), QColor(Qt::blue));

    // Once the folder can be written, saving again stores the real photo.
    QVERIFY(QFile::remove(s.path(QStringLiteral("Schedario"))));
    s.click("btnSalva");
    QVERIFY(near(centreOf(QImage(s.path(QStringLiteral("Schedario/Prodotto_1.jpg")), "JPEG")),
                 Qt::blue));
}

void TestSheetPhotos::cameraImportsIntoTheSheetAnnullaDoesNot() {
    PhotoSheet s;
    FakeCamera* camera = nullptr;
    auto* actions = s.screen->findChild<PhotoActions*>();
    QVERIFY(actions);
    actions->cameraFactory = [&camera] {
        auto c = std::make_unique<FakeCamera>();
        camera = c.get();
        return std::unique_ptr<Camera>(std::move(c));
    };
    auto capture = [&](QColor colour, const char* close) {
        s.whileOpen<TfrmWebCam>("btnAcquisisciFoto", [&](TfrmWebCam* cam) {
            press(cam, "btnAccendi");
            camera->feed(filled(QSize(320, 240), colour));
            press(cam, "btnCattura");
            press(cam, close);
        });
    };
    capture(Qt::red, "btnImportaFoto");
    QCOMPARE(s.photo()->picture().size(), QSize(320, 240));
    QCOMPARE(centreOf(s.photo()->picture()), QColor(Qt::red));
    capture(Qt::green, "btnClose");
    QCOMPARE(centreOf(s.photo()->picture()), QColor(Qt::red));
    // Reaches the archive only with the save.
    QVERIFY(!QFile::exists(s.path(QStringLiteral("Schedario/Prodotto_1.jpg"))));
}

} // namespace dp::test

QTEST_MAIN(dp::test::TestSheetPhotos)
#include "TestSheetPhotos.moc"
