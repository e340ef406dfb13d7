#include "app/TfrmCambiaPassword.h"

#include "app/Artwork.h"
#include "app/PasswordStore.h"
#include "app/TfrmPassword.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Platform.h"
#include "ui/Style.h"
#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dp {

namespace {

// Enter walks the three fields round and never presses OK.
const FieldConfig kFields[] = {
    {.name = "txtPasswordOld", .next = "txtPasswordNew"},
    {.name = "txtPasswordNew", .next = "txtConferma"},
    {.name = "txtConferma", .next = "txtPasswordOld"},
};

const QString kWrongOld = u"Attenzione: vecchia password errata."_s;
const QString kNotConfirmed =
    u"Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    u"reinserire entrambi i valori."_s;
const QString kUnusable =
    u"Attenzione: la nuova password non può essere registrata. Può contenere al massimo 255 "
    u"caratteri, senza simboli come il segno dell'euro. E' necessario reinserire entrambi i "
    u"valori."_s;
const QString kDone = u"Modifica della password completata con successo."_s;
const QString kFailed =
    u"Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    u"Si consiglia di reinstallare il software."_s;
const QString kDiskFull =
    u"Attenzione: la password non è stata modificata perché il disco della cartella del "
    u"programma è pieno. Liberare spazio sul disco e riprovare."_s;

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(AppContext& ctx) : QWidget(nullptr), m_ctx(ctx) {
    setObjectName(u"TfrmCambiaPassword"_s);
    setWindowTitle(u" Cambia password"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(art::icon(art::Picture::Logo));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(style::loginSheet(objectName(), u"QLabel"_s, u"QLineEdit"_s));

    QFrame* header = style::makeLogoBand(this, art::banner(56, devicePixelRatioF()),
                                         QMargins(26, 14, 26, 14), 84)
                         .frame;

    auto* body = new QWidget(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(12);
    auto field = [&](const char16_t* name, const char16_t* caption, int row) {
        auto* label = new QLabel(QString::fromUtf16(caption), body);
        label->setObjectName(u"tit"_s + QString::fromUtf16(name).mid(3));
        auto* edit = new QLineEdit(body);
        edit->setObjectName(QString::fromUtf16(name));
        edit->setEchoMode(QLineEdit::Password);
        edit->setMinimumHeight(34);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    m_txtPasswordOld = field(u"txtPasswordOld", u"Vecchia password:", 0);
    m_txtPasswordNew = field(u"txtPasswordNew", u"Nuova password:", 1);
    m_txtConferma = field(u"txtConferma", u"Conferma nuova password:", 2);
    grid->setColumnStretch(1, 1);

    m_lblMemory = new QLabel(body);
    m_lblMemory->setObjectName(u"lblMemory"_s);
    m_lblMemory->hide();

    m_cmdOK = new QPushButton(u"OK"_s, body);
    m_cmdOK->setObjectName(u"cmdOK"_s);
    m_cmdEsci = new QPushButton(u"Chiudi"_s, body);
    m_cmdEsci->setObjectName(u"cmdEsci"_s);
    for (QPushButton* b : {m_cmdOK, m_cmdEsci}) {
        b->setMinimumSize(96, 34);
        b->setCursor(Qt::PointingHandCursor);
    }
    m_cmdOK->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdEsci);

    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(30, 22, 30, 24);
    bodyLayout->setSpacing(0);
    bodyLayout->addLayout(grid);
    bodyLayout->addSpacing(26);
    bodyLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(body);

    setTabOrder(m_txtPasswordOld, m_txtPasswordNew);
    setTabOrder(m_txtPasswordNew, m_txtConferma);
    setTabOrder(m_txtConferma, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdEsci);

    FieldConventions::apply(this, kFields);
    for (QLineEdit* e : {m_txtPasswordOld, m_txtPasswordNew, m_txtConferma}) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this] { updateOK(); });
    }
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOKClick(); });
    connect(m_cmdEsci, &QPushButton::clicked, this, [this] { cmdEsciClick(); });

    setFixedSize(540, sizeHint().height());
}

void TfrmCambiaPassword::updateOK() {
    m_cmdOK->setEnabled(!text::isBlank(m_txtPasswordOld->text()) &&
                        !text::isBlank(m_txtPasswordNew->text()) &&
                        !text::isBlank(m_txtConferma->text()));
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease)
        updateOK();
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::fail() {
    m_ctx.platform().message(this, kFailed);
}

void TfrmCambiaPassword::cmdOKClick() {
    const app::PasswordStore store(m_ctx.programDir());
    const auto stored = store.stored();
    if (!stored) {
        fail();
        return;
    }
    if (app::PasswordStore::normalised(m_txtPasswordOld->text()) != *stored) {
        m_ctx.platform().message(this, kWrongOld);
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus();
        return;
    }
    // Capital and small letters count here: what was typed twice must be the same.
    if (text::trim(m_txtPasswordNew->text()) != text::trim(m_txtConferma->text())) {
        m_ctx.platform().message(this, kNotConfirmed);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus();
        return;
    }
    switch (store.store(m_txtPasswordNew->text())) {
    case app::PasswordStore::StoreResult::Stored:
        m_ctx.platform().message(this, kDone);
        close();
        break;
    case app::PasswordStore::StoreResult::Unusable:
        // Stored, it could never be typed again: the scrambling keeps one byte per letter.
        m_ctx.platform().message(this, kUnusable);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus();
        break;
    case app::PasswordStore::StoreResult::Failed:
        fail();
        break;
    case app::PasswordStore::StoreResult::DiskFull:
        m_ctx.platform().message(this, kDiskFull);
        break;
    }
}

void TfrmCambiaPassword::cmdEsciClick() {
    close();
}

void TfrmCambiaPassword::FormShow() {
    m_txtPasswordOld->clear();
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    m_lblMemory->clear();
    m_txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_centred) {
        placeWindow(this, Placement::Centred);
        m_centred = true;
    }
    activateWindow();
    // Opened, not restored after minimising: what was typed stays through a restore.
    if (!event->spontaneous())
        FormShow();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (auto* login = m_ctx.screenAs<TfrmPassword>(u"TfrmPassword"_s))
        login->showAfterPasswordChange();
}

} // namespace dp
