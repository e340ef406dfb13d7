#include "app/TfrmAvvio.h"

#include "app/AboutScreen.h"
#include "app/Artwork.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "backup/TfrmCopiaSicurezza.h"
#include "search/RecordListScreen.h"
#include "search/RecordLists.h"
#include "search/Reminders.h"
#include "ui/AppContext.h"
#include "ui/HandBack.h"
#include "ui/Icons.h"
#include "ui/Platform.h"
#include "ui/Style.h"
#include "ui/TfrmGuida.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace dp {

namespace {

struct Area {
    const char* stem;   // "Clienti": imgClienti, btnClienti, shpClienti
    const char* screen; // the area screen it opens
    const char* caption;
    const char* hint;
    art::Picture picture;
    void (TfrmAvvio::*handler)();
};

const Area kAreas[] = {
    {"Clienti", "TfrmClienti", "Clienti", "Anagrafica dei clienti", art::Picture::Clienti,
     &TfrmAvvio::imgClientiClick},
    {"Fornitori", "TfrmFornitori", "Fornitori", "Anagrafica dei fornitori", art::Picture::Fornitori,
     &TfrmAvvio::imgFornitoriClick},
    {"Magazzino", "TfrmMagazzino", "Magazzino", "Schede dei prodotti e giacenze",
     art::Picture::Magazzino, &TfrmAvvio::imgMagazzinoClick},
    {"Inventario", "TfrmMenuRiepilogo", "Inventario", "Inventario e valore della merce",
     art::Picture::Inventario, &TfrmAvvio::imgInventarioClick},
    {"Carico", "TfrmMenuRiepilogoCarico", "Carico merce", "Riepilogo dei movimenti di carico",
     art::Picture::Carico, &TfrmAvvio::imgCaricoClick},
    {"Scarico", "TfrmMenuRiepilogoScarico", "Scarico merce", "Riepilogo dei movimenti di scarico",
     art::Picture::Scarico, &TfrmAvvio::imgScaricoClick},
};

struct Tool {
    const char* name;
    const char* hint;
    QIcon (*picture)();
};

// The pictures of the title band.
const Tool kTools[] = {
    {"imgGuida", "Guida all'utilizzo del software", [] { return icon(Icon::Help); }},
    {"imgInfo", "Informazioni su Depotta", [] { return art::icon(art::Picture::Info); }},
    {"imgCopyright", "Riconoscimenti", [] { return art::icon(art::Picture::Copyright); }},
    {"icoSito", "Visita il sito web", [] { return art::icon(art::Picture::Sito); }},
    {"imgCopia", "Copia di sicurezza e ripristino degli archivi",
     [] { return art::icon(art::Picture::Copia); }},
    {"imgEsci", "Esci dal programma", [] { return art::icon(art::Picture::Esci); }},
};

constexpr int kBarHeight = 46;

// A fresh tool screen owned by the menu, shown modally and destroyed when it closes.
template <class Screen> void openModal(AppContext& ctx, QWidget* owner) {
    QPointer<Screen> screen = new Screen(ctx, owner);
    screen->exec();
    delete screen;
}

QString rgb(const QColor& c) {
    return c.name(QColor::HexRgb);
}

// One part of the reminder line: how many, in the singular and the plural, and the list it
// opens over its sheet.
struct Reminder {
    qint64 search::ReminderCounts::*count;
    const char* one;
    const char* many;
    const char* link;
    const char* sheet;
    search::RecordListConfig (*list)(QDate today);
};

const Reminder kReminders[] = {
    {&search::ReminderCounts::lowStock, "articolo sottoscorta", "articoli sottoscorta",
     "sottoscorta", "TfrmMagazzino", [](QDate) { return search::lowStockList(); }},
    {&search::ReminderCounts::unpaid, "acquisto da saldare", "acquisti da saldare", "dasaldare",
     "TfrmMagazzino", [](QDate) { return search::unpaidList(); }},
    {&search::ReminderCounts::customerCallBacks, "cliente da ricontattare",
     "clienti da ricontattare", "ricontattaclienti", "TfrmClienti",
     [](QDate) { return search::customerRecontactList(); }},
    {&search::ReminderCounts::supplierCallBacks, "fornitore da ricontattare",
     "fornitori da ricontattare", "ricontattafornitori", "TfrmFornitori",
     [](QDate) { return search::supplierRecontactList(); }},
    {&search::ReminderCounts::documents, "documento di identità scaduto o in scadenza",
     "documenti di identità scaduti o in scadenza", "documenti", "TfrmClienti",
     search::expiringDocumentList},
};

} // namespace

TfrmAvvio::TfrmAvvio(AppContext& ctx) : QWidget(nullptr), m_ctx(ctx) {
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Depotta"));
    setWindowIcon(art::icon(art::Picture::Logo));
    setAttribute(Qt::WA_StyledBackground);
    setWindowState(Qt::WindowMaximized);
    FormCreate();

    QString sheet =
        QStringLiteral(
            "#TfrmAvvio { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            "  stop:0 %1, stop:1 %2); }"
            "#bkgTitolo QToolButton { border: none; border-radius: 8px; padding: 4px; }"
            "#bkgTitolo QToolButton:hover { background: rgba(255, 255, 255, 40); }"
            "#bkgTitolo QToolButton:pressed { background: rgba(255, 255, 255, 70); }"
            "#lblPiede { color: %3; font-size: 10pt; }"
            "QFrame[card=\"true\"] { background: white; border: 1px solid %4;"
            "  border-radius: 10px; }"
            "QFrame[card=\"true\"] QToolButton { border: none; border-radius: 12px;"
            "  background: transparent; }"
            "QFrame[card=\"true\"] QToolButton:hover { background: %5; }"
            "QFrame[card=\"true\"] QPushButton { border: none; border-bottom-left-radius: 9px;"
            "  border-bottom-right-radius: 9px; color: white; font-size: 15pt; font-weight: bold;"
            "  font-family: Arial; }")
            .arg(QLatin1String(style::kMenuBackTop), QLatin1String(style::kMenuBackEnd),
                 QLatin1String(style::kMutedText), QLatin1String(style::kCardBorder),
                 QLatin1String(style::kCardHover));
    for (const Area& a : kAreas) {
        const QColor c = art::accent(a.picture);
        sheet +=
            QStringLiteral("#btn%1 { background: %2; } #btn%1:hover { background: %3; }"
                           "#btn%1:pressed { background: %4; }"
                           "#btn%1:disabled { background: %5; color: %6; }")
                .arg(QString::fromLatin1(a.stem), rgb(c), rgb(c.lighter(112)), rgb(c.darker(115)),
                     QLatin1String(style::kAreaOffBack), QLatin1String(style::kAreaOffText));
    }
    setStyleSheet(sheet);

    // Title band: the program's name on the left, the small pictures on the right.
    const style::LogoBand band = style::makeLogoBand(this, art::banner(76, devicePixelRatioF()),
                                                     QMargins(36, 18, 30, 18), 112);
    QFrame* header = band.frame;
    QHBoxLayout* headerLayout = band.layout;
    headerLayout->setSpacing(10);
    for (const Tool& t : kTools) {
        auto* b = new QToolButton(header);
        b->setObjectName(QString::fromLatin1(t.name));
        b->setIcon(t.picture());
        b->setIconSize(QSize(44, 44));
        b->setToolTip(QString::fromUtf8(t.hint));
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        if (qstrcmp(t.name, "imgEsci") == 0)
            headerLayout->addSpacing(18);
        headerLayout->addWidget(b);
    }
    connect(header->findChild<QToolButton*>(QStringLiteral("imgGuida")), &QToolButton::clicked,
            this, [this] { imgGuidaClick(); });
    connect(header->findChild<QToolButton*>(QStringLiteral("imgInfo")), &QToolButton::clicked, this,
            [this] { imgInfoClick(); });
    connect(header->findChild<QToolButton*>(QStringLiteral("imgCopia")), &QToolButton::clicked,
            this, [this] {
                openModal<TfrmCopiaSicurezza>(m_ctx, this);
                countReminders(); // a restore brings other archives
            });
    connect(header->findChild<QToolButton*>(QStringLiteral("imgCopyright")), &QToolButton::clicked,
            this, [this] { imgCopyrightClick(); });
    connect(header->findChild<QToolButton*>(QStringLiteral("icoSito")), &QToolButton::clicked, this,
            [this] { icoSitoClick(); });
    connect(header->findChild<QToolButton*>(QStringLiteral("imgEsci")), &QToolButton::clicked, this,
            [this] { imgEsciClick(); });

    // The six work areas, each a card with its picture over its caption bar.
    auto* areas = new QWidget(this);
    m_grid = new QGridLayout(areas);
    m_grid->setContentsMargins(0, 0, 0, 0);
    int i = 0;
    for (const Area& a : kAreas) {
        const QString stem = QString::fromLatin1(a.stem);
        auto* card = new QFrame(areas);
        card->setObjectName(QStringLiteral("shp") + stem);
        card->setProperty("card", true);
        auto* img = new QToolButton(card);
        img->setObjectName(QStringLiteral("img") + stem);
        img->setIcon(art::icon(a.picture));
        img->setToolTip(QString::fromUtf8(a.hint));
        img->setCursor(Qt::PointingHandCursor);
        auto* btn = new QPushButton(QString::fromUtf8(a.caption), card);
        btn->setObjectName(QStringLiteral("btn") + stem);
        btn->setToolTip(QString::fromUtf8(a.hint));
        btn->setCursor(Qt::PointingHandCursor);
        btn->setFixedHeight(kBarHeight);
        auto* cardLayout = new QVBoxLayout(card);
        cardLayout->setContentsMargins(1, 16, 1, 1);
        cardLayout->setSpacing(14);
        cardLayout->addWidget(img, 0, Qt::AlignHCenter);
        cardLayout->addWidget(btn);
        const auto handler = a.handler;
        connect(img, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
        connect(btn, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        m_grid->addWidget(card, i / 3, i % 3);
        m_areas.push_back({a.screen, img, btn, card});
        ++i;
    }

    // What needs doing today, filled in once counted; hidden while there is nothing.
    m_promemoria = new QLabel(this);
    m_promemoria->setObjectName(QStringLiteral("lblPromemoria"));
    m_promemoria->setAlignment(Qt::AlignCenter);
    m_promemoria->setTextFormat(Qt::RichText);
    m_promemoria->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
    m_promemoria->setToolTip(QStringLiteral("Fare clic su una voce per aprirne l'elenco."));
    m_promemoria->setStyleSheet(QStringLiteral("#lblPromemoria { color: %1; font-size: 12pt;"
                                               "  background: %2; border: 1px solid %3;"
                                               "  border-radius: 8px; padding: 8px 18px; }")
                                    .arg(QLatin1String(style::kInk),
                                         QLatin1String(style::kReminderBack),
                                         QLatin1String(style::kReminderBorder)));
    m_promemoria->hide();
    connect(m_promemoria, &QLabel::linkActivated, this, &TfrmAvvio::openReminder);

    auto* footer = new QLabel(QStringLiteral("Scegli l'area di lavoro."), this);
    footer->setObjectName(QStringLiteral("lblPiede"));
    footer->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 18);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addStretch(1);
    layout->addWidget(areas, 0, Qt::AlignCenter);
    layout->addSpacing(24);
    layout->addWidget(m_promemoria, 0, Qt::AlignCenter);
    layout->addStretch(1);
    layout->addWidget(footer);

    fitToSize();
}

void TfrmAvvio::FormCreate() {
    // Numbers and dates in Qt's own widgets follow the Italian rules (comma decimal) from
    // here on, whatever the machine's regional settings say.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TfrmAvvio::fitToSize() {
    // Pictures grow with the window so the menu fills a large screen and still fits a small
    // one: two rows of cards below the title band.
    const int free = height() - 112 - 18 - 40;
    const int byHeight = (free - 3 * 28) / 2 - (kBarHeight + 16 + 14 + 2 + 16);
    const int byWidth = (width() - 4 * 36) / 3 - 60;
    const int size = qBound(72, qMin(byHeight, byWidth), 216);
    if (size == m_iconSize)
        return;
    m_iconSize = size;
    const int cardWidth = qMax(size + 90, 250);
    m_grid->setHorizontalSpacing(qBound(18, size / 4, 40));
    m_grid->setVerticalSpacing(qBound(18, size / 5, 36));
    for (const AreaControls& a : m_areas) {
        a.img->setIconSize(QSize(size, size));
        a.img->setFixedSize(size + 16, size + 16);
        a.card->setFixedWidth(cardWidth);
    }
}

void TfrmAvvio::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitToSize();
}

void TfrmAvvio::FormShow() {
    // Area screens are created after the menu, so whether each exists is checked here.
    for (const AreaControls& a : m_areas) {
        const bool present = m_ctx.screen(QString::fromLatin1(a.screen)) != nullptr;
        a.img->setEnabled(present);
        a.btn->setEnabled(present);
    }
    countReminders();
}

TfrmAvvio::~TfrmAvvio() {
    if (m_counting) {
        m_counting->wait();
        delete m_counting;
    }
}

void TfrmAvvio::countReminders() {
    // Counted away from the interface, so that the menu comes up at once with large
    // archives; counted again each time the menu comes back, as the work may have changed.
    // A count already running may have read the archives before the change: one more
    // follows it.
    if (m_counting) {
        m_recount = true;
        return;
    }
    auto result = std::make_shared<search::ReminderCounts>();
    const QString folder = m_ctx.programDir();
    const QDate today = m_ctx.platform().now().date();
    m_counting = QThread::create(
        [result, folder, today] { *result = search::countReminders(folder, today); });
    connect(m_counting, &QThread::finished, this, [this, result] {
        m_counting->deleteLater();
        m_counting = nullptr;
        if (std::exchange(m_recount, false))
            countReminders();
        else
            showReminders(*result);
    });
    m_counting->start();
}

void TfrmAvvio::showReminders(const search::ReminderCounts& counts) {
    QStringList parts;
    for (const Reminder& r : kReminders) {
        const qint64 n = counts.*r.count;
        if (n > 0)
            parts << QStringLiteral("<a href=\"%1\" style=\"color: %2;\">%3 %4</a>")
                         .arg(QLatin1String(r.link), QLatin1String(style::kReminderLink))
                         .arg(n)
                         .arg(QString::fromUtf8(n == 1 ? r.one : r.many));
    }
    m_promemoria->setText(QStringLiteral("<b>Da fare:</b> ") +
                          parts.join(QStringLiteral(" &nbsp;·&nbsp; ")));
    m_promemoria->setVisible(!parts.isEmpty());
}

void TfrmAvvio::openReminder(const QString& link) {
    const Reminder* reminder = nullptr;
    for (const Reminder& r : kReminders)
        if (link == QLatin1String(r.link))
            reminder = &r;
    if (!reminder)
        return;
    QWidget* sheet = m_ctx.screen(QString::fromLatin1(reminder->sheet));
    auto* receiver = dynamic_cast<RecordReceiver*>(sheet);
    if (!receiver)
        return;
    // The list opens over its sheet, as from the sheet's own button, so that a record picked
    // there comes up on the sheet the user then works on.
    openArea(reminder->sheet);
    const search::RecordListConfig def = reminder->list(m_ctx.platform().now().date());
    RecordListScreen::open(m_ctx, sheet, def, *receiver);
}

void TfrmAvvio::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        placeWindow(this, Placement::Maximised);
    }
    QWidget::setVisible(visible);
}

void TfrmAvvio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TfrmAvvio::openArea(const char* screen) {
    QWidget* area = m_ctx.screen(QString::fromLatin1(screen));
    if (!area)
        return;
    area->show();
    area->raise();
    area->activateWindow();
    hide();
}

void TfrmAvvio::imgClientiClick() {
    openArea("TfrmClienti");
}

void TfrmAvvio::imgFornitoriClick() {
    openArea("TfrmFornitori");
}

void TfrmAvvio::imgMagazzinoClick() {
    openArea("TfrmMagazzino");
}

void TfrmAvvio::imgInventarioClick() {
    openArea("TfrmMenuRiepilogo");
}

void TfrmAvvio::imgCaricoClick() {
    openArea("TfrmMenuRiepilogoCarico");
}

void TfrmAvvio::imgScaricoClick() {
    openArea("TfrmMenuRiepilogoScarico");
}

void TfrmAvvio::imgGuidaClick() {
    showHelp(m_ctx, this, HelpTopic::Generale);
}

void TfrmAvvio::imgInfoClick() {
    openModal<TfrmInfo>(m_ctx, this);
}

void TfrmAvvio::imgCopyrightClick() {
    openModal<TfrmSplash>(m_ctx, this);
}

void TfrmAvvio::icoSitoClick() {
    m_ctx.platform().openUrl(QUrl(Maker::webSite()));
}

void TfrmAvvio::imgEsciClick() {
    close();
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::exit(0);
}

} // namespace dp
