#include "summaries/MovementSummaryList.h"

#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/StorageError.h"
#include "storage/TextValues.h"
#include "summaries/SummaryWidgets.h"
#include "ui/AppContext.h"
#include "ui/FindInList.h"
#include "ui/LineListModel.h"
#include "ui/Messages.h"
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

namespace dp::summaries {

MovementSummaryList::MovementSummaryList(AppContext& ctx, QWidget* owner, const MovementKind& kind)
    : ToolDialog(ctx, owner, QString::fromLatin1(kind.listClass), QString::fromUtf8(kind.caption)),
      m_kind(kind), m_model(new LineListModel(this)) {
    auto bold = QStringLiteral("QLabel { font-weight: bold; }");
    auto* lblTipologia =
        makeLabel(this, QStringLiteral("lblTipologia"), QStringLiteral("Codice articolo:"));
    m_titTipologia = makeLabel(this, QStringLiteral("titTipologia"), QStringLiteral("- - -"));
    auto* infIntervallo =
        makeLabel(this, QStringLiteral("infIntervallo"), QStringLiteral("Intervallo selezionato:"));
    m_intervallo = makeLabel(this, QStringLiteral("lblIntervallo"),
                             QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
    auto* infTot =
        makeLabel(this, QStringLiteral("infTotKmPercorsi"), QStringLiteral("Totale movimenti:"));
    m_totale = makeLabel(this, QStringLiteral("lblTotCosti"), QStringLiteral("0"));
    for (QLabel* l : {m_titTipologia, m_intervallo, m_totale})
        l->setStyleSheet(bold);

    m_list = makeLineList(this, m_model);

    const FindPrintBar bar =
        makeFindPrintBar(this, QStringLiteral("Stampa riepilogo"), HelpTopic::Movimenti);
    m_trova = bar.trova;
    m_btnTrova = bar.btnTrova;
    m_stampa = bar.stampa;
    m_esci = bar.esci;
    m_guida = bar.guida;

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(8);
    head->addWidget(lblTipologia, 0, 0);
    head->addWidget(m_titTipologia, 0, 1);
    head->addWidget(infIntervallo, 1, 0);
    head->addWidget(m_intervallo, 1, 1);
    head->setColumnStretch(1, 1);

    auto* foot = new QHBoxLayout;
    foot->addWidget(infTot);
    foot->addWidget(m_totale);
    foot->addStretch(1);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(14, 12, 14, 12);
    main->setSpacing(8);
    main->addWidget(makeHeading(this, titleOf(windowTitle()), m_guida));
    main->addLayout(head);
    main->addWidget(m_list, 1);
    main->addLayout(foot);
    main->addLayout(bar.layout);
    resize(1100, 640);

    m_find = new FindInList(ctx, m_list, m_trova, m_btnTrova, FindInList::EmptyListReport::Message);
    connect(m_stampa, &QPushButton::clicked, this, &MovementSummaryList::btnStampaClick);
    connect(m_esci, &QPushButton::clicked, this, &MovementSummaryList::btnEsciClick);
    connect(m_guida, &QToolButton::clicked, this,
            [this] { showHelp(context(), this, HelpTopic::Movimenti); });
}

void MovementSummaryList::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void MovementSummaryList::FormShow() {
    m_find->reset();
    m_model->clear();
    MovementLoad load = loadMovements(m_kind, m_request);
    const qsizetype count = load.lines.count();
    m_model->setLines(std::move(load.lines.text), std::move(load.lines.ends));
    if (!load.titTipologia.isNull())
        m_titTipologia->setText(load.titTipologia);
    m_totale->setText(QString::number(count));
    if (load.complete())
        m_intervallo->setText(intervalLabel(m_request.start, m_request.end));
    m_trova->setFocus(Qt::OtherFocusReason);

    if (!load.complete()) {
        // Told once the list is on screen, so that the user sees what the notice is about.
        const QString text =
            load.accessFailed ? kArchiveErrorText : movementStopText(load.stoppedAt, load.badDate);
        const NoticeKind kind = load.accessFailed ? NoticeKind::Error : NoticeKind::Warning;
        QPointer<MovementSummaryList> self(this);
        QTimer::singleShot(0, this, [self, text, kind] {
            if (self)
                self->context().platform().notice(self, kind, text);
        });
    }
}

void MovementSummaryList::btnStampaClick() {
    Platform& p = context().platform();
    if (m_model->rowCount() == 0) {
        p.notice(this, NoticeKind::Warning,
                 QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene "
                                "nessuna voce."));
        return;
    }
    if (!p.question(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    report::ListReportConfig request;
    request.title = QString::fromUtf8(m_kind.printTitlePrefix) + text::trim(m_titTipologia->text());
    request.lines = movementMemo(m_model->lines(), m_intervallo->text(), m_totale->text());
    request.printDate = p.now().date();
    report::printWithDialog(context(), this, report::prepareList(request));
}

void MovementSummaryList::btnEsciClick() {
    close();
}

void MovementSummaryList::done(int result) {
    FormClose();
    ToolDialog::done(result);
}

void MovementSummaryList::FormClose() {
    m_model->clear();
    if (QWidget* opener = parentWidget())
        if (auto* waiting = opener->findChild<QLabel*>(QStringLiteral("lblAttendere")))
            waiting->hide();
}

} // namespace dp::summaries
