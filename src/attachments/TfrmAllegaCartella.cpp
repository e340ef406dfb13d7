#include "attachments/TfrmAllegaCartella.h"

#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Platform.h"
#include "ui/ProgressWindow.h"
#include "ui/Style.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace dp {

namespace {

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kNotAttached =
    QStringLiteral("Attenzione: non è stato possibile allegare il file \"%1\".\r\n\r\nVerificare "
                   "che il file sia leggibile e che nella cartella dei documenti allegati si "
                   "possa scrivere.");
const QString kTooLong = QStringLiteral(
    "Attenzione: il nome del file scelto supera i 250 caratteri e non può essere memorizzato "
    "nella scheda.\r\n\r\nRinominare il file con un nome più breve e riprovare.");
const QString kNotStorable = QStringLiteral(
    "Attenzione: il nome del file scelto contiene caratteri che non possono essere memorizzati "
    "nella scheda.\r\n\r\nRinominare il file usando soltanto lettere, cifre e i segni di "
    "punteggiatura più comuni, quindi riprovare.");
const QString kNotAFile = QStringLiteral(
    "Attenzione: \"%1\" non è un normale file salvato su disco (è una cartella, una periferica "
    "o un canale di comunicazione) e non può essere allegato.\r\n\r\nScegliere un documento, "
    "un'immagine o un altro file salvato su disco.");
const QString kNoRoom = QStringLiteral(
    "Attenzione: sul disco della cartella dei documenti allegati non c'è spazio libero "
    "sufficiente per il file \"%1\".\r\n\r\nIl file non è stato allegato: liberare spazio sul "
    "disco e riprovare.");
const QString kCopying =
    QStringLiteral("Copia del file \"%1\" nella cartella dei documenti allegati in corso...");
// Smaller files are copied before anyone would notice the wait.
constexpr qint64 kProgressFrom = 8 << 20;
const QString kMissing = QStringLiteral(
    "Attenzione: il file \"%1\" non è presente nella cartella dei documenti allegati.");

QString slotName(const char* stem, int slot) {
    return QLatin1String(stem) + QStringLiteral("0%1").arg(slot + 1);
}

QLabel* titleLabel(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmAllegaCartella"), QStringLiteral(" Allega file")),
      m_folder(ctx.programDir()),
      m_apply(new QPushButton(QStringLiteral("Applica e chiudi"), this)),
      m_cancel(new QPushButton(QStringLiteral("Annulla"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);

    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        auto* frame = new QFrame(this);
        frame->setObjectName(slotName("panAllegato", i));
        frame->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(12, 10, 12, 12);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);

        Slot& s = m_slots[i];
        s.file = new QLineEdit(frame);
        s.file->setObjectName(slotName("txtFile", i));
        s.file->setReadOnly(true);
        s.file->setMinimumWidth(380);
        s.file->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }")
                                  .arg(QLatin1String(style::kReadOnlyBack)));
        s.desc = new QLineEdit(frame);
        s.desc->setObjectName(slotName("txtDesc", i));
        s.browse = new QPushButton(QStringLiteral("Sfoglia..."), frame);
        s.browse->setObjectName(slotName("btnSfoglia", i));
        s.open = new QPushButton(QStringLiteral("Apri"), frame);
        s.open->setObjectName(slotName("btnApri", i));
        s.open->setEnabled(false);
        s.empty = new QToolButton(frame);
        s.empty->setObjectName(slotName("imgCancella", i));
        s.empty->setIcon(icon(Icon::Remove));
        s.empty->setIconSize(QSize(20, 20));
        s.empty->setAutoRaise(true);
        s.empty->setFocusPolicy(Qt::NoFocus);
        s.empty->setCursor(Qt::PointingHandCursor);
        s.empty->setToolTip(QStringLiteral("Toglie il file allegato dalla scheda."));
        for (QPushButton* b : {s.browse, s.open})
            b->setAutoDefault(false);

        grid->addWidget(titleLabel(frame, QStringLiteral("Nome %1° file allegato:").arg(n),
                                   slotName("titFile", i)),
                        0, 0, 1, 4);
        grid->addWidget(s.file, 1, 0);
        grid->addWidget(s.browse, 1, 1);
        grid->addWidget(s.open, 1, 2);
        grid->addWidget(s.empty, 1, 3);
        grid->addWidget(titleLabel(frame, QStringLiteral("Descrizione %1° file allegato:").arg(n),
                                   slotName("titDesc", i)),
                        2, 0, 1, 4);
        grid->addWidget(s.desc, 3, 0, 1, 3);
        grid->setColumnStretch(0, 1);
        layout->addWidget(frame);

        connect(s.file, &QLineEdit::textChanged, this, [this, i] { refreshOpen(i); });
        connect(s.browse, &QPushButton::clicked, this, [this, i] { btnSfogliaClick(i); });
        connect(s.open, &QPushButton::clicked, this, [this, i] { btnApriClick(i); });
        connect(s.empty, &QToolButton::clicked, this, [this, i] { imgCancellaClick(i); });
    }

    m_apply->setObjectName(QStringLiteral("btnApplica"));
    m_cancel->setObjectName(QStringLiteral("btnAnnulla"));
    m_apply->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_apply, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

    QWidget* previous = nullptr;
    for (const Slot& s : m_slots)
        for (QWidget* w : {static_cast<QWidget*>(s.file), static_cast<QWidget*>(s.browse),
                           static_cast<QWidget*>(s.open), static_cast<QWidget*>(s.desc)}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    setTabOrder(previous, m_apply);
    setTabOrder(m_apply, m_cancel);
    m_slots[0].file->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaCartella::prepare(const QString& mode, const AttachmentSlots& slots) {
    setMemory(mode);
    for (int i = 0; i < 3; ++i) {
        m_slots[i].file->setText(text::trim(slots.files[i]));
        m_slots[i].desc->setText(text::trim(slots.descs[i]));
    }
}

AttachmentSlots TfrmAllegaCartella::slots() const {
    AttachmentSlots out;
    for (int i = 0; i < 3; ++i) {
        out.files[i] = text::trim(m_slots[i].file->text());
        out.descs[i] = text::trim(m_slots[i].desc->text());
    }
    return out;
}

std::optional<AttachmentSlots> TfrmAllegaCartella::editSlots(AppContext& ctx, QWidget* owner,
                                                             const QString& mode,
                                                             const AttachmentSlots& held) {
    TfrmAllegaCartella dialog(ctx, owner);
    dialog.prepare(mode, held);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.slots();
}

void TfrmAllegaCartella::refreshOpen(int slot) {
    m_slots[slot].open->setEnabled(!text::isBlank(m_slots[slot].file->text()));
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    Platform& platform = context().platform();
    const QString picked =
        platform.openFileName(this, QStringLiteral("Selezionare il file da allegare:"), QString(),
                              QStringLiteral("Tutti i file (*)"));
    if (picked.isEmpty())
        return;
    const QString name = text::trim(QFileInfo(picked).fileName());
    switch (attachments::AttachmentFolder::checkName(name)) {
    case attachments::AttachmentFolder::NameProblem::TooLong:
        platform.notice(this, NoticeKind::Warning, kTooLong);
        return;
    case attachments::AttachmentFolder::NameProblem::NotStorable:
        platform.notice(this, NoticeKind::Warning, kNotStorable);
        return;
    case attachments::AttachmentFolder::NameProblem::None:
        break;
    }

    using Copy = attachments::AttachmentFolder::Copy;
    // Refused before anything is opened: reading a pipe or a device would never end.
    if (QFileInfo::exists(picked) && !attachments::AttachmentFolder::isRegularFile(picked)) {
        platform.notice(this, NoticeKind::Warning, kNotAFile.arg(name));
        return;
    }

    // The slot takes the new name only once the file is in the folder.
    QLineEdit* field = m_slots[slot].file;
    if (!m_folder.makeFolder()) {
        platform.notice(this, NoticeKind::Error, kNotAttached.arg(name));
        return;
    }
    // Picked from the folder itself: it is attached already, and copying it onto itself
    // could only destroy it.
    if (m_folder.isAttached(picked, name)) {
        field->setText(name);
        return;
    }
    // No keeps the name: it now designates the file already in the folder.
    if (m_folder.contains(name) && !platform.question(this, kOverwrite)) {
        field->setText(name);
        return;
    }
    const bool large = QFileInfo(picked).size() >= kProgressFrom;
    switch (m_folder.copyIn(picked, name,
                            large ? progressWindow(this, kCopying.arg(name), 0)
                                  : attachments::AttachmentFolder::Progress())) {
    case Copy::Copied:
        field->setText(name);
        break;
    case Copy::Cancelled:
        break;
    case Copy::NotAFile:
        platform.notice(this, NoticeKind::Warning, kNotAFile.arg(name));
        break;
    case Copy::NoRoom:
        platform.notice(this, NoticeKind::Warning, kNoRoom.arg(name));
        break;
    case Copy::Failed:
        platform.notice(this, NoticeKind::Error, kNotAttached.arg(name));
        break;
    }
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name = text::trim(m_slots[slot].file->text());
    if (name.isEmpty())
        return;
    Platform& platform = context().platform();
    if (!m_folder.contains(name)) {
        platform.notice(this, NoticeKind::Warning, kMissing.arg(name));
        return;
    }
    // A file location, never a command line: any character in the name stays part of it.
    openFileOnDesktop(platform, this, m_folder.path(name));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) {
    m_slots[slot].file->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick() {
    reject();
}

} // namespace dp
