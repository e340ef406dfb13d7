#include "app/TfrmPassword.h"

#include "app/Artwork.h"
#include "app/PasswordStore.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/Platform.h"
#include "ui/Style.h"
#include "ui/WindowPlacement.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

namespace {

const FieldConfig kFields[] = {
    {.name = "txtPassword"},
};

const char* const kWrongPassword = "Attenzione: password errata.";
const char* const kReadError =
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.";

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(34);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

TfrmPassword::TfrmPassword(AppContext& ctx) : QWidget(nullptr), m_ctx(ctx) {
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Depotta - Autenticazione"));
    // A title bar without close, minimise or maximise buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(art::icon(art::Picture::Logo));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(style::loginSheet(objectName(), QStringLiteral("#lblRigo05"),
                                    QStringLiteral("#txtPassword")));

    const style::LogoBand band = style::makeLogoBand(this, art::banner(72, devicePixelRatioF()),
                                                     QMargins(26, 16, 26, 16), 104);
    QFrame* header = band.frame;
    m_imgLogo = band.logo;

    auto* body = new QWidget(this);
    m_lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), body);
    m_lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    m_txtPassword = new QLineEdit(body);
    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtPassword->setMinimumHeight(34);
    m_lblMemory = new QLabel(body);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    m_btnCambiaPassword = button(body, "btnCambiaPassword", QStringLiteral("Cambia password"));
    m_cmdOK = button(body, "cmdOK", QStringLiteral("OK"));
    m_cmdEsci = button(body, "cmdEsci", QStringLiteral("Esci"));
    m_cmdOK->setMinimumWidth(96);
    m_cmdEsci->setMinimumWidth(96);
    m_cmdOK->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(m_btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdEsci);

    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(30, 22, 30, 24);
    bodyLayout->setSpacing(0);
    bodyLayout->addWidget(m_lblRigo05);
    bodyLayout->addSpacing(10);
    bodyLayout->addWidget(m_txtPassword);
    bodyLayout->addSpacing(26);
    bodyLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(body);

    setTabOrder(m_txtPassword, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdEsci);
    setTabOrder(m_cmdEsci, m_btnCambiaPassword);

    FieldConventions::apply(this, kFields);
    // Installed after the conventions so that Enter reaches this screen first.
    m_txtPassword->installEventFilter(this);

    connect(m_txtPassword, &QLineEdit::textChanged, this, [this] { updateOK(); });
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOKClick(); });
    connect(m_cmdEsci, &QPushButton::clicked, this, [this] { cmdEsciClick(); });
    connect(m_btnCambiaPassword, &QPushButton::clicked, this, [this] { btnCambiaPasswordClick(); });

    setFixedSize(460, sizeHint().height());
}

void TfrmPassword::updateOK() {
    m_cmdOK->setEnabled(!text::isBlank(m_txtPassword->text()));
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtPassword) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!text::isBlank(m_txtPassword->text()))
                    cmdOKClick();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            updateOK();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::cmdOKClick() {
    switch (app::PasswordStore(m_ctx.programDir()).verify(m_txtPassword->text())) {
    case app::PasswordStore::Check::Match:
        if (QWidget* menu = m_ctx.screen(QStringLiteral("TfrmAvvio"))) {
            menu->show();
            menu->raise();
            menu->activateWindow();
            hide();
        }
        break;
    case app::PasswordStore::Check::NoMatch:
        m_ctx.platform().message(this, QString::fromUtf8(kWrongPassword));
        m_txtPassword->clear();
        m_txtPassword->setFocus();
        break;
    case app::PasswordStore::Check::Error:
        m_ctx.platform().message(this, QString::fromUtf8(kReadError));
        break;
    }
}

void TfrmPassword::cmdEsciClick() {
    close();
}

void TfrmPassword::btnCambiaPasswordClick() {
    QWidget* change = m_ctx.screen(QStringLiteral("TfrmCambiaPassword"));
    if (!change)
        return;
    change->show();
    change->raise();
    change->activateWindow();
    hide();
}

void TfrmPassword::showAfterPasswordChange() {
    m_txtPassword->clear();
    m_lblMemory->clear();
    show();
    raise();
    activateWindow();
    m_txtPassword->setFocus();
}

void TfrmPassword::FormShow() {
    m_txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_centred) {
        placeWindow(this, Placement::Centred);
        m_centred = true;
    }
    activateWindow();
    FormShow();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whichever screen is in front.
    QWidget::closeEvent(event);
    QCoreApplication::exit(0);
}

} // namespace dp
