#include "registry/TfrmClienti.h"
#include "support/FakePlatform.h"
#include "support/SmallDisk.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QtTest>

using namespace dp;
using namespace Qt::StringLiterals;

class TestArchiveNotices : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { test::failOnQtWarnings(); }

    void aFailedSaveSaysWhy_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("notice");
        QTest::newRow("read-only folder") << false << test::kArchiveErrorNotice;
        QTest::newRow("full disk")
            << true
            << u"Attenzione: il sistema non permette di accedere all'archivio perché il disco "
               u"della cartella di installazione del programma è pieno.\n\r\n\rLiberare spazio "
               u"sul disco e riprovare."_s;
    }

    // A full disk is not a question of write permissions, and the user is not sent after them.
    void aFailedSaveSaysWhy() {
        QFETCH(bool, diskFull);
        QFETCH(QString, notice);
        test::SmallDisk disk;
        DP_REQUIRE_SMALL_DISK(disk);
        test::FakePlatform fake(disk.path());
        AppContext ctx(fake);
        TfrmClienti sheet(ctx);
        for (auto [field, text] : {std::pair{"txtCognome", u"Rossi"_s}, {"txtNome", u"Mario"_s}}) {
            auto* w = sheet.findChild<QWidget*>(QLatin1String(field));
            w->setFocus();
            test::typeText(w, text);
        }
        std::optional<test::ScopedPermissions> readOnly;
        if (diskFull)
            QVERIFY(disk.fill(0));
        else
            readOnly.emplace(disk.path(), test::kReadOnlyFolder);
        {
            test::Unprivileged asUser;
            test::expectStorageLog(u"Clienti.pro"_s);
            QTest::mouseClick(sheet.findChild<QAbstractButton*>(u"cmdSalva"_s), Qt::LeftButton);
        }
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.lastKind(), test::FakePlatform::Kind::Error);
        QCOMPARE(fake.lastText(), notice);
    }
};

QTEST_MAIN(TestArchiveNotices)
#include "TestArchiveNotices.moc"
