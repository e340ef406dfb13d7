#include "warehouse/TfrmMagazzino.h"

#include "attachments/PhotoActions.h"
#include "attachments/PhotoBox.h"
#include "attachments/PhotoStore.h"
#include "attachments/TfrmAllegaCartella.h"
#include "export/ExportScreen.h"
#include "printing/ProductSheetOptions.h"
#include "search/RecordListScreen.h"
#include "search/SearchScreen.h"
#include "storage/Layouts.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/ArchiveSheet.h"
#include "ui/FieldConventions.h"
#include "ui/Icons.h"
#include "ui/Platform.h"
#include "ui/SheetFrame.h"
#include "ui/Style.h"
#include "ui/TfrmCalendario.h"
#include "ui/TfrmGuida.h"
#include "warehouse/StockRules.h"
#include "warehouse/TfrmGiacenza.h"
#include "warehouse/TfrmIstruzioni.h"

#include <QAbstractButton>
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
#include <iterator>
#include <vector>

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

using T = ToolConfig;
constexpr auto kTools = joinTools(
    std::to_array<T>({
        {"btnNuovo", Icon::New, "Nuovo",
         "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"btnDuplica", Icon::Duplicate, "Duplica",
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {"btnSalva", Icon::Save, "Salva", "Salva la scheda corrente in archivio."},
    }),
    browseTools("Precedente", "Successiva"),
    std::to_array<T>({
        {"btnTrova", Icon::Find, "Trova", "Trova schede in archivio.", T::NewGroup},
        {"btnSottoscorta", Icon::LowStock, "Sottoscorta",
         "Visualizza il riepilogo dei materiali in esaurimento."},
        {"btnScaduti", Icon::Unpaid, "Da saldare",
         "Visualizza il riepilogo dei pagamenti non ancora saldati."},
        {"btnAllegati", Icon::Attach, "Allegati", "Allega file alla scheda corrente."},
        {"btnAnteprima", Icon::Preview, "Anteprima", "Visualizza l'anteprima di stampa.",
         T::NewGroup},
        {"btnStampa", Icon::Print, "Stampa", "Stampa la scheda corrente."},
        {"btnEsporta", Icon::Export, "Esporta",
         "Esporta l'archivio in un foglio di Microsoft Excel."},
    }),
    helpAndExitTools("btnGuida", "btnEsci"));

const SheetFrameConfig kFrame{"TfrmMagazzino", " Depotta - Magazzino Prodotti", "Scheda prodotto",
                              TSchedaProdotto, kTools};

// The photo's buttons, drawn as the toolbar's.
const T kPhotoTools[] = {
    {"btnCaricaFoto", Icon::Open, "Carica", "Carica una foto esistente."},
    {"btnAcquisisciFoto", Icon::Camera, "Webcam", "Acquisisci la foto da WebCam."},
    {"btnSalvaFoto", Icon::Save, "Salva", "Salva la foto su disco."},
    {"btnZoomFoto", Icon::Zoom, "Ingrandisci", "Visualizza la foto nelle sue dimensioni reali."},
    {"btnCancFoto", Icon::Remove, "Cancella", "Cancella la foto."},
};

// Hints of the controls inside the sheet; the photo's come from kPhotoTools.
constexpr HintConfig kHints[] = {
    {"btnAggiungi",
     "Registra l'operazione di carico e aggiorna la giacenza aggiungendo una certa quantità."},
    {"btnSottrai",
     "Registra l'operazione di scarico e aggiorna la giacenza sottraendo una certa quantità."},
    {"impFornitore", "Importa i dati del fornitore dall'archivio anagrafico."},
    {"delDataSca", "Cancella la data."},
    {"txtDataSca", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data "
                   "dal calendario."},
    {"chkPagato", "Contrassegna questa casella per indicare che il pagamento è stato effettuato."},
};

// The fields a save needs, in the order they are checked, with their warnings.
constexpr RequiredField kRequired[] = {
    {"txtCodice", "Attenzione: per salvare la scheda è necessario indicare il codice articolo."},
    {"txtCosto", "Attenzione: per salvare la scheda è necessario indicare il costo unitario."},
    {"txtNome", "Attenzione: per salvare la scheda è necessario indicare il nome del prodotto."},
    {"txtUM", "Attenzione: per salvare la scheda è necessario indicare l'aspetto esteriore del "
              "bene."},
    {"txtTipologia",
     "Attenzione: per salvare la scheda è necessario indicare la categoria merceologica."},
    {"txtPrezzo", "Attenzione: per salvare la scheda è necessario indicare il prezzo di vendita."},
};

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

QToolButton* smallButton(QWidget* parent, const char* name, Icon picture) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(icon(picture));
    b->setIconSize(QSize(style::kSmallButtonIcon, style::kSmallButtonIcon));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QLineEdit* makeEdit(QWidget* parent, const char* name) {
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

TfrmMagazzino::TfrmMagazzino(AppContext& ctx) : SheetFrame(ctx, kFrame) {
    buildLayout();
    FieldConventions::apply(this, kFields);
    std::vector<HintConfig> hints(std::begin(kHints), std::end(kHints));
    for (const ToolConfig& t : kPhotoTools)
        hints.push_back({t.name, t.hint});
    applyHints(hints);
    // After the conventions, so these two fields see their keys first.
    field("txtGiacenza")->installEventFilter(this);
    field("txtDataSca")->installEventFilter(this);
    // Movements registered on two workstations add up instead of refusing the second save.
    archive().merge = stock::mergeStock;
    // A refused save still brings this sheet's movements, already in the journals, into the
    // stored stock.
    archive().keep = stock::keepMovements;
    archive().keptText = stock::movementsKeptText();

    onClick("btnNuovo", &TfrmMagazzino::btnNuovoClick);
    onClick("btnDuplica", &TfrmMagazzino::btnDuplicaClick);
    onClick("btnSalva", &TfrmMagazzino::btnSalvaClick);
    onClick("btnAggiungi", &TfrmMagazzino::btnAggiungiClick);
    onClick("btnSottrai", &TfrmMagazzino::btnSottraiClick);
    onClick("delDataSca", &TfrmMagazzino::delDataScaClick);
    onClick("btnEsporta", &TfrmMagazzino::btnEsportaClick);
    onClick("btnGuida", &TfrmMagazzino::btnGuidaClick);
    onClick("btnStampa", &TfrmMagazzino::btnStampaClick);
    onClick("btnAnteprima", &TfrmMagazzino::btnAnteprimaClick);
    onClick("btnTrova", &TfrmMagazzino::btnTrovaClick);
    onClick("btnSottoscorta", &TfrmMagazzino::btnSottoscortaClick);
    onClick("btnScaduti", &TfrmMagazzino::btnScadutiClick);
    onClick("impFornitore", &TfrmMagazzino::impFornitoreClick);
    onClick("btnEsci", &TfrmMagazzino::btnEsciClick);
    if (QAbstractButton* b = tool("btnAllegati"))
        connect(b, &QAbstractButton::clicked, this, [this] {
            if (const auto chosen = TfrmAllegaCartella::editSlots(
                    context(), this, QStringLiteral("magazzino"), attachmentSlots()))
                setAttachmentSlots(*chosen);
        });
    new PhotoActions(ctx, this, m_photo);

    clearSheet();
}

QLineEdit* TfrmMagazzino::field(const char* name) const {
    return edit(name);
}

void TfrmMagazzino::btnTrovaClick() {
    SearchScreen::open(context(), this, search::productSearch(), QStringLiteral("magazzino"),
                       *this);
}

void TfrmMagazzino::btnSottoscortaClick() {
    RecordListScreen::open(context(), this, search::lowStockList(), *this);
}

void TfrmMagazzino::btnScadutiClick() {
    RecordListScreen::open(context(), this, search::unpaidList(), *this);
}

void TfrmMagazzino::impFornitoreClick() {
    // Only the supplier's four purchase fields come over; the sheet keeps its position.
    struct SupplierImport final : RecordReceiver {
        TfrmMagazzino& sheet;
        explicit SupplierImport(TfrmMagazzino& s) : sheet(s) {}
        void showRecord(const Record& supplier, qint64) override {
            sheet.field("txtDitta")->setText(supplier.text(Fornitore::Ditta));
            sheet.field("txtAgente")->setText(supplier.text(Fornitore::Titolare));
            sheet.field("txtRecapito")->setText(supplier.text(Fornitore::Recapito));
            sheet.field("txtPagamento")->setText(supplier.text(Fornitore::Pagamento));
        }
    } receiver(*this);
    SearchScreen::open(context(), this, search::supplierSearch(), QStringLiteral("magazzino"),
                       receiver);
}

void TfrmMagazzino::recordShown(qint64 position) {
    loadPhoto(position);
}

void TfrmMagazzino::buildLayout() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("panScheda"));

    // Article.
    auto* art = group(page, QStringLiteral("Articolo"), "grpArticolo");
    auto* af = form(art);
    af->addRow(caption(art, QStringLiteral("Codice articolo:"), "titCodice"),
               makeEdit(art, "txtCodice"));
    af->addRow(caption(art, QStringLiteral("Nome prodotto:"), "titNome"), makeEdit(art, "txtNome"));
    af->addRow(caption(art, QStringLiteral("Aspetto esteriore del bene:"), "titUM"),
               makeEdit(art, "txtUM"));
    af->addRow(caption(art, QStringLiteral("Categoria merceologica:"), "titTipologia"),
               makeEdit(art, "txtTipologia"));
    af->addRow(caption(art, QStringLiteral("Caratteristiche:"), "titCaratteristiche"),
               makeEdit(art, "txtCaratteristiche"));
    af->addRow(caption(art, QStringLiteral("Collocazione in magazzino:"), "titCollocazione"),
               makeEdit(art, "txtCollocazione"));

    // Prices and stock.
    auto* stock = group(page, QStringLiteral("Prezzi e giacenza"), "grpGiacenza");
    auto* sf = form(stock);
    auto amount = [stock](const char* name) {
        QLineEdit* e = makeEdit(stock, name);
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(style::kAmountWidth);
        return e;
    };
    sf->addRow(caption(stock, QStringLiteral("Costo unitario:"), "titCosto"), amount("txtCosto"));
    sf->addRow(caption(stock, QStringLiteral("Prezzo di vendita:"), "titPrezzo"),
               amount("txtPrezzo"));
    auto* giac = makeEdit(stock, "txtGiacenza");
    giac->setReadOnly(true);
    giac->setAlignment(Qt::AlignRight);
    giac->setFixedWidth(80);
    giac->setStyleSheet(style::readOnlySheet(true));
    auto* plus = new QToolButton(stock);
    plus->setObjectName(QStringLiteral("btnAggiungi"));
    plus->setText(QStringLiteral("+"));
    auto* minus = new QToolButton(stock);
    minus->setObjectName(QStringLiteral("btnSottrai"));
    minus->setText(QStringLiteral("-"));
    for (auto [b, colour] :
         {std::pair{plus, style::kLoadButton}, std::pair{minus, style::kUnloadButton}}) {
        b->setFixedSize(30, 28);
        b->setCursor(Qt::PointingHandCursor);
        b->setStyleSheet(QStringLiteral("QToolButton { background: %1; color: white; "
                                        "font-weight: bold; font-size: 16px; border: none; "
                                        "border-radius: 4px; } QToolButton:hover { "
                                        "background: %1; border: 2px solid %2; }")
                             .arg(QLatin1String(colour), QLatin1String(style::kButtonHoverRing)));
    }
    auto* giacRow = new QHBoxLayout;
    giacRow->setSpacing(8);
    giacRow->addWidget(giac);
    giacRow->addWidget(plus);
    giacRow->addWidget(minus);
    giacRow->addWidget(caption(stock, QStringLiteral("carico / scarico"), "titMovimento"));
    giacRow->addStretch(1);
    sf->addRow(caption(stock, QStringLiteral("Giacenza:"), "titGiacenza"), giacRow);
    auto* avviso = makeEdit(stock, "txtAvviso");
    avviso->setAlignment(Qt::AlignRight);
    avviso->setFixedWidth(60);
    auto* avvRow = new QHBoxLayout;
    avvRow->setSpacing(8);
    avvRow->addWidget(avviso);
    avvRow->addWidget(caption(stock, QStringLiteral("pezzi rimasti."), "titAvviso2"));
    avvRow->addStretch(1);
    sf->addRow(caption(stock, QStringLiteral("Avviso n."), "titAvviso"), avvRow);

    // Supplier and purchase.
    auto* sup = group(page, QStringLiteral("Fornitore e acquisto"), "grpFornitore");
    auto* ff = form(sup);
    auto* dittaRow = new QHBoxLayout;
    dittaRow->setSpacing(8);
    dittaRow->addWidget(makeEdit(sup, "txtDitta"));
    dittaRow->addWidget(smallButton(sup, "impFornitore", Icon::ImportSupplier));
    ff->addRow(caption(sup, QStringLiteral("Ditta fornitrice:"), "titDitta"), dittaRow);
    ff->addRow(caption(sup, QStringLiteral("Titolare:"), "titAgente"), makeEdit(sup, "txtAgente"));
    ff->addRow(caption(sup, QStringLiteral("Recapito telefonico:"), "titRecapito"),
               makeEdit(sup, "txtRecapito"));
    ff->addRow(caption(sup, QStringLiteral("Documento di acquisto:"), "titDocumento"),
               makeEdit(sup, "txtDocumento"));
    ff->addRow(caption(sup, QStringLiteral("Modalità di pagamento:"), "titPagamento"),
               makeEdit(sup, "txtPagamento"));
    auto* data = makeEdit(sup, "txtDataSca");
    data->setReadOnly(true);
    data->setFixedWidth(style::kDateWidth);
    data->setStyleSheet(style::readOnlySheet());
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
    auto* notes = group(page, QStringLiteral("Note"), "grpNote");
    auto* nf = form(notes);
    nf->addRow(caption(notes, QStringLiteral("Note:"), "titNote"), makeEdit(notes, "txtNote"));

    // Photo.
    auto* foto = group(page, QStringLiteral("Foto del prodotto"), "grpFoto");
    auto* fl = new QVBoxLayout(foto);
    fl->setContentsMargins(14, 16, 14, 14);
    fl->setSpacing(10);
    m_photo = new PhotoBox(foto);
    m_photo->setObjectName(QStringLiteral("imgFoto"));
    fl->addWidget(m_photo, 0, Qt::AlignHCenter);
    auto* photoButtons = new QHBoxLayout;
    photoButtons->setSpacing(2);
    for (const ToolConfig& t : kPhotoTools)
        photoButtons->addWidget(makeToolButton(foto, t));
    fl->addLayout(photoButtons);
    fl->addStretch(1);

    // Hidden: the placeholder picture.
    auto* bianco = caption(this, QString(), "imgBianco");
    bianco->setPixmap(QPixmap::fromImage(attachments::PhotoStore::placeholder()));
    bianco->hide();

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

    auto* body = new QHBoxLayout(page);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(12);
    body->addLayout(left, 5);
    body->addLayout(middle, 5);
    body->addLayout(right, 0);
    for (QGroupBox* box : page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        style::boldTitle(box);
    setBody(page);
}

void TfrmMagazzino::clearSheet() {
    for (const char* name : kCleared)
        field(name)->clear();
    field("txtCosto")->setText(QStringLiteral("0,00"));
    field("txtPrezzo")->setText(QStringLiteral("0,00"));
    field("txtGiacenza")->setText(QStringLiteral("0"));
    field("txtAvviso")->setText(QStringLiteral("0"));
    m_pagato->setChecked(false);
    archive().clearAttachments();
    m_photo->showPlaceholder();
    archive().setPosition(0);
    field("txtCodice")->setFocus(Qt::OtherFocusReason);
}

void TfrmMagazzino::FormShow() {
    status()->setText(kReady);
    clearSheet();
}

void TfrmMagazzino::btnNuovoClick() {
    clearSheet();
}

void TfrmMagazzino::btnDuplicaClick() {
    if (!archive().beginDuplicate())
        return;
    m_photo->showPlaceholder();
    field("txtCodice")->setFocus(Qt::OtherFocusReason);
    archive().reportDuplicated();
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
    if (!requiredFilled(kRequired))
        return;
    const ArchiveSheet::Saved outcome = archive().save();
    const bool photoStored =
        outcome == ArchiveSheet::Saved::Failed || storePhoto(archive().position());
    if (editing)
        editing->setFocus(Qt::OtherFocusReason);
    archive().reportSaved(outcome);
    // The photo stays in its box, so that saving again once the folder works stores it.
    if (!photoStored)
        context().platform().notice(
            this, NoticeKind::Error,
            QStringLiteral("Attenzione: la scheda è stata salvata, ma non è stato possibile "
                           "salvare la foto nella cartella Schedario.\r\n\r\nLa foto resta "
                           "nella scheda: salvare di nuovo quando la cartella sarà accessibile."));
}

void TfrmMagazzino::btnAggiungiClick() {
    registerMovement(MovementKind::Load);
}

void TfrmMagazzino::btnSottraiClick() {
    registerMovement(MovementKind::Unload);
}

void TfrmMagazzino::registerMovement(MovementKind kind) {
    if (archive().position() == 0) {
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
    if (movement.exec() == QDialog::Accepted)
        stockField->setText(movement.newStock());
}

void TfrmMagazzino::openInstructions() {
    TfrmIstruzioni help(context(), this);
    help.exec();
}

void TfrmMagazzino::openDatePicker() {
    TfrmCalendario picker(context(), this);
    picker.setMemory(QStringLiteral("datasca"));
    if (picker.exec() == QDialog::Accepted)
        field("txtDataSca")->setText(text::formatDate(picker.selectedDate()));
}

void TfrmMagazzino::delDataScaClick() {
    field("txtDataSca")->clear();
}

void TfrmMagazzino::openSheetOptions(printing::SheetOutput output) {
    // The option screen reads the sheet as it is now and writes back only the stock and
    // cost defaults; without a photo it gets none, and prints an empty photo area.
    printing::ControlSheetSource sheet(
        this, [this] { return m_photo->hasPhoto() ? m_photo->picture() : QImage(); });
    openProductSheetOptions(context(), this, output, sheet);
}

void TfrmMagazzino::btnStampaClick() {
    openSheetOptions(printing::SheetOutput::Print);
}

void TfrmMagazzino::btnAnteprimaClick() {
    openSheetOptions(printing::SheetOutput::Preview);
}

// The export reads the archive file, not the sheet.
void TfrmMagazzino::btnEsportaClick() {
    openExport(context(), this, exports::exportConfig(exports::ExportArchive::Products));
}

void TfrmMagazzino::btnGuidaClick() {
    showHelp(context(), this, HelpTopic::Magazzino);
}

void TfrmMagazzino::btnEsciClick() {
    close();
}

bool TfrmMagazzino::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return SheetFrame::eventFilter(watched, event);
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
    return SheetFrame::eventFilter(watched, event);
}

void TfrmMagazzino::loadPhoto(qint64 position) {
    const attachments::PhotoStore store(context().programDir());
    if (const auto picture = store.load(position))
        m_photo->setStoredPicture(*picture, position);
    else
        m_photo->showPlaceholder();
}

bool TfrmMagazzino::storePhoto(qint64 position) {
    const attachments::PhotoStore store(context().programDir());
    // The picture was read from this very file: encoding it again would only lose quality.
    if (m_photo->storedAt() == position && QFile::exists(store.filePath(position)))
        return true;
    if (!store.store(m_photo->picture(), position))
        return false;
    m_photo->markStored(position);
    return true;
}

} // namespace dp
