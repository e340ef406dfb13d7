#include "summaries/TfrmRiepilogo.h"

#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/Layouts.h"
#include "storage/TextValues.h"
#include "summaries/InventoryList.h"
#include "summaries/SummaryWidgets.h"
#include "ui/AppContext.h"
#include "ui/LineListModel.h"
#include "ui/Platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace dp {

using namespace summaries;

namespace {
const ListConfig kConfig{"TfrmRiepilogo", " Depotta - Inventario Merce", "Stampa inventario",
                         HelpTopic::Inventario, FindInList::EmptyListReport::Information};
}

TfrmRiepilogo::TfrmRiepilogo(AppContext& ctx, QWidget* owner) : ListScreen(ctx, owner, kConfig) {
    auto* lblTipologia = addLabel("lblTipologia", QStringLiteral("Categoria selezionata:"));
    m_titTipologia =
        addLabel("titTipologia", QStringLiteral("Tutti gli articoli in magazzino."), true);
    auto* infValore = addLabel("infValore", QStringLiteral("Valore totale:"));
    m_totale = addLabel("lblTotale", QStringLiteral("0,00"), true);
    m_panInfo = addLabel("panInfo", QStringLiteral("Il presente inventario contiene 0 articoli."));
    m_panInfo->setFrameShape(QFrame::StyledPanel);
    m_panInfo->setContentsMargins(6, 2, 6, 2);

    auto* head = new QHBoxLayout;
    head->addWidget(lblTipologia);
    head->addWidget(m_titTipologia, 1);
    headRows()->addLayout(head);

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(infValore);
    totalRow->addWidget(m_totale);
    footRows()->addLayout(totalRow);
    bottomRows()->addWidget(m_panInfo);
}

void TfrmRiepilogo::FormShow() {
    m_totale->setText(QStringLiteral("0,00"));
    model()->clear();
    InventoryLoad load = loadInventory(context().path(TSchedaProdotto.file()), m_filter);
    const qsizetype count = load.lines.count();
    model()->setRows(std::make_shared<KeptLines>(std::move(load.lines)));
    m_titTipologia->setText(load.titTipologia);
    if (load.complete()) {
        m_totale->setText(formatTotal(load.total));
        m_panInfo->setText(
            QStringLiteral("Il presente inventario contiene %1 articoli.").arg(count));
    } else {
        // The running total so far, without the euro sign: the notice says it is partial.
        if (count > 0)
            m_totale->setText(text::formatNumber(load.total));
        reportIncomplete(load.accessFailed, inventoryStopText(load.stoppedAt, load.stopReason),
                         load.busy);
    }
}

void TfrmRiepilogo::btnStampaClick() {
    report::ListReportConfig request;
    request.title =
        QStringLiteral("Inventario merce - Categoria: ") + text::trim(m_titTipologia->text());
    request.lines = inventoryMemo({}, m_totale->text());
    request.printDate = context().platform().now().date();
    report::printWithDialog(context(), this, report::ListReport(request, model()->rows()));
}

void TfrmRiepilogo::FormClose() {
    model()->clear();
}

} // namespace dp
