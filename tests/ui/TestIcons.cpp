#include "app/TfrmAvvio.h"
#include "registry/TfrmClienti.h"
#include "summaries/SummaryWidgets.h"
#include "support/FakePlatform.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "warehouse/TfrmMagazzino.h"

#include <QAbstractButton>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace dp;

namespace {

constexpr int kIconCount = int(Icon::Zoom) + 1;

QImage picture(const QIcon& icon) {
    return icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
}

// How far the most colourful pixel is from grey.
int maxChroma(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int most = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) < 64)
                continue;
            const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
            const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
            most = std::max(most, hi - lo);
        }
    return most;
}

// The most opaque pixel: a faded picture has none at full strength.
int maxAlpha(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int most = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            most = std::max(most, qAlpha(img.pixel(x, y)));
    return most;
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TfrmMagazzino> m_product;
    std::unique_ptr<TfrmClienti> m_customer;
    std::unique_ptr<QWidget> m_summary;
    std::unique_ptr<TfrmAvvio> m_menu;

    QImage buttonPicture(QWidget* screen, const QString& name) {
        auto* b = screen->findChild<QAbstractButton*>(name);
        return b ? picture(b->icon()) : QImage();
    }

  private Q_SLOTS:

    void init() { dp::test::failOnQtWarnings(); }
    void initTestCase() {
        m_platform = std::make_unique<test::FakePlatform>(m_dir.path());
        m_ctx = std::make_unique<AppContext>(*m_platform);
        m_product = std::make_unique<TfrmMagazzino>(*m_ctx);
        m_customer = std::make_unique<TfrmClienti>(*m_ctx);
        m_menu = std::make_unique<TfrmAvvio>(*m_ctx);
        m_summary = std::make_unique<QWidget>();
        makePicture(m_summary.get(), QStringLiteral("imgGuida"), {}, QStringLiteral("help"));
        makePicture(m_summary.get(), QStringLiteral("imgEsci"), {}, QStringLiteral("exit"));
        makePicture(m_summary.get(), QStringLiteral("cmdEsporta"), {}, QStringLiteral("sheet"));
    }

    // Each picture shows something, and no two actions share one by mistake.
    void everyPictureDrawnAndDistinct() {
        QList<QImage> seen;
        for (int i = 0; i < kIconCount; ++i) {
            const QImage img = picture(icon(Icon(i)));
            int opaque = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    opaque += qAlpha(img.pixel(x, y)) > 128;
            QVERIFY2(opaque > 40, qPrintable(QStringLiteral("icon %1 is nearly empty").arg(i)));
            for (int j = 0; j < seen.size(); ++j)
                QVERIFY2(seen[j] != img,
                         qPrintable(QStringLiteral("icons %1 and %2 look the same").arg(j).arg(i)));
            seen.push_back(img);
        }
    }

    // The same action looks the same on the product sheet, the customer sheet and the
    // summary screens.
    void sameActionSamePicture_data() {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("summary");
        const char* const pairs[][2] = {
            {"btnNuovo", "cmdNuovo"},         {"btnSalva", "cmdSalva"},
            {"btnDuplica", "cmdDuplica"},     {"cmdPrimo", "cmdPrimo"},
            {"cmdIndietro", "cmdIndietro"},   {"cmdAvanti", "cmdAvanti"},
            {"cmdUltimo", "cmdUltimo"},       {"btnTrova", "cmdTrova"},
            {"btnAllegati", "cmdFile"},       {"btnStampa", "cmdStampa"},
            {"btnAnteprima", "cmdAnteprima"}, {"btnEsporta", "cmdEsporta"},
            {"btnGuida", "cmdGuida"},         {"btnEsci", "cmdEsci"},
        };
        for (const auto& p : pairs)
            QTest::newRow(p[1]) << QString::fromLatin1(p[0]) << QString::fromLatin1(p[1]) << false;
        QTest::newRow("summary help") << "btnGuida"
                                      << "imgGuida" << true;
        QTest::newRow("summary exit") << "btnEsci"
                                      << "imgEsci" << true;
        QTest::newRow("summary export") << "btnEsporta"
                                        << "cmdEsporta" << true;
    }
    void sameActionSamePicture() {
        QFETCH(QString, product);
        QFETCH(QString, other);
        QFETCH(bool, summary);
        const QImage a = buttonPicture(m_product.get(), product);
        const QImage b = buttonPicture(
            summary ? m_summary.get() : static_cast<QWidget*>(m_customer.get()), other);
        QVERIFY(!a.isNull());
        QVERIFY(!b.isNull());
        QCOMPARE(a, b);
    }

    // A disabled picture button is drawn grey on every toolbar and on the main menu, so it
    // does not look clickable; enabled, the same button looks different. Its picture is
    // faded too, the same with every style rather than as the style greys it.
    void disabledButtonsLookDisabled_data() {
        QTest::addColumn<QWidget*>("screen");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("product sheet") << static_cast<QWidget*>(m_product.get()) << 20;
        QTest::newRow("customer sheet") << static_cast<QWidget*>(m_customer.get()) << 20;
        QTest::newRow("main menu") << static_cast<QWidget*>(m_menu.get()) << 12;
    }
    void disabledButtonsLookDisabled() {
        QFETCH(QWidget*, screen);
        QFETCH(int, atLeast);
        int checked = 0;
        screen->show();
        for (QAbstractButton* b : screen->findChildren<QAbstractButton*>()) {
            if (b->icon().isNull() || !b->isVisibleTo(screen))
                continue;
            const QString name = b->objectName();
            const bool was = b->isEnabled();
            b->setEnabled(false);
            const QImage disabled = b->grab().toImage();
            b->setEnabled(true);
            const QImage enabled = b->grab().toImage();
            b->setEnabled(was);
            QVERIFY2(maxChroma(disabled) < 24, qPrintable(name));
            QVERIFY2(enabled != disabled, qPrintable(name));
            QVERIFY2(maxAlpha(b->icon().pixmap(32, QIcon::Disabled).toImage()) < 200,
                     qPrintable(name));
            ++checked;
        }
        screen->hide();
        QVERIFY(checked >= atLeast);
    }
};

QTEST_MAIN(TestIcons)
#include "TestIcons.moc"
