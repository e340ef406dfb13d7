#include "summaries/TfrmMenuRiepilogo.h"

#include "summaries/SummaryWidgets.h"
#include "summaries/TfrmRiepilogo.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Platform.h"
#include "ui/Style.h"
#include "ui/TfrmGuida.h"
#include "warehouse/TfrmVerificaGiacenze.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace dp {

using namespace summaries;

namespace {
constexpr FieldConfig kFields[] = {
    {"txtTipologia", 0, "btnVisualizza"},
};
}

TfrmMenuRiepilogo::TfrmMenuRiepilogo(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("TfrmMenuRiepilogo"),
                 QStringLiteral(" Depotta - Inventario Merce")) {
    auto* apri = makeLabel(
        this, QStringLiteral("lblApri"),
        QStringLiteral("Indicare una categoria merceologica e premere il pulsante Visualizza."));
    auto* informazioni =
        makeLabel(this, QStringLiteral("lblInformazioni"),
                  QStringLiteral("Per ottenere l'inventario di tutti gli articoli in magazzino, "
                                 "premere il pulsante Visualizza senza indicare alcuna "
                                 "categoria merceologica."));
    informazioni->setWordWrap(true);
    auto* titTipologia =
        makeLabel(this, QStringLiteral("titTipologia"), QStringLiteral("Categoria merceologica:"));
    m_tipologia = new QLineEdit(this);
    m_tipologia->setObjectName(QStringLiteral("txtTipologia"));
    m_visualizza = new QPushButton(QStringLiteral("Visualizza"), this);
    m_visualizza->setObjectName(QStringLiteral("btnVisualizza"));
    m_visualizza->setAutoDefault(false);
    auto* verifica = new QPushButton(QStringLiteral("Verifica giacenze"), this);
    verifica->setObjectName(QStringLiteral("btnVerifica"));
    verifica->setAutoDefault(false);
    verifica->setToolTip(QStringLiteral("Confronta la giacenza di ogni scheda con i carichi e gli "
                                        "scarichi registrati e mostra le differenze."));
    m_attendere =
        makeWaitingLabel(this, QStringLiteral("Caricamento inventario in corso. Attendere..."));
    m_esci = makePicture(this, QStringLiteral("imgEsci"), QStringLiteral("Chiudi"),
                         QStringLiteral("exit"));
    m_guida = makePicture(this, QStringLiteral("imgGuida"), help::title(HelpTopic::Inventario),
                          QStringLiteral("help"));

    auto* field = new QHBoxLayout;
    field->setSpacing(10);
    field->addWidget(titTipologia);
    field->addWidget(m_tipologia, 1);
    field->addWidget(m_visualizza);

    // The stock check stands apart from the category: it always looks at every product.
    auto* check = new QHBoxLayout;
    check->setSpacing(10);
    auto* verificaInfo = makeLabel(
        this, QStringLiteral("lblVerifica"),
        QStringLiteral("Per confrontare la giacenza di ogni scheda con i carichi e "
                       "gli scarichi registrati, premere il pulsante Verifica giacenze."));
    verificaInfo->setWordWrap(true);
    check->addWidget(verificaInfo, 1);
    check->addWidget(verifica, 0, Qt::AlignTop);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(m_attendere);
    pictures->addStretch(1);
    pictures->addWidget(m_guida);
    pictures->addWidget(m_esci);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(14, 12, 14, 12);
    main->setSpacing(12);
    main->addWidget(style::makeHeadingBand(this, QStringLiteral("titIntestazione"),
                                           style::titleOf(windowTitle()))
                        .frame);
    main->addWidget(apri);
    main->addLayout(field);
    main->addWidget(informazioni);
    main->addLayout(check);
    main->addStretch(1);
    main->addLayout(pictures);
    setMinimumSize(600, 310);
    resize(620, 320);

    FieldConventions::apply(this, kFields);
    connect(m_visualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVisualizzaClick);
    connect(verifica, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVerificaClick);
    connect(m_esci, &QToolButton::clicked, this, &TfrmMenuRiepilogo::imgEsciClick);
    connect(m_guida, &QToolButton::clicked, this,
            [this] { showHelp(context(), this, HelpTopic::Inventario); });
    m_visualizza->installEventFilter(this);
}

bool TfrmMenuRiepilogo::eventFilter(QObject* watched, QEvent* event) {
    // btnVisualizzaMouseDown: the waiting notice shows while the list loads.
    if (watched == m_visualizza && event->type() == QEvent::MouseButtonPress)
        m_attendere->show();
    return false;
}

void TfrmMenuRiepilogo::FormShow() {
    m_tipologia->clear();
    m_attendere->hide();
    m_tipologia->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRiepilogo::btnVisualizzaClick() {
    // Any text, or none, is a valid filter.
    m_attendere->show();
    m_attendere->repaint();
    auto list = std::make_unique<TfrmRiepilogo>(context(), this);
    list->setFilter(m_tipologia->text());
    list->exec();
    m_attendere->hide();
}

void TfrmMenuRiepilogo::btnVerificaClick() {
    TfrmVerificaGiacenze::open(context(), this);
}

void TfrmMenuRiepilogo::imgEsciClick() {
    close();
}

} // namespace dp
