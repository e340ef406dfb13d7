#include "printing/ProductSheetOptions.h"

#include "printing/TfrmAnteprimaMag.h"
#include "printing/TfrmStampaMag.h"
#include "ui/AppContext.h"
#include "ui/Icons.h"
#include "ui/Platform.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace dp {

namespace {
const QString kWith = QStringLiteral("con");
const QString kWithout = QStringLiteral("senza");
} // namespace

ProductSheetOptions::ProductSheetOptions(AppContext& ctx, QWidget* owner,
                                         const ProductOptionsConfig& config,
                                         printing::SheetSource* sheet)
    : ToolDialog(ctx, owner, QString::fromLatin1(config.className),
                 QString::fromUtf8(config.caption)),
      m_config(config), m_sheet(sheet) {
    setMemory(kWith);

    auto* optUno = new QRadioButton(QString::fromUtf8(config.withPhoto), this);
    optUno->setObjectName(QStringLiteral("optUno"));
    optUno->setChecked(true);
    auto* optDue = new QRadioButton(QString::fromUtf8(config.withoutPhoto), this);
    optDue->setObjectName(QStringLiteral("optDue"));
    auto* group = new QButtonGroup(this);
    group->addButton(optUno);
    group->addButton(optDue);
    connect(optUno, &QRadioButton::toggled, this, [this](bool on) {
        m_withPhoto = on;
        setMemory(on ? kWith : kWithout);
    });

    // The copy of the sheet's photo and the blank picture that stands in for a missing one.
    m_imgLogo = new QLabel(this);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->hide();
    m_imgBianco = new QLabel(this);
    m_imgBianco->setObjectName(QStringLiteral("imgBianco"));
    QPixmap blank(8, 8);
    blank.fill(Qt::white);
    m_imgBianco->setPixmap(blank);
    m_imgBianco->hide();

    auto* confirm = new QPushButton(
        icon(config.output == printing::SheetOutput::Print ? Icon::Print : Icon::Preview),
        QString::fromUtf8(config.confirm), this);
    confirm->setObjectName(QStringLiteral("btnStampa"));
    confirm->setDefault(true);
    confirm->setAutoDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    connect(confirm, &QPushButton::clicked, this, &ProductSheetOptions::btnStampaClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* options = new QVBoxLayout;
    options->setSpacing(10);
    options->addWidget(optUno);
    options->addWidget(optDue);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(options);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));

    copyPhoto();
}

void ProductSheetOptions::copyPhoto() {
    m_photo = m_sheet ? m_sheet->photo() : QImage();
    if (m_photo.isNull())
        m_photo = m_imgBianco->pixmap().toImage();
    m_imgLogo->setPixmap(QPixmap::fromImage(m_photo));
}

void ProductSheetOptions::showEvent(QShowEvent* event) {
    copyPhoto();
    ToolDialog::showEvent(event);
}

void ProductSheetOptions::btnStampaClick() {
    if (!m_sheet) {
        reject();
        return;
    }
    auto sheet = printing::productSheet(*m_sheet, m_withPhoto, m_photo, context().platform().now());
    if (const QString* warning = std::get_if<QString>(&sheet)) {
        context().platform().notice(this, NoticeKind::Warning, *warning);
        reject();
        return;
    }
    printing::outputSheet(context(), this, std::get<report::ReportDocument>(sheet),
                          m_config.output);
    accept();
}

void openProductSheetOptions(AppContext& ctx, QWidget* productScreen, printing::SheetOutput output,
                             printing::SheetSource& sheet) {
    std::unique_ptr<ProductSheetOptions> screen;
    if (output == printing::SheetOutput::Print)
        screen = std::make_unique<TfrmStampaMag>(ctx, productScreen, &sheet);
    else
        screen = std::make_unique<TfrmAnteprimaMag>(ctx, productScreen, &sheet);
    screen->exec();
}

} // namespace dp
