#include "ui/ToolDialog.h"

#include <QLabel>

namespace dp {

ToolDialog::ToolDialog(AppContext& ctx, QWidget* owner, const QString& className,
                       const QString& caption)
    : QDialog(owner), m_ctx(ctx), m_memory(new QLabel(this)) {
    setObjectName(className);
    setWindowTitle(caption);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false); // the opener owns and destroys it
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();
}

QString ToolDialog::memory() const {
    return m_memory->text();
}

void ToolDialog::setMemory(const QString& tag) {
    m_memory->setText(tag);
}

} // namespace dp
