#include "summaries/MovementSelection.h"
#include "ui/EnterChain.h"

#include "export/ExportScreen.h"
#include "storage/StorageError.h"
#include "storage/TextValues.h"
#include "summaries/IntervalRules.h"
#include "summaries/MovementSummaryList.h"
#include "summaries/SummaryWidgets.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace dp {

using namespace summaries;

namespace {

constexpr FieldConfig kFields[] = {
    {"txtTipologia", 30, "txtGiornoInizio"},
    {"txtAnno", 4, "txtTipologia", Filter::Digits},
};

// The drop-down boxes take no key but Enter, which walks on in this order.
struct BoxStep {
    const char* box;
    const char* next;
};
constexpr BoxStep kBoxChain[] = {
    {"txtGiornoInizio", "txtMeseInizio"},
    {"txtMeseInizio", "txtGiornoFine"},
    {"txtGiornoFine", "txtMeseFine"},
    {"txtMeseFine", "btnVisualizza"},
};

} // namespace

MovementSelection::MovementSelection(AppContext& ctx, const MovementSummaryConfig& kind)
    : AreaScreen(ctx, QString::fromLatin1(kind.selectionClass), QString::fromUtf8(kind.caption)),
      m_kind(kind) {
    auto* campo01 =
        makeLabel(this, QStringLiteral("lblCampo01"),
                  QStringLiteral("Indicare l'anno solare di interesse e il codice articolo."));
    auto* campo02 = makeLabel(this, QStringLiteral("lblCampo02"), QString::fromUtf8(kind.campo02));
    campo02->setWordWrap(true);
    auto* campo03 = makeLabel(
        this, QStringLiteral("lblCampo03"),
        QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare."));

    auto* titTipologia =
        makeLabel(this, QStringLiteral("titTipologia"), QStringLiteral("Codice articolo:"));
    m_tipologia = new QLineEdit(this);
    m_tipologia->setObjectName(QStringLiteral("txtTipologia"));
    m_tipologia->setMinimumWidth(260);
    auto* titAnno = makeLabel(this, QStringLiteral("titAnno"), QStringLiteral("Anno:"));
    m_anno = new QLineEdit(this);
    m_anno->setObjectName(QStringLiteral("txtAnno"));
    m_anno->setFixedWidth(70);

    auto makeGroup = [this](const QString& name, const QString& title, QComboBox* day,
                            QComboBox* month, QLabel* year) {
        auto* g = new QGroupBox(title, this);
        g->setObjectName(name);
        auto* grid = new QGridLayout(g);
        grid->setContentsMargins(14, 12, 14, 12);
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(10);
        day->setParent(g);
        month->setParent(g);
        year->setParent(g);
        grid->addWidget(new QLabel(QStringLiteral("Giorno:"), g), 0, 0);
        grid->addWidget(day, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Mese:"), g), 1, 0);
        grid->addWidget(month, 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("Anno:"), g), 2, 0);
        grid->addWidget(year, 2, 1);
        grid->setColumnStretch(1, 1);
        return g;
    };
    m_giornoInizio = makeBox(QStringLiteral("txtGiornoInizio"), dayItems());
    m_meseInizio = makeBox(QStringLiteral("txtMeseInizio"), monthItems());
    m_giornoFine = makeBox(QStringLiteral("txtGiornoFine"), dayItems());
    m_meseFine = makeBox(QStringLiteral("txtMeseFine"), monthItems());
    m_annoInizio = makeLabel(this, QStringLiteral("lblAnnoInizio"), QStringLiteral("ANNO"));
    m_annoFine = makeLabel(this, QStringLiteral("lblAnnoFine"), QStringLiteral("ANNO"));
    for (QLabel* l : {m_annoInizio, m_annoFine})
        l->setStyleSheet(style::boldSheet());
    auto* grpInizio =
        makeGroup(QStringLiteral("grpDataInizio"), QStringLiteral(" Data inizio intervallo: "),
                  m_giornoInizio, m_meseInizio, m_annoInizio);
    auto* grpFine =
        makeGroup(QStringLiteral("grpDataFine"), QStringLiteral(" Data fine intervallo: "),
                  m_giornoFine, m_meseFine, m_annoFine);
    m_dataInizio = makeLabel(this, QStringLiteral("lblDataInizio"), QString());
    m_dataFine = makeLabel(this, QStringLiteral("lblDataFine"), QString());
    m_file = makeLabel(this, QStringLiteral("lblFile"), QStringLiteral("FilePath"));
    for (QLabel* l : {m_dataInizio, m_dataFine, m_file})
        l->hide();

    m_attendere =
        makeWaitingLabel(this, QStringLiteral("Caricamento riepilogo in corso. Attendere..."));
    m_visualizza = new QPushButton(QStringLiteral("Visualizza riepilogo"), this);
    m_visualizza->setObjectName(QStringLiteral("btnVisualizza"));
    m_visualizza->setDefault(false);
    m_visualizza->setAutoDefault(false);
    m_esci = new QPushButton(QStringLiteral("Esci"), this);
    m_esci->setObjectName(QStringLiteral("btnEsci"));
    m_esci->setAutoDefault(false);

    m_esporta =
        makePicture(this, QStringLiteral("cmdEsporta"),
                    QStringLiteral("Esporta l'archivio dei movimenti in un foglio di calcolo"),
                    QStringLiteral("sheet"));
    m_lnkEsporta = makeLabel(this, QStringLiteral("lnkEsporta"), QStringLiteral("Esporta"));
    m_lnkEsporta->setCursor(Qt::PointingHandCursor);
    setLinkColour(style::kLink);

    // Layout: instructions, code and year, the two dates side by side, then the actions.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(10);
    top->addWidget(titTipologia, 0, 0);
    top->addWidget(m_tipologia, 0, 1);
    top->addItem(new QSpacerItem(24, 1), 0, 2);
    top->addWidget(titAnno, 0, 3);
    top->addWidget(m_anno, 0, 4);
    top->setColumnStretch(1, 1);

    auto* dates = new QHBoxLayout;
    dates->setSpacing(16);
    dates->addWidget(grpInizio, 1);
    dates->addWidget(grpFine, 1);

    auto* exportRow = new QHBoxLayout;
    exportRow->setSpacing(4);
    exportRow->addWidget(m_esporta);
    exportRow->addWidget(m_lnkEsporta);
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(exportRow);
    buttons->addStretch(1);
    buttons->addWidget(m_visualizza);
    buttons->addWidget(m_esci);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(14, 12, 14, 12);
    main->setSpacing(10);
    main->addWidget(style::makeHeadingBand(this, QStringLiteral("titIntestazione"),
                                           style::titleOf(windowTitle()))
                        .frame);
    main->addWidget(campo01);
    main->addLayout(top);
    main->addWidget(campo02);
    main->addSpacing(6);
    main->addWidget(campo03);
    main->addLayout(dates);
    main->addWidget(m_attendere);
    main->addStretch(1);
    main->addLayout(buttons);
    setMinimumSize(640, 420);
    resize(660, 430);

    // FormCreate: typing limits, Enter chain, highlight, digits only in the year.
    FieldConventions::apply(this, kFields);
    for (const BoxStep& s : kBoxChain)
        for (const char* name : {s.box, s.next})
            if (!findChild<QWidget*>(QLatin1String(name)))
                qWarning("MovementSelection: no control %s", name);
    connect(m_anno, &QLineEdit::textChanged, this, &MovementSelection::txtAnnoChanged);
    connect(m_visualizza, &QPushButton::clicked, this, &MovementSelection::btnVisualizzaClick);
    connect(m_esci, &QPushButton::clicked, this, &MovementSelection::btnEsciClick);
    m_visualizza->installEventFilter(this);
    connect(m_esporta, &QToolButton::clicked, this, &MovementSelection::cmdEsportaClick);
    m_esporta->installEventFilter(this);
    m_lnkEsporta->installEventFilter(this);
}

void MovementSelection::setLinkColour(const char* colour) {
    m_lnkEsporta->setStyleSheet(
        QStringLiteral("QLabel { color: %1; font-weight: bold; } "
                       "QLabel:disabled { color: %2; }")
            .arg(QLatin1String(colour), QLatin1String(style::kLinkDisabled)));
}

QComboBox* MovementSelection::makeBox(const QString& name, const QStringList& items) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    box->setMinimumWidth(130);
    // Highlight rectangle behind the box, shown while it has the focus.
    QFrame* rect = style::makeHighlight(this, QStringLiteral("eff") + name.mid(3));
    box->setProperty("dpHighlight", QVariant::fromValue(static_cast<QObject*>(rect)));
    box->installEventFilter(this);
    return box;
}

bool MovementSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_esporta || watched == m_lnkEsporta) {
        // The link turns orange while the mouse button is held on the picture or the link.
        if (event->type() == QEvent::MouseButtonPress) {
            setLinkColour(style::kLinkPressed);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            setLinkColour(style::kLink);
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (watched == m_lnkEsporta && m_lnkEsporta->rect().contains(at))
                lnkEsportaClick();
        }
        return false;
    }
    if (watched == m_visualizza) {
        if (event->type() == QEvent::MouseButtonPress)
            btnVisualizzaMouseDown();
        return false;
    }
    auto* box = qobject_cast<QComboBox*>(watched);
    if (!box)
        return false;
    auto* rect = qobject_cast<QWidget*>(box->property("dpHighlight").value<QObject*>());
    switch (event->type()) {
    case QEvent::FocusIn:
        if (rect) {
            style::placeHighlight(rect, box);
            rect->show();
        }
        break;
    case QEvent::FocusOut:
        if (rect && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
            rect->hide();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (event->type() == QEvent::KeyPress && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            for (const BoxStep& s : kBoxChain)
                if (box->objectName() == QLatin1String(s.box))
                    enterChainMoveTo(findChild<QWidget*>(QString::fromLatin1(s.next)));
        }
        // A day or month is picked from the list only.
        return true;
    }
    case QEvent::Wheel:
        return true;
    default:
        break;
    }
    return false;
}

void MovementSelection::FormShow() {
    for (QComboBox* box : {m_giornoInizio, m_meseInizio, m_giornoFine, m_meseFine})
        box->setCurrentIndex(-1);
    m_tipologia->clear();
    const QString year =
        QStringLiteral("%1").arg(context().platform().now().date().year(), 4, 10, QLatin1Char('0'));
    m_anno->setText(year);
    m_annoInizio->setText(year);
    m_annoFine->setText(year);
    m_attendere->hide();
    m_tipologia->setFocus(Qt::OtherFocusReason);
}

void MovementSelection::txtAnnoChanged() {
    // Both dates of the interval always lie in the year typed.
    const QString year = text::trim(m_anno->text());
    m_annoInizio->setText(year);
    m_annoFine->setText(year);
}

void MovementSelection::btnVisualizzaMouseDown() {
    m_attendere->show();
}

void MovementSelection::fail(QWidget* focus) {
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    m_attendere->hide();
}

void MovementSelection::btnVisualizzaClick() {
    m_dataInizio->clear();
    m_dataFine->clear();
    // Both dates lie in the year typed; the year labels only show it.
    const QString year = text::trim(m_anno->text());
    const IntervalCheck check =
        checkInterval({m_anno->text(), m_giornoInizio->currentText(), m_meseInizio->currentText(),
                       year, m_giornoFine->currentText(), m_meseFine->currentText(), year});
    m_dataInizio->setText(check.start);
    m_dataFine->setText(check.end);
    if (!check.ok) {
        Platform& p = context().platform();
        if (check.warning)
            p.notice(this, NoticeKind::Warning, check.text);
        else
            p.message(this, check.text);
        QWidget* focus = nullptr;
        switch (check.focus) {
        case IntervalFocus::Anno:
            focus = m_anno;
            break;
        case IntervalFocus::GiornoInizio:
            focus = m_giornoInizio;
            break;
        case IntervalFocus::MeseInizio:
            focus = m_meseInizio;
            break;
        case IntervalFocus::GiornoFine:
            focus = m_giornoFine;
            break;
        case IntervalFocus::MeseFine:
            focus = m_meseFine;
            break;
        case IntervalFocus::Stay:
            break;
        }
        fail(focus);
        return;
    }

    // The request goes to the list as built; the hidden labels show it.
    const MovementRequest request{journalPath(), m_tipologia->text(), check.start, check.end};
    try {
        // Also when the button was pressed from the keyboard, the user sees that we are busy.
        m_attendere->show();
        m_attendere->repaint();
        auto list = std::make_unique<MovementSummaryList>(context(), this, m_kind);
        list->setRequest(request);
        list->exec();
        m_attendere->hide();
    } catch (const std::exception& e) {
        logStorageError(e);
        context().platform().message(
            this, QStringLiteral("Attenzione: il file di archivio non risulta accessibile."));
        m_attendere->hide();
    }
}

QString MovementSelection::journalPath() {
    const QString path = context().path(Journal::fileName(m_kind.kind));
    m_file->setText(path);
    return path;
}

void MovementSelection::cmdEsportaClick() {
    setLinkColour(style::kLink);
    const QString path = journalPath();
    if (const auto* config = exports::findExportConfig(QString::fromLatin1(m_kind.exportClass)))
        openExport(context(), this, *config, path);
}

void MovementSelection::lnkEsportaClick() {
    cmdEsportaClick();
}

void MovementSelection::btnEsciClick() {
    close();
}

} // namespace dp
