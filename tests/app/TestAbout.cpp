#include "app/TfrmAvvio.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "ui/LinkLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace dp;
using namespace dp::test;
using namespace Qt::StringLiterals;

// The information and splash screens of the main menu: each opening a fresh modal screen
// whose link, by its text or its picture, hands the maker's address to the desktop.
class TestAbout : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TfrmAvvio> m_menu;

  private Q_SLOTS:
    void init() {
        dp::test::failOnQtWarnings();
        m_platform = std::make_unique<FakePlatform>(m_dir.path());
        m_ctx = std::make_unique<AppContext>(*m_platform);
        m_menu = std::make_unique<TfrmAvvio>(*m_ctx);
    }

    void opensFromTheMenu_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("linkPicture");
        QTest::addColumn<QString>("linkText");
        QTest::addColumn<QString>("url");
        QTest::newRow("information")
            << u"imgInfo"_s << u"TfrmInfo"_s << u" Informazioni su Depotta"_s << u"imgEmail"_s
            << u"assistenza@depotta.it"_s
            << u"mailto:assistenza@depotta.it?subject=Software Depotta&body=Salve, desidererei "
               u"avere le seguenti informazioni sul software in oggetto:"_s;
        QTest::newRow("splash") << u"imgCopyright"_s << u"TfrmSplash"_s
                                << u" Depotta - un programma di Lorvani Software"_s << u"imgWeb"_s
                                << u"www.depotta.it"_s << u"https://www.depotta.it"_s;
    }
    void opensFromTheMenu() {
        QFETCH(QString, picture);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, linkPicture);
        QFETCH(QString, linkText);
        QFETCH(QString, url);
        m_menu->show();
        auto* entry = m_menu->findChild<QAbstractButton*>(picture);
        QVERIFY(entry->isEnabled());
        for (int opening = 0; opening < 2; ++opening) {
            m_platform->clear();
            QPointer<QWidget> shown;
            whileModal(
                [&] { entry->click(); },
                [&](QWidget* modal) {
                    shown = modal;
                    QCOMPARE(modal->objectName(), screen);
                    QCOMPARE(modal->windowTitle(), caption);
                    QCOMPARE(modal->parentWidget(), m_menu.get());
                    QVERIFY(!(modal->windowFlags() & Qt::WindowCloseButtonHint));
                    auto* link = modal->findChild<LinkLabel*>(u"lnkWeb"_s);
                    QCOMPARE(link->text(), linkText);
                    QVERIFY(link->font().underline());
                    QTest::mousePress(modal->findChild<QLabel*>(linkPicture), Qt::LeftButton);
                    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 165, 0));
                    QTest::mouseRelease(modal->findChild<QLabel*>(linkPicture), Qt::LeftButton);
                    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 139));
                    QTest::mouseClick(link, Qt::LeftButton);
                    QCOMPARE(m_platform->opened, (QStringList{url, url}));
                    modal->findChild<QAbstractButton*>(u"btnChiudi"_s)->click();
                });
            QVERIFY(shown.isNull());
            QCOMPARE(m_platform->opened.size(), 2);
        }
        QVERIFY(m_platform->shown.isEmpty());
    }
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
