#include "checks/CheckDialog.h"

#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

CheckDialog::CheckDialog(AppContext& ctx, QWidget* owner, const CheckScreenConfig& def)
    : ToolDialog(ctx, owner, QString::fromLatin1(def.className), QString::fromUtf8(def.caption)),
      m_config(def), m_title(new QLabel(QString::fromUtf8(def.instruction), this)),
      m_field(new QLineEdit(this)), m_check(new QPushButton(QStringLiteral("Controlla"), this)),
      m_close(new QPushButton(QStringLiteral("Chiudi"), this)) {
    m_title->setObjectName(QStringLiteral("lblTitolo"));
    m_title->setWordWrap(false); // one line: the screens take the width of their instruction
    m_field->setObjectName(QString::fromLatin1(def.field.name));
    m_check->setObjectName(QStringLiteral("btnControlla"));
    m_close->setObjectName(QStringLiteral("btnChiudi"));

    // Identifiers read best in a fixed-width face, with the characters evenly spaced.
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(12);
    m_field->setFont(mono);
    m_field->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QLatin1Char('W')) *
                             (def.field.maxLength + 2));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_check);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(m_title);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FieldConventions::apply(this, std::span(&def.field, 1));
    if (def.rewriteOnKeyUp)
        m_field->installEventFilter(this);

    connect(m_check, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void CheckDialog::setValue(const QString& value) {
    m_field->setText(value);
}

QString CheckDialog::value() const {
    return m_field->text();
}

void CheckDialog::btnControllaClick() {
    const checks::CheckResult r = m_config.check(m_field->text());
    const NoticeKind kind =
        r.kind == checks::MessageKind::Information ? NoticeKind::Information : NoticeKind::Warning;
    context().platform().notice(this, kind, r.message);
    if (r.keepsOpen())
        m_field->setFocus(Qt::OtherFocusReason);
    else
        close();
}

void CheckDialog::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    m_field->setFocus(Qt::OtherFocusReason);
}

bool CheckDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyRelease) {
        const QString t = m_field->text();
        const QString r = FieldConventions::rewrite(m_config.field.rewrite, t);
        if (r != t) {
            const int pos = m_field->cursorPosition() - int(t.size() - r.size());
            m_field->setText(r);
            m_field->setCursorPosition(qBound(0, pos, int(r.size())));
        }
    }
    return ToolDialog::eventFilter(watched, event);
}

} // namespace dp
