#include "ui/TfrmGuida.h"

#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dp {

TfrmGuida::TfrmGuida(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, u"TfrmGuida"_s, u" Guida all'utilizzo del software"_s) {
    // A fixed frame with no window buttons: the viewer is left through "Chiudi".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    m_lblTitolo = new QLabel(u"Argomento della guida."_s, this);
    m_lblTitolo->setObjectName(u"lblTitolo"_s);
    QFont title(u"Arial"_s, 16);
    title.setBold(true);
    m_lblTitolo->setFont(title);
    m_lblTitolo->setWordWrap(true); // the longest titles do not fit the fixed width
    m_lblTitolo->setStyleSheet(u"QLabel { color: %1; }"_s.arg(QLatin1String(style::kHelpTitle)));

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(u"txtGuida"_s);
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont body(u"Verdana"_s, 12);
    body.setBold(true);
    body.setStyleHint(QFont::SansSerif);
    m_txtGuida->setFont(body);

    m_imgPDF = new QLabel(this);
    m_imgPDF->setObjectName(u"imgPDF"_s);
    m_imgPDF->setPixmap(icon(Icon::Pdf).pixmap(QSize(32, 32), devicePixelRatioF()));
    m_lnkWeb = new LinkLabel(u"lnkWeb"_s, u"Visualizza guida in formato PDF"_s, this);
    m_lnkWeb->addPicture(m_imgPDF);
    connect(m_lnkWeb, &LinkLabel::activated, this, [this] { lnkWebClick(); });

    m_btnChiudi = new QPushButton(u"Chiudi"_s, this);
    m_btnChiudi->setObjectName(u"btnChiudi"_s);
    m_btnChiudi->setMinimumWidth(96);
    connect(m_btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(8);
    foot->addWidget(m_imgPDF);
    foot->addWidget(m_lnkWeb);
    foot->addStretch(1);
    foot->addWidget(m_btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(m_lblTitolo);
    layout->addWidget(m_txtGuida, 1);
    layout->addLayout(foot);
}

void TfrmGuida::setTopic(HelpTopic topic) {
    m_lblTitolo->setText(help::title(topic));
    m_txtGuida->setPlainText(help::text(topic));
}

void TfrmGuida::showEvent(QShowEvent* event) {
    setFixedSize(676, 598);
    ToolDialog::showEvent(event);
    m_btnChiudi->setFocus();
}

void TfrmGuida::lnkWebClick() {
    const QString path = context().path(guideFileName());
    Platform& platform = context().platform();
    if (!QFileInfo(path).isFile()) {
        platform.message(this, u"Attenzione: la guida in formato PDF (file Guida.pdf) non è "
                               u"presente nella cartella del programma. Si consiglia di "
                               u"reinstallare il software."_s);
        return;
    }
    if (!platform.openUrl(QUrl::fromLocalFile(path)))
        platform.message(this, u"Attenzione: non è stato possibile aprire la guida in formato "
                               u"PDF. Verificare che sia installato un programma per la "
                               u"lettura dei file PDF."_s);
}

void showHelp(AppContext& ctx, QWidget* owner, HelpTopic topic) {
    QPointer<TfrmGuida> viewer = new TfrmGuida(ctx, owner);
    viewer->setTopic(topic);
    viewer->exec();
    delete viewer; // the owner may already have taken it down with itself
}

} // namespace dp
