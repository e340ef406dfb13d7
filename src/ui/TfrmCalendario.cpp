#include "ui/TfrmCalendario.h"

#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dp {

TfrmCalendario::TfrmCalendario(AppContext& ctx, QWidget* owner)
    : ToolDialog(ctx, owner, QStringLiteral("TfrmCalendario"),
                 QStringLiteral(" Importazione data")),
      m_cal(new QCalendarWidget(this)), m_import(new QPushButton(QStringLiteral("Importa"), this)),
      m_cancel(new QPushButton(QStringLiteral("Annulla"), this)) {
    auto* title = new QLabel(QStringLiteral("Importare una data:"), this);
    title->setObjectName(QStringLiteral("titCalendario"));

    m_cal->setObjectName(QStringLiteral("calAppuntamenti"));
    // Italian month and day names, weeks from Monday, whatever the system says.
    m_cal->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_cal->setFirstDayOfWeek(Qt::Monday);
    m_cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_cal->setGridVisible(true);
    const QDate today = ctx.platform().now().date();
    m_cal->setSelectedDate(today);
    m_cal->setCurrentPage(today.year(), today.month());

    m_import->setObjectName(QStringLiteral("btnImportaData"));
    m_cancel->setObjectName(QStringLiteral("btnAnnulla"));
    m_import->setDefault(true);
    m_import->setAutoDefault(true);
    m_cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_import);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(m_cal);
    layout->addLayout(buttons);

    connect(m_import, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    // A double click (or Enter) on a day imports it, as Importa does.
    connect(m_cal, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
    setFixedSize(sizeHint());
}

QDate TfrmCalendario::selectedDate() const {
    return m_cal->selectedDate();
}

void TfrmCalendario::btnImportaDataClick() {
    accept();
}

void TfrmCalendario::btnAnnullaClick() {
    reject();
}

} // namespace dp
