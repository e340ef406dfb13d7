#include "support/TestUtil.h"
#include "ui/FieldConventions.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace dp;

namespace {

// A small screen: an amount, a digits field with a limit, a refused-set field, a rewrite,
// a whole-number field and a province-style combo box.
struct Screen {
    QWidget w;
    QLineEdit* amount;
    QLineEdit* digits;
    QLineEdit* name;
    QLineEdit* firm;
    QLineEdit* code;
    QLineEdit* whole;
    QComboBox* prov;
    QPushButton* button;
    QLabel* status;
    QFrame* panel;

    Screen() {
        auto* lay = new QVBoxLayout(&w);
        auto add = [&](const char* n) {
            auto* e = new QLineEdit(&w);
            e->setObjectName(QLatin1String(n));
            lay->addWidget(e);
            return e;
        };
        amount = add("txtCosto");
        digits = add("txtAvviso");
        name = add("txtCognome");
        firm = add("txtDitta");
        code = add("txtCodFisc");
        whole = add("txtAggiunta");
        prov = new QComboBox(&w);
        prov->setObjectName(QStringLiteral("txtProvRes"));
        prov->setEditable(true);
        prov->addItems({QStringLiteral("AG"), QStringLiteral("RM")});
        prov->setCurrentIndex(-1);
        lay->addWidget(prov);
        button = new QPushButton(QStringLiteral("Salva"), &w);
        button->setObjectName(QStringLiteral("btnSalva"));
        lay->addWidget(button);
        panel = new QFrame(&w);
        panel->setObjectName(QStringLiteral("shpPanel"));
        panel->setMinimumHeight(30);
        lay->addWidget(panel);
        status = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), &w);
        status->setObjectName(QStringLiteral("panInfo"));
        lay->addWidget(status);

        static const FieldConfig fields[] = {
            {"txtCosto", 12, "txtAvviso", Filter::Amount, Rewrite::None, Normalise::Amount},
            {"txtAvviso", 3, "txtCognome", Filter::Digits, Rewrite::None, Normalise::Whole},
            {"txtCognome", 5, "txtCosto", Filter::Refused},
            {"txtDitta", 50, nullptr, Filter::RefusedButAmp},
            {"txtCodFisc", 16, nullptr, Filter::Refused, Rewrite::UpperTrim},
            {"txtAggiunta", 8, nullptr, Filter::Digits, Rewrite::None, Normalise::Whole},
            {"txtProvRes", 2, "txtCosto", Filter::Refused, Rewrite::UpperTrim},
        };
        FieldConventions::apply(&w, fields);
        static const HintConfig hints[] = {{"btnSalva", "Salva la scheda corrente in archivio."}};
        FieldConventions::applyHints(&w, status, hints);
        w.resize(400, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
};

} // namespace

class TestFieldConventions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { dp::test::failOnQtWarnings(); }
    void filters_data();
    void filters();
    void digitsRefuseNavigationButPassEditingKeys();
    void refusedSetIsExactly50Characters();
    void enterChainsAndDoesNothingElse();
    void highlightFollowsFocus();
    void normalisationOnExit_data();
    void normalisationOnExit();
    void onlyReallyLeavingNormalises_data();
    void onlyReallyLeavingNormalises();
    void pasteThroughContextMenuKeepsTheAmount();
    void comingBackToAnotherFieldLeavesTheFirst();
    void enterOnTheLastStepPressesTheButton();
    void rewriteWhileTypingOnly();
    void typingLimitDoesNotCutProgramText();
    void comboBoxTakesPartInTheRules();
    void hintsAndBackground();
    void tableNamingAMissingControlWarns();
};

void TestFieldConventions::filters_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits keep digits") << "txtAvviso"
                                        << "1a,2 "
                                        << "12";
    QTest::newRow("amount keeps comma") << "txtCosto"
                                        << "12,5x."
                                        << "12,5";
    QTest::newRow("surname refuses e-grave and &")
        << "txtCognome" << QStringLiteral("a\u00E8&b") << "ab";
    QTest::newRow("surname passes a-tilde, sharp s")
        << "txtCognome" << QStringLiteral("\u00E3\u00DF") << QStringLiteral("\u00E3\u00DF");
    QTest::newRow("firm passes & only")
        << "txtDitta" << QStringLiteral("A&B/\u00F2") << QStringLiteral("A&B");
    QTest::newRow("upper and trim while typing") << "txtCodFisc"
                                                 << " rss m"
                                                 << "RSSM";
}

void TestFieldConventions::filters() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Screen s;
    auto* e = s.w.findChild<QLineEdit*>(field);
    e->setFocus();
    test::typeText(e, typed);
    QCOMPARE(e->text(), shown);
}

void TestFieldConventions::digitsRefuseNavigationButPassEditingKeys() {
    Screen s;
    s.digits->setFocus();
    QTest::keyClicks(s.digits, QStringLiteral("12"));
    QTest::keyClick(s.digits, Qt::Key_Left);
    QTest::keyClick(s.digits, Qt::Key_Backspace); // removes the 1
    QCOMPARE(s.digits->text(), QStringLiteral("2"));
    QTest::keyClick(s.digits, Qt::Key_Home); // refused: cursor stays before the 2
    QTest::keyClick(s.digits, Qt::Key_Delete);
    QCOMPARE(s.digits->text(), QString());
    QTest::keyClick(s.digits, Qt::Key_Tab);
    QVERIFY(s.digits->hasFocus());
}

void TestFieldConventions::refusedSetIsExactly50Characters() {
    int refused = 0;
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        if (!FieldConventions::accepts(Filter::Refused, 0, QString(QChar(c))))
            ++refused;
    QCOMPARE(refused, 50);
    QVERIFY(FieldConventions::accepts(Filter::Refused, 0, QStringLiteral("\u0141")));
    QVERIFY(FieldConventions::accepts(Filter::Refused, Qt::Key_Tab, QString()));
}

void TestFieldConventions::enterChainsAndDoesNothingElse() {
    Screen s;
    s.amount->setFocus();
    QTest::keyClick(s.amount, Qt::Key_Return);
    QVERIFY(s.digits->hasFocus());
    QTest::keyClick(s.digits, Qt::Key_Enter);
    QVERIFY(s.name->hasFocus());
    // No next control: Enter is swallowed and the focus stays.
    s.firm->setFocus();
    QTest::keyClick(s.firm, Qt::Key_Return);
    QVERIFY(s.firm->hasFocus());
}

void TestFieldConventions::highlightFollowsFocus() {
    Screen s;
    auto* eff = s.w.findChild<QFrame*>(QStringLiteral("effCosto"));
    QVERIFY(eff);
    s.name->setFocus();
    QVERIFY(!eff->isVisible());
    s.amount->setFocus();
    QVERIFY(eff->isVisible());
    QCOMPARE(eff->geometry(), s.amount->geometry().adjusted(-4, -4, 4, 4));
    s.name->setFocus();
    QVERIFY(!eff->isVisible());
}

void TestFieldConventions::normalisationOnExit_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::newRow("amount whole") << "txtCosto"
                                  << "3"
                                  << "3,00";
    QTest::newRow("amount 1 decimal") << "txtCosto"
                                      << "3,1"
                                      << "3,10";
    QTest::newRow("amount rounded") << "txtCosto"
                                    << "3,14159"
                                    << "3,1416";
    QTest::newRow("amount empty") << "txtCosto"
                                  << ""
                                  << "0,00";
    QTest::newRow("whole pasted half") << "txtAggiunta"
                                       << "2,5"
                                       << "3";
    QTest::newRow("whole pasted down") << "txtAggiunta"
                                       << "2,4"
                                       << "2";
    QTest::newRow("whole empty") << "txtAggiunta"
                                 << ""
                                 << "0";
}

void TestFieldConventions::normalisationOnExit() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, after);
    Screen s;
    auto* e = s.w.findChild<QLineEdit*>(field);
    e->setFocus();
    e->setText(text);
    s.firm->setFocus();
    QCOMPARE(e->text(), after);
}

void TestFieldConventions::onlyReallyLeavingNormalises_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("leaves");
    const struct {
        const char* name;
        Qt::FocusReason reason;
        bool leaves;
    } reasons[] = {
        {"Tab", Qt::TabFocusReason, true},
        {"Backtab", Qt::BacktabFocusReason, true},
        {"click elsewhere", Qt::MouseFocusReason, true},
        {"screen action", Qt::OtherFocusReason, true},
        {"shortcut", Qt::ShortcutFocusReason, true},
        {"context menu", Qt::PopupFocusReason, false},
        {"other window", Qt::ActiveWindowFocusReason, false},
    };
    for (const char* field : {"txtCosto", "txtAggiunta"})
        for (const auto& r : reasons)
            QTest::addRow("%s %s", field, r.name)
                << QString::fromLatin1(field) << int(r.reason) << r.leaves;
}

// A popup or another window takes the focus for a moment: the field keeps its text, its
// selection and its frame; only really leaving it normalises.
void TestFieldConventions::onlyReallyLeavingNormalises() {
    QFETCH(QString, field);
    QFETCH(int, reason);
    QFETCH(bool, leaves);
    Screen s;
    auto* e = s.w.findChild<QLineEdit*>(field);
    auto* eff = s.w.findChild<QFrame*>(QStringLiteral("eff") + field.mid(3));
    e->setFocus();
    e->setText(QStringLiteral("12"));
    e->selectAll();
    QVERIFY(eff->isVisible());
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(e, &out);
    const QString normalised =
        field == QLatin1String("txtCosto") ? QStringLiteral("12,00") : QStringLiteral("12");
    if (leaves) {
        QCOMPARE(e->text(), normalised);
        QVERIFY(!eff->isVisible());
    } else {
        QCOMPARE(e->text(), QStringLiteral("12"));
        QCOMPARE(e->selectedText(), QStringLiteral("12"));
        QVERIFY(eff->isVisible());
    }
}

// The case that turned an amount into "0,00": paste over the selection while the context
// menu has the focus, then leave the field.
void TestFieldConventions::pasteThroughContextMenuKeepsTheAmount() {
    Screen s;
    s.amount->setFocus();
    s.amount->setText(QStringLiteral("12"));
    s.amount->selectAll();
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(s.amount, &toMenu);
    s.amount->insert(QStringLiteral("13,5")); // what the menu's "Incolla" does
    QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(s.amount, &back);
    s.name->setFocus(Qt::MouseFocusReason); // a click on another field
    QCOMPARE(s.amount->text(), QStringLiteral("13,50"));
}

// A screen hidden with the focus in a field and shown again with the focus elsewhere (an
// area screen called up from a list): the field was left after all, so it loses its frame
// and is normalised, and only one field is framed.
void TestFieldConventions::comingBackToAnotherFieldLeavesTheFirst() {
    Screen s;
    auto* eff = s.w.findChild<QFrame*>(QStringLiteral("effCosto"));
    s.amount->setFocus();
    s.amount->setText(QStringLiteral("12"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(s.amount->text(), QStringLiteral("12"));
    QVERIFY(eff->isVisible());
    s.name->setFocus(Qt::OtherFocusReason); // set while the screen is not active
    s.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.w));
    QVERIFY(s.name->hasFocus());
    QCOMPARE(s.amount->text(), QStringLiteral("12,00"));
    QVERIFY(!eff->isVisible());
    QVERIFY(s.w.findChild<QFrame*>(QStringLiteral("effCognome"))->isVisible());
}

void TestFieldConventions::enterOnTheLastStepPressesTheButton() {
    QWidget w;
    auto* lay = new QVBoxLayout(&w);
    auto* find = new QLineEdit(&w);
    find->setObjectName(QStringLiteral("txtTrova"));
    auto* button = new QPushButton(QStringLiteral("Trova"), &w);
    button->setObjectName(QStringLiteral("btnTrova"));
    lay->addWidget(find);
    lay->addWidget(button);
    static const FieldConfig fields[] = {{"txtTrova", 0, "btnTrova"}};
    FieldConventions::apply(&w, fields);
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(button->hasFocus());
    QCOMPARE(pressed, 0);
    QTest::keyClick(button, Qt::Key_Enter);
    QCOMPARE(pressed, 1);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(pressed, 2);
}

void TestFieldConventions::rewriteWhileTypingOnly() {
    Screen s;
    s.code->setText(QStringLiteral("  abc  ")); // set by the program: left alone
    QCOMPARE(s.code->text(), QStringLiteral("  abc  "));
    s.code->clear();
    s.code->setFocus();
    QTest::keyClicks(s.code, QStringLiteral("ab "));
    QCOMPARE(s.code->text(), QStringLiteral("AB")); // a trailing blank vanishes at once
}

void TestFieldConventions::typingLimitDoesNotCutProgramText() {
    Screen s;
    s.name->setText(QStringLiteral("Bartolomeo")); // longer than the limit of 5
    QCOMPARE(s.name->text(), QStringLiteral("Bartolomeo"));
    s.name->clear();
    s.name->setFocus();
    QTest::keyClicks(s.name, QStringLiteral("abcdefg"));
    QCOMPARE(s.name->text(), QStringLiteral("abcde"));
}

void TestFieldConventions::comboBoxTakesPartInTheRules() {
    Screen s;
    s.prov->setFocus();
    auto* eff = s.w.findChild<QFrame*>(QStringLiteral("effProvRes"));
    QVERIFY(eff && eff->isVisible());
    QTest::keyClicks(s.prov, QStringLiteral("r/mx"));
    QCOMPARE(s.prov->currentText(), QStringLiteral("RM"));
    QTest::keyClick(s.prov, Qt::Key_Return);
    QVERIFY(s.amount->hasFocus());
    QVERIFY(!eff->isVisible());
}

void TestFieldConventions::hintsAndBackground() {
    Screen s;
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(s.button, &enter);
    QCOMPARE(s.status->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    // Crossing an unhinted field leaves the text; the background and panels empty it.
    QApplication::sendEvent(s.amount, &enter);
    QCOMPARE(s.status->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    QTest::mouseMove(s.panel, QPoint(5, 5));
    QCOMPARE(s.status->text(), QString());
    QApplication::sendEvent(s.button, &enter);
    QTest::mouseMove(&s.w, QPoint(1, 1));
    QCOMPARE(s.status->text(), QString());
}

// A misspelt name in a screen's table would leave a control without its rules or hint.
void TestFieldConventions::tableNamingAMissingControlWarns() {
    QWidget w;
    auto* status = new QLabel(&w);
    static const FieldConfig fields[] = {{"txtManca", 5, nullptr, Filter::Refused}};
    QTest::ignoreMessage(QtWarningMsg, "FieldConventions: no field txtManca");
    FieldConventions::apply(&w, fields);
    (new QLineEdit(&w))->setObjectName(QStringLiteral("txtCodice"));
    static const FieldConfig chain[] = {{"txtCodice", 5, "txtMancante"}};
    QTest::ignoreMessage(QtWarningMsg, "FieldConventions: no control txtMancante after txtCodice");
    FieldConventions::apply(&w, chain);
    static const HintConfig hints[] = {{"btnManca", "Un pulsante che non c'è."}};
    QTest::ignoreMessage(QtWarningMsg, "FieldConventions: no control btnManca for a hint");
    FieldConventions::applyHints(&w, status, hints);
}

QTEST_MAIN(TestFieldConventions)
#include "TestFieldConventions.moc"
