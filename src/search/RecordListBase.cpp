#include "search/RecordListBase.h"

#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "ui/AppContext.h"
#include "ui/HandBack.h"
#include "ui/LineListModel.h"
#include "ui/Messages.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

namespace {

// The help of the sheet a list belongs to tells about its lists and searches.
ListConfig listConfig(const char* className, const char* caption, const RecordLayout& layout) {
    const HelpTopic help = &layout == &TSchedaProdotto  ? HelpTopic::Magazzino
                           : &layout == &TSchedaCliente ? HelpTopic::Clienti
                                                        : HelpTopic::Fornitori;
    return {className, caption, "Stampa", help, FindInList::EmptyListReport::Message};
}

} // namespace

RecordListBase::RecordListBase(AppContext& ctx, QWidget* owner, const char* className,
                               const char* caption, const RecordLayout& layout,
                               const char* printTitle)
    : ListScreen(ctx, owner, listConfig(className, caption, layout)), m_layout(layout),
      m_printTitle(QString::fromUtf8(printTitle)) {
    QLabel* rigo03 = addLabel(
        "lblRigo03",
        QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    rigo03->setStyleSheet(
        QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(style::kHelpTitle)));
    footRows()->addWidget(rigo03);
    // These lists close with "Chiudi".
    if (auto* esci = findChild<QPushButton*>(QStringLiteral("btnEsci"))) {
        esci->setObjectName(QStringLiteral("btnChiudi"));
        esci->setText(QStringLiteral("Chiudi"));
    }
}

QString RecordListBase::archivePath() const {
    return context().path(m_layout.file());
}

void RecordListBase::setLines(search::RecordList& list) {
    m_positions = std::move(list.positions);
    model()->setRows(std::move(list.lines));
}

void RecordListBase::pickLine(int row, RecordReceiver& receiver) {
    // The record at the line's own position: equal lines no longer stand for each other.
    try {
        handBackAt(archivePath(), m_layout, positionAt(row), receiver);
    } catch (const StorageError& e) {
        reportArchiveError(context(), this, e); // says so when the archive is only busy
    }
}

void RecordListBase::btnStampaClick() {
    report::ListReportConfig request;
    request.title = m_printTitle;
    model()->startWalk();
    request.lines = model()->lines();
    if (refuseUnreadable())
        return;
    request.printDate = context().platform().now().date();
    report::printWithDialog(context(), this, report::prepareList(request));
}

void RecordListBase::FormClose() {
    model()->clear();
    m_positions.clear();
}

} // namespace dp
