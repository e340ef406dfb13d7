#include "app/AboutScreen.h"

#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace dp {

AboutScreen::AboutScreen(AppContext& ctx, QWidget* owner, const AboutConfig& config)
    : ToolDialog(ctx, owner, QString::fromUtf16(config.className),
                 QString::fromUtf16(config.caption)),
      m_config(config) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(u"#%1 { background: white; }"
                  u"#lblTesto { color: %2; font-size: 11pt; }"_s.arg(objectName(),
                                                                     QLatin1String(style::kInk)));

    QFrame* header =
        style::makeLogoBand(this, art::banner(72, devicePixelRatioF()), QMargins(26, 16, 26, 16))
            .frame;

    auto* picture = new QLabel(this);
    picture->setObjectName(u"imgInfo"_s);
    picture->setPixmap(art::picture(config.picture, 72, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop);

    auto* heading = new QLabel(QString::fromUtf16(config.heading), this);
    heading->setObjectName(u"lblTitolo"_s);
    QFont hf(u"Arial"_s, 14);
    hf.setBold(true);
    heading->setFont(hf);
    heading->setStyleSheet(u"QLabel { color: %1; }"_s.arg(QLatin1String(style::kInk)));
    auto* lines = new QLabel(QString::fromUtf16(config.lines), this);
    lines->setObjectName(u"lblTesto"_s);
    lines->setWordWrap(true);

    auto* linkPicture = new QLabel(this);
    linkPicture->setObjectName(QString::fromUtf16(config.linkImage));
    const QIcon linkIcon = config.envelope ? icon(Icon::Email) : art::icon(art::Picture::Sito);
    linkPicture->setPixmap(linkIcon.pixmap(QSize(32, 32), devicePixelRatioF()));
    m_lnkWeb = new LinkLabel(u"lnkWeb"_s, config.linkText(), this);
    QFont lf(QString::fromUtf16(config.linkFont), config.linkPointSize);
    lf.setUnderline(true);
    m_lnkWeb->setFont(lf);
    m_lnkWeb->addPicture(linkPicture);
    connect(m_lnkWeb, &LinkLabel::activated, this, [this] { lnkWebClick(); });

    auto* chiudi = new QPushButton(u"Chiudi"_s, this);
    chiudi->setObjectName(u"btnChiudi"_s);
    chiudi->setMinimumSize(96, 32);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* link = new QHBoxLayout;
    link->setSpacing(8);
    link->addWidget(linkPicture);
    link->addWidget(m_lnkWeb);
    link->addStretch(1);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(heading);
    text->addWidget(lines);
    text->addSpacing(8);
    text->addLayout(link);
    text->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(26, 20, 26, 0);
    middle->setSpacing(20);
    middle->addWidget(picture);
    middle->addLayout(text, 1);

    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(26, 0, 26, 18);
    foot->addStretch(1);
    foot->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(header);
    layout->addLayout(middle, 1);
    layout->addLayout(foot);

    // The text wraps, so the height follows from the width.
    setFixedSize(560, qMax(sizeHint().height(), layout->totalHeightForWidth(560)));
    chiudi->setFocus();
}

void AboutScreen::lnkWebClick() {
    // A desktop without a program for the address is not reported, as with the menu's link.
    context().platform().openUrl(m_config.target());
}

} // namespace dp
