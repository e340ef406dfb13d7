#include "storage/TextValues.h"

#include <QLocale>
#include <QtTest>

using namespace dp;

// Runs under a point-decimal locale (the test environment sets LC_ALL=C.UTF-8 and the
// default QLocale is forced to English below) so nothing may lean on the system's format.
class TestTextValues : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void parseNumber_data();
    void parseNumber();
    void normaliseAmount_data();
    void normaliseAmount();
    void normaliseWhole_data();
    void normaliseWhole();
    void formatNumber_data();
    void formatNumber();
    void dates();
    void caseFoldingIsAsciiOnly();
};

void TestTextValues::parseNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma decimal") << "12,5" << true << 12.5;
    QTest::newRow("blanks around") << "  7 " << true << 7.0;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "5," << true << 5.0;
    QTest::newRow("point refused") << "12.5" << false << 0.0;
    QTest::newRow("thousands refused") << "1.000,5" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("comma only") << "," << false << 0.0;
    QTest::newRow("exponent") << "1,5E2" << true << 150.0;
}

void TestTextValues::parseNumber() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto v = text::parseNumber(text);
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QCOMPARE(*v, value);
}

void TestTextValues::normaliseAmount_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("whole") << "3"
                           << "3,00";
    QTest::newRow("one decimal") << "3,1"
                                 << "3,10";
    QTest::newRow("round 4") << "3,14159"
                             << "3,1416";
    QTest::newRow("three decimals") << "1,234"
                                    << "1,234";
    QTest::newRow("half up") << "1,23455"
                             << "1,2346";
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("blanks") << "   "
                            << "0,00";
    QTest::newRow("junk") << "1,2,3"
                          << "0,00";
    QTest::newRow("twelve and a half") << "12,5"
                                       << "12,50";
    QTest::newRow("zero") << "0"
                          << "0,00";
    QTest::newRow("too large for plain digits") << "1E58"
                                                << "1E58";
    QTest::newRow("near the largest double") << "1E308"
                                             << "1E308";
}

void TestTextValues::normaliseAmount() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(text::normaliseAmount(in), out);
}

void TestTextValues::normaliseWhole_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("half up") << "2,5"
                             << "3";
    QTest::newRow("down") << "2,4"
                          << "2";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("junk") << "x"
                          << "0";
    QTest::newRow("leading zeros") << "007"
                                   << "7";
}

void TestTextValues::normaliseWhole() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(text::normaliseWhole(in), out);
}

void TestTextValues::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("37.5") << 37.5 << "37,5";
    QTest::newRow("40") << 40.0 << "40";
    QTest::newRow("negative") << -3.25 << "-3,25";
    QTest::newRow("15 digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("big whole") << 123456789012.0 << "123456789012";
}

void TestTextValues::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(text::formatNumber(value), text);
}

void TestTextValues::dates() {
    QCOMPARE(text::formatDate(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
    QCOMPARE(text::parseDate(u"29/02/2024"), std::optional<QDate>(QDate(2024, 2, 29)));
    QVERIFY(!text::parseDate(u"29/02/2023"));
    QVERIFY(!text::parseDate(u"2024-03-05"));
    QVERIFY(!text::parseDate(u""));
    QCOMPARE(text::parseDate(u"5/3/2024"), std::optional<QDate>(QDate(2024, 3, 5)));
    QCOMPARE(text::formatTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
}

void TestTextValues::caseFoldingIsAsciiOnly() {
    QCOMPARE(text::upperAscii(u"abc\u00E8z"), QStringLiteral("ABC\u00E8Z"));
    QCOMPARE(text::lowerAscii(u"ABC\u00C8"), QStringLiteral("abc\u00C8"));
    QCOMPARE(text::trim(u"\x01 a b \x20"), QStringLiteral("a b"));
}

QTEST_GUILESS_MAIN(TestTextValues)
#include "TestTextValues.moc"
