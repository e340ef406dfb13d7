#include "export/ExportScreen.h"

#include "export/ArchiveCells.h"
#include "export/ExportGridModel.h"
#include "export/SpreadsheetWriter.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Platform.h"
#include "ui/TfrmGuida.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace dp {

namespace {

const HintConfig kHints[] = {
    {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questo ambiente di lavoro."},
};

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");
const QString kExportFailed =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");
const QString kExportDiskFull = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati perché il disco della cartella di "
    "installazione del programma è pieno.\n\r\n\rLiberare spazio sul disco e riprovare.");

QToolButton* picture(QWidget* parent, const char* name, const QString& caption, Icon which) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setIcon(icon(which));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(64);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// Shows how far a long scan or write has come; appears only when the work lasts. Closing it
// or pressing "Annulla" stops the work.
class Progress {
  public:
    Progress(QWidget* parent, const QString& label)
        : m_dialog(label, QStringLiteral("Annulla"), 0, 1000, parent) {
        m_dialog.setWindowTitle(parent->windowTitle());
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(600);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }
    bool operator()(qint64 done, qint64 total) {
        m_dialog.setValue(total > 0 ? int(done * 1000 / total) : 1000);
        return !m_dialog.wasCanceled();
    }

  private:
    QProgressDialog m_dialog;
};

} // namespace

ExportScreen::ExportScreen(AppContext& ctx, QWidget* owner, const exports::ExportConfig& config)
    : ToolDialog(ctx, owner, QString::fromLatin1(config.className),
                 QString::fromUtf8(config.caption)),
      m_config(config), m_model(new ExportGridModel(config, this)) {
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setModel(m_model);
    m_grid->setAlternatingRowColors(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // Every row the same height, so that a grid of a million rows needs no measuring.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(0, 64);
    for (int c = 0; c < config.columnCount(); ++c)
        m_grid->setColumnWidth(c + 1, config.columns[c].width * 3 / 4);

    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("panPulsanti"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(2);
    m_esporta = picture(bar, "cmdEsporta", QStringLiteral("Esporta"), Icon::Export);
    m_guida = picture(bar, "cmdGuida", QStringLiteral("Guida"), Icon::Help);
    m_esci = picture(bar, "cmdEsci", QStringLiteral("Esci"), Icon::Exit);
    row->addWidget(m_esporta);
    row->addStretch(1);
    row->addWidget(m_guida);
    row->addWidget(m_esci);

    m_info = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setFrameShape(QFrame::StyledPanel);
    m_info->setFrameShadow(QFrame::Sunken);
    m_info->setContentsMargins(8, 3, 8, 3);
    m_info->setMinimumWidth(1);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(8);
    main->addWidget(bar);
    main->addWidget(m_grid, 1);
    main->addWidget(m_info);
    resize(1100, 640);

    FieldConventions::applyHints(this, m_info, kHints);
    connect(m_esporta, &QToolButton::clicked, this, &ExportScreen::cmdEsportaClick);
    connect(m_guida, &QToolButton::clicked, this, &ExportScreen::cmdGuidaClick);
    connect(m_esci, &QToolButton::clicked, this, &ExportScreen::cmdEsciClick);
}

QString ExportScreen::archivePath() const {
    return m_config.journal() ? m_journalPath
                              : context().path(QString::fromLatin1(m_config.archiveFile));
}

QString ExportScreen::filePath() const {
    return context().path(QString::fromLatin1(m_config.fileName));
}

void ExportScreen::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ExportScreen::FormShow() {
    exports::SnapshotLoad load;
    {
        Progress progress(this, QStringLiteral("Lettura dell'archivio in corso. Attendere..."));
        load = exports::takeSnapshot(m_config, archivePath(), std::ref(progress));
    }
    if (load.cancelled) {
        // Closed once shown: a modal screen closed while it opens would never leave exec().
        QTimer::singleShot(0, this, &ExportScreen::close);
        return;
    }
    m_model->setRows(std::move(load.rows));
    // A grid that could not be filled is never written as if it were the archive.
    m_esporta->setEnabled(!load.accessFailed);
    if (load.accessFailed) {
        // Told once the grid is on screen, so that the user sees what the notice is about.
        QPointer<ExportScreen> self(this);
        QTimer::singleShot(0, this, [self, busy = load.busy] {
            if (self)
                reportArchiveError(self->context(), self, busy);
        });
    }
}

void ExportScreen::cmdEsportaClick() {
    Platform& p = context().platform();
    if (!m_model->rows() || !p.question(this, kAskExport))
        return;
    // A retry after a failed export reads the archive afresh.
    m_model->rows()->forgetFailure();
    exports::SpreadsheetWriter::Result result;
    {
        Progress progress(this,
                          QStringLiteral("Esportazione dei dati in Excel in corso. Attendere..."));
        result = exports::SpreadsheetWriter::save(filePath(), m_config, *m_model->rows(),
                                                  std::ref(progress));
    }
    if (result == exports::SpreadsheetWriter::Result::Cancelled)
        return;
    if (result == exports::SpreadsheetWriter::Result::DiskFull) {
        p.message(this, kExportDiskFull);
        return;
    }
    if (result == exports::SpreadsheetWriter::Result::Failed) {
        // A journal that could no longer be read is the archive's fault, not the file's.
        if (m_model->rows()->failed())
            reportArchiveError(context(), this, m_model->rows()->busy());
        else
            p.message(this, kExportFailed);
        return;
    }
    // The file is written: a desktop that cannot open it is told as such, not as a failed export.
    if (p.question(this, kAskOpen))
        openFileOnDesktop(p, this, filePath());
}

void ExportScreen::cmdGuidaClick() {
    showHelp(context(), this, m_config.help);
}

void ExportScreen::cmdEsciClick() {
    close();
}

void openExport(AppContext& ctx, QWidget* owner, const exports::ExportConfig& config,
                const QString& journalPath) {
    auto screen = std::make_unique<ExportScreen>(ctx, owner, config);
    screen->setJournalPath(journalPath);
    screen->exec();
}

} // namespace dp
