#include "ui/SheetFrame.h"

#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/ArchiveSheet.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace dp {

namespace {
const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");
} // namespace

SheetFrame::SheetFrame(AppContext& ctx, const SheetFrameConfig& config)
    : AreaScreen(ctx, QString::fromLatin1(config.className), QString::fromUtf8(config.caption),
                 Placement::Maximised),
      m_config(config) {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(8);
    root->addWidget(buildToolbar());
    root->addWidget(buildHeading());

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("bkgScheda"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    m_holder = new QWidget;
    m_holder->setObjectName(QStringLiteral("bkgSfondo"));
    scroll->setWidget(m_holder);
    root->addWidget(scroll, 1);

    m_info = new QLabel(kReady, this);
    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setStyleSheet(style::statusLineSheet(m_info->objectName()));
    m_info->setMinimumHeight(28);
    m_info->setMinimumWidth(1);
    root->addWidget(m_info);

    // The attachment slots travel with the sheet but are seen only on the attachment screen.
    auto hiddenLabel = [this](const char* stem, int i) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(stem) + QString::number(i + 1).rightJustified(2, u'0'));
        l->hide();
        return l;
    };
    for (int i = 0; i < 3; ++i)
        m_files[i] = hiddenLabel("lblFile", i);
    for (int i = 0; i < 3; ++i)
        m_descs[i] = hiddenLabel("lblDesc", i);

    m_sheet = new ArchiveSheet(ctx, this, config.layout, m_position);
    m_sheet->afterShow = [this](qint64 position) { recordShown(position); };
    connect(m_sheet, &ArchiveSheet::positionChanged, this, &SheetFrame::refreshPosition);
    refreshPosition();

    auto browse = [this](const char* name, void (ArchiveSheet::*step)()) {
        if (QAbstractButton* b = tool(name))
            connect(b, &QAbstractButton::clicked, m_sheet, step);
    };
    browse("cmdPrimo", &ArchiveSheet::first);
    browse("cmdIndietro", &ArchiveSheet::previous);
    browse("cmdAvanti", &ArchiveSheet::next);
    browse("cmdUltimo", &ArchiveSheet::last);
}

QToolButton* SheetFrame::makeToolButton(QWidget* parent, const ToolConfig& t) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(t.name));
    b->setText(QString::fromUtf8(t.caption));
    b->setIcon(icon(t.picture));
    b->setIconSize(QSize(style::kToolIcon, style::kToolIcon));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(style::kToolButtonWidth);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QWidget* SheetFrame::buildToolbar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("bkgComandi"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(2);
    for (const ToolConfig& t : m_config.tools) {
        if (t.place == ToolConfig::Right) {
            row->addStretch(1);
        } else if (t.place == ToolConfig::NewGroup) {
            auto* sep = new QFrame(bar);
            sep->setFrameShape(QFrame::VLine);
            sep->setFrameShadow(QFrame::Sunken);
            row->addSpacing(6);
            row->addWidget(sep);
            row->addSpacing(6);
        }
        row->addWidget(makeToolButton(bar, t));
    }
    return bar;
}

QWidget* SheetFrame::buildHeading() {
    const style::HeadingBand band = style::makeHeadingBand(this, QStringLiteral("titScheda"),
                                                           QString::fromUtf8(m_config.title));
    m_titPosizione = new QLabel(band.frame);
    m_titPosizione->setObjectName(QStringLiteral("titPosizione"));
    m_position = new QLabel(band.frame);
    m_position->setObjectName(QStringLiteral("lblPosizione"));
    QFont pf = m_position->font();
    pf.setBold(true);
    pf.setPointSizeF(pf.pointSizeF() * 1.2);
    m_position->setFont(pf);
    m_position->setMinimumWidth(
        m_position->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    band.layout->addWidget(m_titPosizione);
    band.layout->addWidget(m_position);
    return band.frame;
}

void SheetFrame::setBody(QWidget* body) {
    // On wide screens the fields keep a readable length and the sheet stands in the middle.
    auto* centre = new QHBoxLayout(m_holder);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->setSpacing(0);
    body->setParent(m_holder);
    body->setMaximumWidth(style::kSheetMaxWidth);
    centre->addStretch(1);
    centre->addWidget(body, 100);
    centre->addStretch(1);
}

void SheetFrame::refreshPosition() {
    m_titPosizione->setText(m_position->text().isEmpty()
                                ? QStringLiteral("Nuova scheda, non ancora inserita in archivio")
                                : QStringLiteral("Scheda in archivio n."));
}

AttachmentSlots SheetFrame::attachmentSlots() const {
    AttachmentSlots slots;
    for (int i = 0; i < 3; ++i) {
        slots.files[i] = m_files[i]->text();
        slots.descs[i] = m_descs[i]->text();
    }
    return slots;
}

void SheetFrame::setAttachmentSlots(const AttachmentSlots& slots) {
    for (int i = 0; i < 3; ++i) {
        m_files[i]->setText(slots.files[i]);
        m_descs[i]->setText(slots.descs[i]);
    }
}

void SheetFrame::showRecord(const Record& record, qint64 position) {
    m_sheet->showRecord(record, position);
}

void SheetFrame::applyHints(std::span<const HintConfig> more, const char* fallback) {
    std::vector<HintConfig> hints;
    for (const ToolConfig& t : m_config.tools)
        hints.push_back({t.name, t.hint ? t.hint : fallback});
    hints.insert(hints.end(), more.begin(), more.end());
    FieldConventions::applyHints(this, m_info, hints);
}

QLineEdit* SheetFrame::edit(const char* name) const {
    const QString n = QLatin1String(name);
    if (auto* e = m_holder->findChild<QLineEdit*>(n))
        return e;
    if (auto* box = m_holder->findChild<QComboBox*>(n))
        return box->lineEdit();
    qWarning("SheetFrame: no field %s", name);
    return nullptr;
}

void SheetFrame::focusField(const char* name) const {
    if (auto* w = m_holder->findChild<QWidget*>(QLatin1String(name)))
        w->setFocus(Qt::OtherFocusReason);
}

bool SheetFrame::requiredFilled(std::span<const RequiredField> required) {
    for (const RequiredField& r : required) {
        const QLineEdit* e = edit(r.name);
        if (e && text::isBlank(e->text())) {
            context().platform().notice(this, NoticeKind::Warning, QString::fromUtf8(r.warning));
            focusField(r.name);
            return false;
        }
    }
    return true;
}

QAbstractButton* SheetFrame::tool(const char* name) const {
    auto* b = findChild<QAbstractButton*>(QLatin1String(name));
    if (!b)
        qWarning("SheetFrame: no button %s", name);
    return b;
}

void SheetFrame::connectClicked(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, std::move(handler));
}

} // namespace dp
