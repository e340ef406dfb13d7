#pragma once

#include "ui/ToolDialog.h"

class QCalendarWidget;
class QPushButton;

namespace dp {

// The date picker: the chosen date goes straight into the field of the caller named by the
// tag in lblMemory ("datasca": the expiry date of the product sheet).
class TfrmCalendario final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmCalendario(AppContext& ctx, QWidget* owner);

    QCalendarWidget* calendar() const { return m_cal; }

  public Q_SLOTS:
    void btnImportaDataClick();
    void btnAnnullaClick();

  private:
    QCalendarWidget* m_cal;
    QPushButton* m_import;
    QPushButton* m_cancel;
};

} // namespace dp
