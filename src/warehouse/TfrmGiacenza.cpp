#include "warehouse/TfrmGiacenza.h"

#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Messages.h"
#include "ui/Platform.h"
#include "ui/Style.h"
#include "warehouse/StockRules.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace dp {

namespace {

const QString kLoadLabel = QStringLiteral("Quantità da aggiungere:");
const QString kUnloadLabel = QStringLiteral("Quantità da sottrarre:");

constexpr std::array<FieldConfig, 12> kFields{{
    {"txtCategoria", 50, "txtNome"},
    {"txtNome", 50, "txtAspetto"},
    {"txtAspetto", 30, "txtNote"},
    {"txtNote", 250},
    {"txtGiacenza", 0, "txtAggiunta", Filter::None, Rewrite::None, Normalise::Whole},
    {"txtAggiunta", 8, "btnTotale", Filter::Digits, Rewrite::None, Normalise::Whole},
    // Shown only: Enter does nothing there.
    {"txtOperazione", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
    {"txtData", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
    {"txtOra", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
    {"txtCodice", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
    {"txtImporto", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
    {"txtTotale", 0, nullptr, Filter::None, Rewrite::None, Normalise::None, false},
}};

QString trimmed(const QLineEdit* e) {
    return text::trim(e->text());
}

void zeroIfBlank(QLineEdit* e, const QString& zero = QStringLiteral("0")) {
    if (trimmed(e).isEmpty())
        e->setText(zero);
}

} // namespace

QLineEdit* TfrmGiacenza::addField(const char* name, bool editable) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(!editable);
    if (!editable)
        e->setStyleSheet(style::readOnlySheet());
    return e;
}

TfrmGiacenza::TfrmGiacenza(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmGiacenza"),
                 QStringLiteral(" Registrazione movimento merce e aggiornamento giacenza")) {
    m_operazione = addField("txtOperazione", false);
    m_data = addField("txtData", false);
    m_ora = addField("txtOra", false);
    m_codice = addField("txtCodice", false);
    m_categoria = addField("txtCategoria", true);
    m_nome = addField("txtNome", true);
    m_aspetto = addField("txtAspetto", true);
    m_importo = addField("txtImporto", false);
    m_note = addField("txtNote", true);
    m_giacenza = addField("txtGiacenza", false);
    m_aggiunta = addField("txtAggiunta", true);
    m_totale = addField("txtTotale", false);

    m_operazione->setAlignment(Qt::AlignCenter);
    QFont big = m_operazione->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_operazione->setFont(big);
    m_operazione->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* e : {m_importo, m_giacenza, m_aggiunta, m_totale})
        e->setAlignment(Qt::AlignRight);
    QFont bold = m_totale->font();
    bold.setBold(true);
    m_totale->setFont(bold);
    m_aggiunta->setFont(bold);

    m_titImporto = new QLabel(QStringLiteral("Costo unitario:"), this);
    m_titImporto->setObjectName(QStringLiteral("titImporto"));
    m_lblAggiunta = new QLabel(kLoadLabel, this);
    m_lblAggiunta->setObjectName(QStringLiteral("lblAggiunta"));
    // Room for either caption, so the fields do not shift between a load and an unload.
    m_lblAggiunta->setMinimumWidth(
        qMax(m_lblAggiunta->fontMetrics().horizontalAdvance(kLoadLabel),
             m_lblAggiunta->fontMetrics().horizontalAdvance(kUnloadLabel)));

    m_btnTotale = new QPushButton(QStringLiteral("Calcola totale"), this);
    m_btnTotale->setObjectName(QStringLiteral("btnTotale"));
    m_btnAggiorna = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    m_btnAggiorna->setObjectName(QStringLiteral("btnAggiorna"));
    m_btnChiudi = new QPushButton(QStringLiteral("Annulla"), this);
    m_btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    // Enter on a focused button presses it; nothing presses a button behind the user's back.
    for (QPushButton* b : {m_btnTotale, m_btnAggiorna, m_btnChiudi}) {
        b->setAutoDefault(true);
        b->setDefault(false);
        b->setMinimumWidth(130);
    }

    auto label = [this](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };

    // The movement: when, which product, at what unit amount.
    auto* product = new QGroupBox(QStringLiteral("Movimento"), this);
    product->setObjectName(QStringLiteral("grpMovimento"));
    auto* pf = new QFormLayout(product);
    pf->setHorizontalSpacing(12);
    pf->setVerticalSpacing(10);
    pf->setContentsMargins(14, 14, 14, 14);
    auto* when = new QHBoxLayout;
    when->setSpacing(10);
    m_data->setFixedWidth(style::kDateWidth);
    m_ora->setFixedWidth(90);
    when->addWidget(m_data);
    when->addSpacing(8);
    when->addWidget(label(QStringLiteral("Ora:"), "titOra"));
    when->addWidget(m_ora);
    when->addStretch(1);
    pf->addRow(label(QStringLiteral("Data operazione:"), "titData"), when);
    pf->addRow(label(QStringLiteral("Codice articolo:"), "titCodice"), m_codice);
    pf->addRow(label(QStringLiteral("Categoria:"), "titCategoria"), m_categoria);
    pf->addRow(label(QStringLiteral("Nome prodotto:"), "titNome"), m_nome);
    pf->addRow(label(QStringLiteral("Aspetto esteriore:"), "titAspetto"), m_aspetto);
    m_importo->setFixedWidth(130);
    pf->addRow(m_titImporto, m_importo);
    pf->addRow(label(QStringLiteral("Note:"), "titNote"), m_note);

    // The quantity and the resulting stock.
    auto* qty = new QGroupBox(QStringLiteral("Giacenza"), this);
    qty->setObjectName(QStringLiteral("grpGiacenza"));
    auto* qf = new QFormLayout(qty);
    qf->setHorizontalSpacing(12);
    qf->setVerticalSpacing(10);
    qf->setContentsMargins(14, 14, 14, 14);
    for (QLineEdit* e : {m_giacenza, m_aggiunta, m_totale})
        e->setFixedWidth(130);
    qf->addRow(label(QStringLiteral("Giacenza attuale:"), "titGiacenza"), m_giacenza);
    qf->addRow(m_lblAggiunta, m_aggiunta);
    qf->addRow(m_btnTotale, m_totale);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(m_btnAggiorna);
    buttons->addWidget(m_btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(m_operazione);
    layout->addWidget(product);
    layout->addWidget(qty);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    FieldConventions::apply(this, kFields);
    // Installed after the conventions, so it sees every key first.
    m_aggiunta->installEventFilter(this);

    connect(m_btnTotale, &QPushButton::clicked, this, &TfrmGiacenza::btnTotaleClick);
    connect(m_btnAggiorna, &QPushButton::clicked, this, &TfrmGiacenza::btnAggiornaClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, &TfrmGiacenza::btnChiudiClick);
}

void TfrmGiacenza::prepare(MovementKind kind, const Product& product) {
    m_kind = kind;
    const bool load = kind == MovementKind::Load;
    m_lblAggiunta->setText(load ? kLoadLabel : kUnloadLabel);
    m_operazione->setText(load ? QStringLiteral("OPERAZIONE DI CARICO")
                               : QStringLiteral("OPERAZIONE DI SCARICO"));
    m_operazione->setStyleSheet(style::movementSheet(load));
    m_giacenza->setText(product.stock);
    m_totale->setText(product.stock);
    m_aggiunta->setText(QStringLiteral("0"));
    const QDateTime now = context().platform().now();
    m_data->setText(text::formatDate(now.date()));
    m_ora->setText(text::formatTime(now.time()));
    m_codice->setText(product.code);
    m_categoria->setText(product.category);
    m_nome->setText(product.name);
    m_aspetto->setText(product.aspect);
    m_importo->setText(product.amount);
    m_titImporto->setText(load ? QStringLiteral("Costo unitario:")
                               : QStringLiteral("Prezzo unitario:"));
}

void TfrmGiacenza::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    m_aggiunta->setFocus(Qt::OtherFocusReason);
    m_aggiunta->selectAll(); // typing replaces the proposed 0
}

bool TfrmGiacenza::eventFilter(QObject* watched, QEvent* event) {
    // Any key in the quantity voids the total until it is computed again.
    if (watched == m_aggiunta && event->type() == QEvent::KeyPress)
        m_totale->clear();
    return ToolDialog::eventFilter(watched, event);
}

void TfrmGiacenza::btnTotaleClick() {
    zeroIfBlank(m_giacenza);
    zeroIfBlank(m_aggiunta);
    zeroIfBlank(m_totale);
    const auto total = stock::afterMovement(m_giacenza->text(), m_aggiunta->text(), kind());
    if (!total) {
        m_giacenza->setText(QStringLiteral("0"));
        m_aggiunta->setText(QStringLiteral("0"));
        m_totale->setText(QStringLiteral("0"));
        return;
    }
    m_totale->setText(text::formatNumber(*total));
}

void TfrmGiacenza::btnAggiornaClick() {
    Platform& platform = context().platform();
    if (trimmed(m_categoria).isEmpty()) {
        platform.notice(this, NoticeKind::Warning,
                        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                       "la categoria merceologica."));
        m_categoria->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (trimmed(m_nome).isEmpty()) {
        platform.notice(this, NoticeKind::Warning,
                        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                       "il nome del prodotto."));
        m_nome->setFocus(Qt::OtherFocusReason);
        return;
    }
    btnTotaleClick();
    const QString total = trimmed(m_totale);
    // The sheet's stock field holds four characters: refuse rather than store a cut figure.
    if (!stock::fitsStockField(total)) {
        platform.notice(this, NoticeKind::Warning, stock::tooLargeText());
        m_aggiunta->setFocus(Qt::OtherFocusReason);
        return;
    }
    zeroIfBlank(m_aggiunta);
    m_aggiunta->setText(text::normaliseWhole(m_aggiunta->text()));
    zeroIfBlank(m_importo, QStringLiteral("0,00"));

    Record movement(TMovimento);
    movement.setText(Movimento::Data, trimmed(m_data));
    movement.setText(Movimento::Ora, trimmed(m_ora));
    movement.setText(Movimento::Codice, trimmed(m_codice));
    movement.setText(Movimento::Categoria, trimmed(m_categoria));
    movement.setText(Movimento::Nome, trimmed(m_nome));
    movement.setText(Movimento::Aspetto, trimmed(m_aspetto));
    movement.setText(Movimento::Importo, trimmed(m_importo));
    movement.setText(Movimento::Aggiunta, trimmed(m_aggiunta));
    movement.setText(Movimento::Note, trimmed(m_note));
    try {
        Journal(context().programDir(), kind()).append(movement);
    } catch (const StorageError& e) {
        // Nothing recorded, so the sheet keeps its stock; the user may retry or cancel.
        reportArchiveError(context(), this, e);
        return;
    }

    // Only a recorded movement changes the stock shown on the product sheet.
    m_newStock = total;
    platform.notice(this, NoticeKind::Information,
                    QStringLiteral("Operazione di aggiornamento giacenza effettuata con "
                                   "successo.\n\r\n\rRicordarsi di premere Salva nella scheda "
                                   "del prodotto in magazzino."));
    accept();
}

void TfrmGiacenza::btnChiudiClick() {
    reject();
}

} // namespace dp
