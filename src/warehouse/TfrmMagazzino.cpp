#include "warehouse/TfrmMagazzino.h"

#include "attachments/PhotoBox.h"
#include "attachments/PhotoStore.h"
#include "storage/Layouts.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/ArchiveSheet.h"
#include "ui/FieldConventions.h"
#include "ui/Icons.h"
#include "ui/Platform.h"
#include "ui/TfrmCalendario.h"
#include "ui/TfrmGuida.h"
#include "warehouse/TfrmGiacenza.h"
#include "warehouse/TfrmIstruzioni.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace dp {

namespace {

const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

// Enter chain, typing limits, filters and normalisations of the sheet's fields.
constexpr std::array<FieldConfig, 17> kFields{{
    {"txtCodice", 25, "txtCosto"},
    {"txtCosto", 12, "txtNome", Filter::Amount, Rewrite::None, Normalise::Amount},
    {"txtNome", 50, "txtUM"},
    {"txtUM", 30, "txtTipologia"},
    {"txtTipologia", 50, "txtCaratteristiche"},
    {"txtCaratteristiche", 250, "txtCollocazione"},
    {"txtCollocazione", 50, "txtGiacenza"},
    {"txtGiacenza", 4, "txtAvviso"},
    {"txtAvviso", 3, "txtDitta", Filter::Digits, Rewrite::None, Normalise::Whole},
    {"txtDitta", 50, "txtAgente"},
    {"txtAgente", 50, "txtRecapito"},
    {"txtRecapito", 30, "txtDocumento"},
    {"txtDocumento", 50, "txtPagamento"},
    {"txtPagamento", 50, "txtDataSca"},
    // Enter here opens the date picker instead of moving on (see eventFilter).
    {"txtDataSca", 10, nullptr},
    {"txtNote", 250, "txtPrezzo"},
    {"txtPrezzo", 12, "txtCodice", Filter::Amount, Rewrite::None, Normalise::Amount},
}};

constexpr std::array<HintConfig, 27> kHints{{
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"btnNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"btnDuplica",
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"btnSalva", "Salva la scheda corrente in archivio."},
    {"btnTrova", "Trova schede in archivio."},
    {"btnAnteprima", "Visualizza l'anteprima di stampa."},
    {"btnStampa", "Stampa la scheda corrente."},
    {"btnAllegati", "Allega file alla scheda corrente."},
    {"btnSottoscorta", "Visualizza il riepilogo dei materiali in esaurimento."},
    {"btnScaduti", "Visualizza il riepilogo dei pagamenti non ancora saldati."},
    {"btnEsporta", "Esporta l'archivio in un foglio di Microsoft Excel."},
    {"btnGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"btnEsci", "Esci da questa schermata di lavoro."},
    {"btnAggiungi",
     "Registra l'operazione di carico e aggiorna la giacenza aggiungendo una certa quantità."},
    {"btnSottrai",
     "Registra l'operazione di scarico e aggiorna la giacenza sottraendo una certa quantità."},
    {"impFornitore", "Importa i dati del fornitore dall'archivio anagrafico."},
    {"delDataSca", "Cancella la data."},
    {"txtDataSca", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data "
                   "dal calendario."},
    {"chkPagato", "Contrassegna questa casella per indicare che il pagamento è stato effettuato."},
    {"btnCaricaFoto", "Carica una foto esistente."},
    {"btnAcquisisciFoto", "Acquisisci la foto da WebCam."},
    {"btnSalvaFoto", "Salva la foto su disco."},
    {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
    {"btnCancFoto", "Cancella la foto."},
}};

// The fields a save needs, in the order they are checked, with their warnings.
struct Required {
    const char* field;
    const char* message;
};
constexpr std::array<Required, 6> kRequired{{
    {"txtCodice", "Attenzione: per salvare la scheda è necessario indicare il codice articolo."},
    {"txtCosto", "Attenzione: per salvare la scheda è necessario indicare il costo unitario."},
    {"txtNome", "Attenzione: per salvare la scheda è necessario indicare il nome del prodotto."},
    {"txtUM", "Attenzione: per salvare la scheda è necessario indicare l'aspetto esteriore del "
              "bene."},
    {"txtTipologia",
     "Attenzione: per salvare la scheda è necessario indicare la categoria merceologica."},
    {"txtPrezzo", "Attenzione: per salvare la scheda è necessario indicare il prezzo di vendita."},
}};

// Emptied by a new sheet; the amounts and whole numbers get their zero instead.
constexpr std::array<const char*, 13> kCleared{{
    "txtCodice",
    "txtNome",
    "txtUM",
    "txtTipologia",
    "txtCaratteristiche",
    "txtCollocazione",
    "txtDitta",
    "txtAgente",
    "txtRecapito",
    "txtDocumento",
    "txtPagamento",
    "txtDataSca",
    "txtNote",
}};

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock || key == Qt::Key_unknown;
}

// Keys that move between the controls keep doing so in the two read-only fields.
bool isNavigation(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || isModifierOnly(key);
}

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, Icon picture,
                        bool enabled = true) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setIcon(icon(picture));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(74);
    b->setCursor(Qt::PointingHandCursor);
    b->setEnabled(enabled);
    return b;
}

QToolButton* smallButton(QWidget* parent, const char* name, Icon picture, bool enabled = true) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(icon(picture));
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setEnabled(enabled);
    return b;
}

QFrame* separator(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel* caption(QWidget* parent, const QString& text, const char* name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QGroupBox* group(QWidget* parent, const QString& title, const char* name) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QLatin1String(name));
    return g;
}

QFormLayout* form(QGroupBox* box) {
    auto* f = new QFormLayout(box);
    f->setContentsMargins(14, 16, 14, 14);
    f->setHorizontalSpacing(12);
    f->setVerticalSpacing(10);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return f;
}

} // namespace

TfrmMagazzino::TfrmMagazzino(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("TfrmMagazzino"),
                 QStringLiteral(" Depotta - Magazzino Prodotti"), Placement::Maximised) {
    buildLayout();
    m_sheet = new ArchiveSheet(ctx, this, TSchedaProdotto, m_posizione);
    m_sheet->afterShow = [this](qint64 position) {
        loadPhoto(position);
        refreshPosition();
    };

    FieldConventions::apply(this, kFields);
    FieldConventions::applyHints(this, m_info, kHints);
    // After the conventions, so these two fields see their keys first.
    field("txtGiacenza")->installEventFilter(this);
    field("txtDataSca")->installEventFilter(this);

    auto click = [this](const char* name, void (TfrmMagazzino::*slot)()) {
        connect(findChild<QToolButton*>(QLatin1String(name)), &QToolButton::clicked, this, slot);
    };
    click("btnNuovo", &TfrmMagazzino::btnNuovoClick);
    click("btnDuplica", &TfrmMagazzino::btnDuplicaClick);
    click("btnSalva", &TfrmMagazzino::btnSalvaClick);
    click("cmdPrimo", &TfrmMagazzino::cmdPrimoClick);
    click("cmdIndietro", &TfrmMagazzino::cmdIndietroClick);
    click("cmdAvanti", &TfrmMagazzino::cmdAvantiClick);
    click("cmdUltimo", &TfrmMagazzino::cmdUltimoClick);
    click("btnAggiungi", &TfrmMagazzino::btnAggiungiClick);
    click("btnSottrai", &TfrmMagazzino::btnSottraiClick);
    click("delDataSca", &TfrmMagazzino::delDataScaClick);
    click("btnGuida", &TfrmMagazzino::btnGuidaClick);
    click("btnEsci", &TfrmMagazzino::btnEsciClick);

    clearSheet();
}

QLineEdit* TfrmMagazzino::field(const char* name) const {
    // Looked up inside the sheet's own panel: tool screens opened from here are children too.
    return m_column->findChild<QLineEdit*>(QLatin1String(name));
}

void TfrmMagazzino::buildLayout() {
    // Toolbar: sheet actions, browsing, lists and tools, then help and exit on the right.
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("panPulsanti"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* tb = new QHBoxLayout(bar);
    tb->setContentsMargins(8, 4, 8, 4);
    tb->setSpacing(2);
    tb->addWidget(toolButton(bar, "btnNuovo", QStringLiteral("Nuovo"), Icon::New));
    tb->addWidget(toolButton(bar, "btnDuplica", QStringLiteral("Duplica"), Icon::Duplicate));
    tb->addWidget(toolButton(bar, "btnSalva", QStringLiteral("Salva"), Icon::Save));
    tb->addWidget(separator(bar));
    tb->addWidget(toolButton(bar, "cmdPrimo", QStringLiteral("Prima"), Icon::First));
    tb->addWidget(toolButton(bar, "cmdIndietro", QStringLiteral("Precedente"), Icon::Previous));
    tb->addWidget(toolButton(bar, "cmdAvanti", QStringLiteral("Successiva"), Icon::Next));
    tb->addWidget(toolButton(bar, "cmdUltimo", QStringLiteral("Ultima"), Icon::Last));
    tb->addWidget(separator(bar));
    tb->addWidget(toolButton(bar, "btnTrova", QStringLiteral("Trova"), Icon::Find, false));
    tb->addWidget(
        toolButton(bar, "btnSottoscorta", QStringLiteral("Sottoscorta"), Icon::LowStock, false));
    tb->addWidget(toolButton(bar, "btnScaduti", QStringLiteral("Da saldare"), Icon::Unpaid, false));
    tb->addWidget(toolButton(bar, "btnAllegati", QStringLiteral("Allegati"), Icon::Attach, false));
    tb->addWidget(separator(bar));
    tb->addWidget(
        toolButton(bar, "btnAnteprima", QStringLiteral("Anteprima"), Icon::Preview, false));
    tb->addWidget(toolButton(bar, "btnStampa", QStringLiteral("Stampa"), Icon::Print, false));
    tb->addWidget(toolButton(bar, "btnEsporta", QStringLiteral("Esporta"), Icon::Export, false));
    tb->addStretch(1);
    tb->addWidget(toolButton(bar, "btnGuida", QStringLiteral("Guida"), Icon::Help));
    tb->addWidget(toolButton(bar, "btnEsci", QStringLiteral("Esci"), Icon::Exit));

    // Heading: what the sheet is and where it stands in the archive.
    auto* head = new QFrame(this);
    head->setObjectName(QStringLiteral("bkgIntestazione"));
    head->setStyleSheet(
        QStringLiteral("QFrame#bkgIntestazione { background: #e8eef7; border: 1px solid #c9d4e4; "
                       "border-radius: 4px; }"));
    auto* hl = new QHBoxLayout(head);
    hl->setContentsMargins(14, 8, 14, 8);
    auto* title = caption(head, QStringLiteral("Scheda prodotto"), "titScheda");
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.4);
    tf.setBold(true);
    title->setFont(tf);
    m_titPosizione = caption(head, QString(), "titPosizione");
    m_posizione = caption(head, QString(), "lblPosizione");
    QFont pf = m_posizione->font();
    pf.setBold(true);
    pf.setPointSizeF(pf.pointSizeF() * 1.2);
    m_posizione->setFont(pf);
    m_posizione->setMinimumWidth(40);
    hl->addWidget(title);
    hl->addStretch(1);
    hl->addWidget(m_titPosizione);
    hl->addWidget(m_posizione);

    // Article.
    auto* art = group(this, QStringLiteral("Articolo"), "grpArticolo");
    auto* af = form(art);
    af->addRow(caption(art, QStringLiteral("Codice articolo:"), "titCodice"),
               edit(art, "txtCodice"));
    af->addRow(caption(art, QStringLiteral("Nome prodotto:"), "titNome"), edit(art, "txtNome"));
    af->addRow(caption(art, QStringLiteral("Aspetto esteriore del bene:"), "titUM"),
               edit(art, "txtUM"));
    af->addRow(caption(art, QStringLiteral("Categoria merceologica:"), "titTipologia"),
               edit(art, "txtTipologia"));
    af->addRow(caption(art, QStringLiteral("Caratteristiche:"), "titCaratteristiche"),
               edit(art, "txtCaratteristiche"));
    af->addRow(caption(art, QStringLiteral("Collocazione in magazzino:"), "titCollocazione"),
               edit(art, "txtCollocazione"));

    // Prices and stock.
    auto* stock = group(this, QStringLiteral("Prezzi e giacenza"), "grpGiacenza");
    auto* sf = form(stock);
    auto amount = [stock](const char* name) {
        QLineEdit* e = edit(stock, name);
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(120);
        return e;
    };
    sf->addRow(caption(stock, QStringLiteral("Costo unitario:"), "titCosto"), amount("txtCosto"));
    sf->addRow(caption(stock, QStringLiteral("Prezzo di vendita:"), "titPrezzo"),
               amount("txtPrezzo"));
    auto* giac = edit(stock, "txtGiacenza");
    giac->setReadOnly(true);
    giac->setAlignment(Qt::AlignRight);
    giac->setFixedWidth(80);
    giac->setStyleSheet(QStringLiteral("QLineEdit { background: #eef0f3; font-weight: bold; }"));
    auto* plus = new QToolButton(stock);
    plus->setObjectName(QStringLiteral("btnAggiungi"));
    plus->setText(QStringLiteral("+"));
    auto* minus = new QToolButton(stock);
    minus->setObjectName(QStringLiteral("btnSottrai"));
    minus->setText(QStringLiteral("-"));
    for (auto [b, colour] : {std::pair{plus, "#2e9d4f"}, std::pair{minus, "#c83a32"}}) {
        b->setFixedSize(30, 28);
        b->setCursor(Qt::PointingHandCursor);
        b->setStyleSheet(QStringLiteral("QToolButton { background: %1; color: white; "
                                        "font-weight: bold; font-size: 16px; border: none; "
                                        "border-radius: 4px; } QToolButton:hover { "
                                        "background: %1; border: 2px solid #1d2733; }")
                             .arg(QLatin1String(colour)));
    }
    auto* giacRow = new QHBoxLayout;
    giacRow->setSpacing(8);
    giacRow->addWidget(giac);
    giacRow->addWidget(plus);
    giacRow->addWidget(minus);
    giacRow->addWidget(caption(stock, QStringLiteral("carico / scarico"), "titMovimento"));
    giacRow->addStretch(1);
    sf->addRow(caption(stock, QStringLiteral("Giacenza:"), "titGiacenza"), giacRow);
    auto* avviso = edit(stock, "txtAvviso");
    avviso->setAlignment(Qt::AlignRight);
    avviso->setFixedWidth(60);
    auto* avvRow = new QHBoxLayout;
    avvRow->setSpacing(8);
    avvRow->addWidget(avviso);
    avvRow->addWidget(caption(stock, QStringLiteral("pezzi rimasti."), "titAvviso2"));
    avvRow->addStretch(1);
    sf->addRow(caption(stock, QStringLiteral("Avviso n."), "titAvviso"), avvRow);

    // Supplier and purchase.
    auto* sup = group(this, QStringLiteral("Fornitore e acquisto"), "grpFornitore");
    auto* ff = form(sup);
    auto* dittaRow = new QHBoxLayout;
    dittaRow->setSpacing(8);
    dittaRow->addWidget(edit(sup, "txtDitta"));
    dittaRow->addWidget(smallButton(sup, "impFornitore", Icon::ImportSupplier, false));
    ff->addRow(caption(sup, QStringLiteral("Ditta fornitrice:"), "titDitta"), dittaRow);
    ff->addRow(caption(sup, QStringLiteral("Titolare:"), "titAgente"), edit(sup, "txtAgente"));
    ff->addRow(caption(sup, QStringLiteral("Recapito telefonico:"), "titRecapito"),
               edit(sup, "txtRecapito"));
    ff->addRow(caption(sup, QStringLiteral("Documento di acquisto:"), "titDocumento"),
               edit(sup, "txtDocumento"));
    ff->addRow(caption(sup, QStringLiteral("Modalità di pagamento:"), "titPagamento"),
               edit(sup, "txtPagamento"));
    auto* data = edit(sup, "txtDataSca");
    data->setReadOnly(true);
    data->setFixedWidth(110);
    data->setStyleSheet(QStringLiteral("QLineEdit { background: #eef0f3; }"));
    auto* dataRow = new QHBoxLayout;
    dataRow->setSpacing(8);
    dataRow->addWidget(data);
    dataRow->addWidget(smallButton(sup, "delDataSca", Icon::Remove));
    dataRow->addStretch(1);
    ff->addRow(caption(sup, QStringLiteral("Data scadenza:"), "titDataSca"), dataRow);
    m_pagato = new QCheckBox(QStringLiteral("Pagato"), sup);
    m_pagato->setObjectName(QStringLiteral("chkPagato"));
    ff->addRow(new QLabel(sup), m_pagato);

    // Notes.
    auto* notes = group(this, QStringLiteral("Note"), "grpNote");
    auto* nf = form(notes);
    nf->addRow(caption(notes, QStringLiteral("Note:"), "titNote"), edit(notes, "txtNote"));

    // Photo.
    auto* foto = group(this, QStringLiteral("Foto del prodotto"), "grpFoto");
    auto* fl = new QVBoxLayout(foto);
    fl->setContentsMargins(14, 16, 14, 14);
    fl->setSpacing(10);
    m_photo = new PhotoBox(foto);
    m_photo->setObjectName(QStringLiteral("imgFoto"));
    fl->addWidget(m_photo, 0, Qt::AlignHCenter);
    auto* photoButtons = new QHBoxLayout;
    photoButtons->setSpacing(2);
    photoButtons->addWidget(
        toolButton(foto, "btnCaricaFoto", QStringLiteral("Carica"), Icon::Open, false));
    photoButtons->addWidget(
        toolButton(foto, "btnAcquisisciFoto", QStringLiteral("Webcam"), Icon::Camera, false));
    photoButtons->addWidget(
        toolButton(foto, "btnSalvaFoto", QStringLiteral("Salva"), Icon::Save, false));
    photoButtons->addWidget(
        toolButton(foto, "btnZoomFoto", QStringLiteral("Ingrandisci"), Icon::Zoom, false));
    photoButtons->addWidget(
        toolButton(foto, "btnCancFoto", QStringLiteral("Cancella"), Icon::Remove, false));
    fl->addLayout(photoButtons);
    fl->addStretch(1);

    // Hidden: the attachment slots and the placeholder picture.
    for (const char* name :
         {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        caption(this, QString(), name)->hide();
    auto* bianco = caption(this, QString(), "imgBianco");
    bianco->setPixmap(QPixmap::fromImage(PhotoStore::placeholder()));
    bianco->hide();

    m_info = caption(this, kReady, "panInfo");
    m_info->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #f7f8fa; border: 1px solid "
                                         "#c9d0da; border-radius: 3px; padding: 3px 8px; }"));
    m_info->setMinimumHeight(28);

    auto* left = new QVBoxLayout;
    left->setSpacing(12);
    left->addWidget(art);
    left->addWidget(stock);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(sup);
    middle->addWidget(notes);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(foto);
    right->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addLayout(left, 5);
    body->addLayout(middle, 5);
    body->addLayout(right, 0);

    // On wide screens the sheet keeps a readable width, centred.
    auto* column = m_column = new QWidget(this);
    column->setObjectName(QStringLiteral("panScheda"));
    column->setMaximumWidth(1560);
    auto* cl = new QVBoxLayout(column);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(10);
    cl->addWidget(bar);
    cl->addWidget(head);
    cl->addLayout(body, 1);

    column->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* centre = new QHBoxLayout;
    centre->setSpacing(0);
    // Margins that only take what the column leaves over.
    centre->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
    centre->addWidget(column);
    centre->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 8, 10, 8);
    page->setSpacing(10);
    page->addLayout(centre, 1);
    page->addWidget(m_info);
}

void TfrmMagazzino::refreshPosition() {
    m_titPosizione->setText(m_posizione->text().isEmpty()
                                ? QStringLiteral("Nuova scheda, non ancora inserita in archivio")
                                : QStringLiteral("Scheda in archivio n."));
}

void TfrmMagazzino::clearSheet() {
    for (const char* name : kCleared)
        field(name)->clear();
    field("txtCosto")->setText(QStringLiteral("0,00"));
    field("txtPrezzo")->setText(QStringLiteral("0,00"));
    field("txtGiacenza")->setText(QStringLiteral("0"));
    field("txtAvviso")->setText(QStringLiteral("0"));
    m_pagato->setChecked(false);
    m_sheet->clearAttachments();
    m_photo->showPlaceholder();
    m_sheet->setPosition(0);
    refreshPosition();
    field("txtCodice")->setFocus(Qt::OtherFocusReason);
}

void TfrmMagazzino::FormShow() {
    m_info->setText(kReady);
    clearSheet();
}

void TfrmMagazzino::showRecord(const Record& record, qint64 position) {
    m_sheet->showRecord(record, position);
}

void TfrmMagazzino::btnNuovoClick() {
    clearSheet();
}

void TfrmMagazzino::btnDuplicaClick() {
    if (!m_sheet->beginDuplicate())
        return;
    refreshPosition();
    m_photo->showPlaceholder();
    field("txtCodice")->setFocus(Qt::OtherFocusReason);
    m_sheet->reportDuplicated();
}

void TfrmMagazzino::btnSalvaClick() {
    // Leaving the field being edited runs its normalisation before anything is read.
    QPointer<QWidget> editing = QApplication::focusWidget();
    if (editing && isAncestorOf(editing))
        editing->clearFocus();
    else
        editing = nullptr;

    for (const char* name : {"txtGiacenza", "txtAvviso"})
        if (text::isBlank(field(name)->text()))
            field(name)->setText(QStringLiteral("0"));
    for (const Required& r : kRequired) {
        QLineEdit* e = field(r.field);
        if (text::isBlank(e->text())) {
            context().platform().notice(this, NoticeKind::Warning, QString::fromUtf8(r.message));
            e->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const ArchiveSheet::Saved outcome = m_sheet->save();
    refreshPosition();
    if (outcome != ArchiveSheet::Saved::Failed)
        storePhoto(m_sheet->position());
    if (editing)
        editing->setFocus(Qt::OtherFocusReason);
    m_sheet->reportSaved(outcome);
}

void TfrmMagazzino::cmdPrimoClick() {
    m_sheet->first();
}
void TfrmMagazzino::cmdIndietroClick() {
    m_sheet->previous();
}
void TfrmMagazzino::cmdAvantiClick() {
    m_sheet->next();
}
void TfrmMagazzino::cmdUltimoClick() {
    m_sheet->last();
}

void TfrmMagazzino::btnAggiungiClick() {
    registerMovement(MovementKind::Load);
}

void TfrmMagazzino::btnSottraiClick() {
    registerMovement(MovementKind::Unload);
}

void TfrmMagazzino::registerMovement(MovementKind kind) {
    if (m_sheet->position() == 0) {
        context().platform().notice(
            this, NoticeKind::Warning,
            QStringLiteral(
                "Attenzione: per aggiornare la giacenza è prima necessario salvare la scheda."));
        field("txtCodice")->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The amount being typed is normalised before it is copied into the movement.
    if (QWidget* editing = QApplication::focusWidget(); editing && isAncestorOf(editing))
        editing->clearFocus();
    QLineEdit* stockField = field("txtGiacenza");
    if (text::isBlank(stockField->text()))
        stockField->setText(QStringLiteral("0"));

    auto value = [this](const char* name) { return text::trim(field(name)->text()); };
    TfrmGiacenza movement(context(), this);
    movement.prepare(kind, {value("txtGiacenza"), value("txtCodice"), value("txtTipologia"),
                            value("txtNome"), value("txtUM"),
                            value(kind == MovementKind::Load ? "txtCosto" : "txtPrezzo")});
    movement.exec();
}

void TfrmMagazzino::openInstructions() {
    TfrmIstruzioni help(context(), this);
    help.exec();
}

void TfrmMagazzino::openDatePicker() {
    TfrmCalendario picker(context(), this);
    picker.setMemory(QStringLiteral("datasca"));
    picker.exec();
}

void TfrmMagazzino::delDataScaClick() {
    field("txtDataSca")->clear();
}

void TfrmMagazzino::btnGuidaClick() {
    showHelp(context(), this, HelpTopic::Magazzino);
}

void TfrmMagazzino::btnEsciClick() {
    close();
}

bool TfrmMagazzino::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return AreaScreen::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == field("txtGiacenza")) {
        // The stock changes only through a movement; Enter still walks on to txtAvviso.
        if (isReturn(key) || isNavigation(key))
            return false;
        openInstructions();
        return true;
    }
    if (watched == field("txtDataSca")) {
        if (isNavigation(key))
            return false;
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
            field("txtDataSca")->clear();
        else
            openDatePicker();
        return true;
    }
    return AreaScreen::eventFilter(watched, event);
}

void TfrmMagazzino::loadPhoto(qint64 position) {
    const PhotoStore store(context().programDir());
    if (const auto picture = store.load(position))
        m_photo->setStoredPicture(*picture, position);
    else
        m_photo->showPlaceholder();
}

void TfrmMagazzino::storePhoto(qint64 position) {
    const PhotoStore store(context().programDir());
    // The picture was read from this very file: encoding it again would only lose quality.
    if (m_photo->storedAt() == position && QFile::exists(store.filePath(position)))
        return;
    if (store.store(m_photo->picture(), position))
        m_photo->markStored(position);
    else
        m_photo->showPlaceholder();
}

} // namespace dp
