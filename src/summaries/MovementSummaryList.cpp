#include "summaries/MovementSummaryList.h"

#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/TextValues.h"
#include "summaries/SummaryWidgets.h"
#include "ui/AppContext.h"
#include "ui/LineListModel.h"
#include "ui/Platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace dp {

using namespace summaries;

namespace {
ListConfig configOf(const MovementSummaryConfig& kind) {
    return {kind.listClass, kind.caption, "Stampa riepilogo", HelpTopic::Movimenti,
            FindInList::EmptyListReport::Message};
}
} // namespace

MovementSummaryList::MovementSummaryList(AppContext& ctx, QWidget* owner,
                                         const MovementSummaryConfig& kind)
    : ListScreen(ctx, owner, configOf(kind)), m_kind(kind) {
    auto* lblTipologia = addLabel("lblTipologia", QStringLiteral("Codice articolo:"));
    m_titTipologia = addLabel("titTipologia", QStringLiteral("- - -"), true);
    auto* infIntervallo = addLabel("infIntervallo", QStringLiteral("Intervallo selezionato:"));
    m_intervallo = addLabel("lblIntervallo", QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"), true);
    auto* infTot = addLabel("infTotKmPercorsi", QStringLiteral("Totale movimenti:"));
    m_totale = addLabel("lblTotCosti", QStringLiteral("0"), true);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(8);
    head->addWidget(lblTipologia, 0, 0);
    head->addWidget(m_titTipologia, 0, 1);
    head->addWidget(infIntervallo, 1, 0);
    head->addWidget(m_intervallo, 1, 1);
    head->setColumnStretch(1, 1);
    headRows()->addLayout(head);

    auto* foot = new QHBoxLayout;
    foot->addWidget(infTot);
    foot->addWidget(m_totale);
    foot->addStretch(1);
    footRows()->addLayout(foot);
}

void MovementSummaryList::FormShow() {
    model()->clear();
    MovementLoad load = loadMovements(m_kind, m_request);
    const qsizetype count = load.lines.count();
    model()->setRows(std::make_shared<RecordRows>(std::move(load.lines)));
    if (!load.titTipologia.isNull())
        m_titTipologia->setText(load.titTipologia);
    m_totale->setText(QString::number(count));
    if (load.complete())
        m_intervallo->setText(intervalLabel(m_request.start, m_request.end));
    else
        reportIncomplete(load.accessFailed, movementStopText(load.stoppedAt, load.badDate),
                         load.busy);
}

void MovementSummaryList::btnStampaClick() {
    Platform& p = context().platform();
    if (model()->rowCount() == 0) {
        p.notice(this, NoticeKind::Warning,
                 QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene "
                                "nessuna voce."));
        return;
    }
    if (!p.question(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    if (!linesReadable())
        return;
    report::ListReportConfig request;
    request.title = QString::fromUtf8(m_kind.printTitlePrefix) + text::trim(m_titTipologia->text());
    // The list's own lines, each made as its page is printed, then the closing lines.
    request.lines = movementMemo({}, m_intervallo->text(), m_totale->text());
    request.printDate = p.now().date();
    report::printWithDialog(context(), this, report::ListReport(request, model()->rows()));
}

void MovementSummaryList::FormClose() {
    model()->clear();
}

} // namespace dp
