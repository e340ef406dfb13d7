#include "summaries/TfrmRiepilogo.h"

#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "storage/TextValues.h"
#include "summaries/InventoryList.h"
#include "summaries/SummaryWidgets.h"
#include "ui/AppContext.h"
#include "ui/FindInList.h"
#include "ui/LineListModel.h"
#include "ui/Platform.h"
#include "ui/TfrmGuida.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace dp {

using namespace summaries;

namespace {
const QString kCaption = QStringLiteral(" Depotta - Inventario Merce");
}

TfrmRiepilogo::TfrmRiepilogo(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmRiepilogo"), kCaption),
      m_model(new LineListModel(this)) {
    const QString bold = QStringLiteral("QLabel { font-weight: bold; }");
    auto* lblTipologia =
        makeLabel(this, QStringLiteral("lblTipologia"), QStringLiteral("Categoria selezionata:"));
    m_titTipologia = makeLabel(this, QStringLiteral("titTipologia"),
                               QStringLiteral("Tutti gli articoli in magazzino."));
    auto* infValore =
        makeLabel(this, QStringLiteral("infValore"), QStringLiteral("Valore totale:"));
    m_totale = makeLabel(this, QStringLiteral("lblTotale"), QStringLiteral("0,00"));
    m_panInfo = makeLabel(this, QStringLiteral("panInfo"),
                          QStringLiteral("Il presente inventario contiene 0 articoli."));
    m_panInfo->setFrameShape(QFrame::StyledPanel);
    m_panInfo->setContentsMargins(6, 2, 6, 2);
    for (QLabel* l : {m_titTipologia, m_totale})
        l->setStyleSheet(bold);

    m_list = makeLineList(this, m_model);

    const FindPrintBar bar =
        makeFindPrintBar(this, QStringLiteral("Stampa inventario"), HelpTopic::Inventario);
    m_trova = bar.trova;
    m_btnTrova = bar.btnTrova;
    m_stampa = bar.stampa;
    m_esci = bar.esci;
    m_guida = bar.guida;

    auto* head = new QHBoxLayout;
    head->addWidget(lblTipologia);
    head->addWidget(m_titTipologia, 1);

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(infValore);
    totalRow->addWidget(m_totale);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(14, 12, 14, 8);
    main->setSpacing(8);
    main->addWidget(makeHeading(this, titleOf(windowTitle()), m_guida));
    main->addLayout(head);
    main->addWidget(m_list, 1);
    main->addLayout(totalRow);
    main->addLayout(bar.layout);
    main->addWidget(m_panInfo);
    resize(1100, 640);

    m_find =
        new FindInList(ctx, m_list, m_trova, m_btnTrova, FindInList::EmptyListReport::Information);
    connect(m_stampa, &QPushButton::clicked, this, &TfrmRiepilogo::btnStampaClick);
    connect(m_esci, &QPushButton::clicked, this, &TfrmRiepilogo::btnEsciClick);
    connect(m_guida, &QToolButton::clicked, this,
            [this] { showHelp(context(), this, HelpTopic::Inventario); });
}

void TfrmRiepilogo::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmRiepilogo::FormShow() {
    m_find->reset();
    m_totale->setText(QStringLiteral("0,00"));
    m_model->clear();
    InventoryLoad load = loadInventory(context().path(TSchedaProdotto.file()), m_filter);
    const qsizetype count = load.lines.count();
    m_model->setLines(std::move(load.lines.text), std::move(load.lines.ends));
    m_titTipologia->setText(load.titTipologia);
    if (load.complete()) {
        m_totale->setText(formatTotal(load.total));
        m_panInfo->setText(
            QStringLiteral("Il presente inventario contiene %1 articoli.").arg(count));
    } else if (count > 0) {
        // The running total so far, without the euro sign: the notice says it is partial.
        m_totale->setText(text::formatNumber(load.total));
    }
    m_trova->setFocus(Qt::OtherFocusReason);

    if (!load.complete()) {
        const QString text = load.accessFailed ? kArchiveErrorText
                                               : inventoryStopText(load.stoppedAt, load.stopReason);
        const NoticeKind kind = load.accessFailed ? NoticeKind::Error : NoticeKind::Warning;
        QPointer<TfrmRiepilogo> self(this);
        QTimer::singleShot(0, this, [self, text, kind] {
            if (self)
                self->context().platform().notice(self, kind, text);
        });
    }
}

void TfrmRiepilogo::btnStampaClick() {
    report::ListReportConfig request;
    request.title =
        QStringLiteral("Inventario merce - Categoria: ") + text::trim(m_titTipologia->text());
    request.lines = inventoryMemo(m_model->lines(), m_totale->text());
    request.printDate = context().platform().now().date();
    report::printWithDialog(context(), this, report::prepareList(request));
}

void TfrmRiepilogo::btnEsciClick() {
    close();
}

void TfrmRiepilogo::done(int result) {
    FormClose();
    ToolDialog::done(result);
}

void TfrmRiepilogo::FormClose() {
    m_model->clear();
    if (QWidget* opener = parentWidget())
        if (auto* waiting = opener->findChild<QLabel*>(QStringLiteral("lblAttendere")))
            waiting->hide();
}

} // namespace dp
