#include "backup/TfrmCopiaSicurezza.h"

#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "ui/Platform.h"
#include "ui/ProgressWindow.h"
#include "ui/Style.h"
#include "ui/TfrmGuida.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcBackup, "depotta.backup")

namespace dp {

namespace {

const QString kCreated =
    QStringLiteral("La copia di sicurezza è stata scritta e verificata: ogni file è stato riletto "
                   "e confrontato.\n\r\n\r");
const QString kCreateFailed = QStringLiteral(
    "Attenzione: non è stato possibile scrivere la copia di sicurezza nella cartella "
    "scelta.\n\r\n\r"
    "Accertarsi che la cartella sia accessibile in scrittura e che lo spazio sia sufficiente.");
const QString kCreatedLeavingOut = QStringLiteral(
    "La copia di sicurezza è stata scritta e verificata, ma NON contiene questi dati del "
    "programma, che non sono file ordinari (per esempio una cartella al posto di un "
    "archivio):\n\r%1\n\r\n\rControllare la cartella di installazione del programma.\n\r\n\r");
const QString kCreateDiskFull = QStringLiteral(
    "Attenzione: non è stato possibile scrivere la copia di sicurezza perché sul disco della "
    "cartella scelta non c'è spazio libero sufficiente.\n\r\n\rLiberare spazio sul disco o "
    "scegliere un'altra cartella, per esempio su una chiavetta USB.");
const QString kNotABackup = QStringLiteral(
    "Attenzione: il file scelto non è una copia di sicurezza integra di Depotta e non può essere "
    "ripristinato.\n\r\n\rI dati attuali non sono stati modificati.");
const QString kRestoreQuestion = QStringLiteral(
    "La copia di sicurezza è integra.\n\r\n\rRipristinarla? Tutti gli archivi, le foto, gli "
    "allegati e la password attuali saranno sostituiti da quelli della copia; i dati attuali "
    "saranno spostati in una cartella \"Dati_precedenti_\" del programma, da cui si possono "
    "recuperare.\n\r\n\rPrima di continuare chiudere il programma sulle altre postazioni.");
const QString kRestored = QStringLiteral("Il ripristino è terminato.");
const QString kRestoreDiskFull = QStringLiteral(
    "Attenzione: non è stato possibile ripristinare la copia di sicurezza perché sul disco "
    "della cartella del programma non c'è spazio libero sufficiente.\n\r\n\rI dati attuali "
    "sono stati lasciati come erano. Liberare spazio sul disco e riprovare.");
const QString kRestoreFailed = QStringLiteral(
    "Attenzione: non è stato possibile ripristinare la copia di sicurezza.\n\r\n\rI dati attuali "
    "sono stati lasciati come erano.");

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setMinimumHeight(34);
    return b;
}

} // namespace

TfrmCopiaSicurezza::TfrmCopiaSicurezza(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmCopiaSicurezza"),
                 QStringLiteral(" Depotta - Copia di sicurezza")) {
    auto* info = new QLabel(
        QStringLiteral("La copia di sicurezza raccoglie in un solo file ZIP gli archivi dei "
                       "prodotti, dei clienti e dei fornitori, i movimenti di carico e scarico, le "
                       "foto dei prodotti, i documenti allegati e la password. Conservarla lontano "
                       "dal computer, per esempio su una chiavetta USB o in un'altra sede."),
        this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setWordWrap(true);
    auto* crea = button(this, "cmdCrea", QStringLiteral("Crea copia di sicurezza..."));
    auto* ripristina = button(this, "cmdRipristina", QStringLiteral("Ripristina da una copia..."));
    auto* guida = button(this, "cmdGuida", QStringLiteral("Guida"));
    guida->setIcon(icon(Icon::Help));
    guida->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    auto* esci = button(this, "cmdEsci", QStringLiteral("Esci"));
    crea->setToolTip(QStringLiteral("Scrive una nuova copia di sicurezza nella cartella scelta."));
    ripristina->setToolTip(
        QStringLiteral("Sostituisce i dati attuali con quelli di una copia di sicurezza."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(crea);
    buttons->addWidget(ripristina);
    buttons->addStretch();
    buttons->addWidget(guida);
    buttons->addWidget(esci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(style::makeHeadingBand(this, QStringLiteral("titIntestazione"),
                                             style::titleOf(windowTitle()))
                          .frame);
    layout->addWidget(info);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    connect(crea, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdCreaClick);
    connect(ripristina, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdRipristinaClick);
    connect(esci, &QPushButton::clicked, this, &QDialog::reject);
    // The main menu's topic explains the backup, as the menu opens it.
    connect(guida, &QPushButton::clicked, this,
            [this] { showHelp(context(), this, HelpTopic::Generale); });
}

void TfrmCopiaSicurezza::cmdCreaClick() {
    Platform& p = context().platform();
    const QString folder = p.existingFolder(
        this, QStringLiteral("Scegli la cartella della copia di sicurezza"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const backup::Outcome out = backup::writeBackup(
        context().programDir(), folder, p.now(),
        progressWindow(this, QStringLiteral("Copia di sicurezza in corso...")), m_copy);
    if (out.cancelled)
        return;
    if (!out.ok) {
        qCWarning(lcBackup) << "backup into" << folder << "failed:" << out.detail;
        p.notice(this, NoticeKind::Error, out.diskFull ? kCreateDiskFull : kCreateFailed);
        return;
    }
    if (!out.leftOut.isEmpty()) {
        qCWarning(lcBackup) << "backup left out" << out.leftOut;
        QStringList lines;
        for (const QString& rel : out.leftOut)
            lines << QStringLiteral("- ") + QDir::toNativeSeparators(rel);
        p.notice(this, NoticeKind::Warning,
                 kCreatedLeavingOut.arg(lines.join(QStringLiteral("\n\r"))) +
                     QDir::toNativeSeparators(out.path));
        return;
    }
    p.notice(this, NoticeKind::Information, kCreated + QDir::toNativeSeparators(out.path));
}

void TfrmCopiaSicurezza::cmdRipristinaClick() {
    Platform& p = context().platform();
    const QString zip =
        p.openFileName(this, QStringLiteral("Scegli la copia di sicurezza da ripristinare"),
                       QDir::homePath(), QStringLiteral("Copie di sicurezza di Depotta (*.zip)"));
    if (zip.isEmpty())
        return;
    const backup::Outcome check = backup::verifyBackup(
        zip, progressWindow(this, QStringLiteral("Verifica della copia in corso...")));
    if (check.cancelled)
        return;
    if (!check.ok) {
        qCWarning(lcBackup) << "backup" << zip << "refused:" << check.detail;
        p.notice(this, NoticeKind::Warning, kNotABackup);
        return;
    }
    if (!p.question(this, kRestoreQuestion))
        return;
    const backup::Outcome out =
        backup::restoreBackup(zip, context().programDir(), p.now(),
                              progressWindow(this, QStringLiteral("Ripristino in corso...")));
    if (!out.ok) {
        qCWarning(lcBackup) << "restore of" << zip << "failed:" << out.detail;
        p.notice(this, NoticeKind::Error, out.diskFull ? kRestoreDiskFull : kRestoreFailed);
        return;
    }
    p.notice(this, NoticeKind::Information,
             out.path.isEmpty()
                 ? kRestored
                 : kRestored +
                       QStringLiteral("\n\r\n\rI dati sostituiti sono nella cartella:\n\r") +
                       QDir::toNativeSeparators(out.path));
}

} // namespace dp
