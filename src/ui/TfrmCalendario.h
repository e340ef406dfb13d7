#pragma once

#include "ui/ToolDialog.h"

class QCalendarWidget;
class QPushButton;

namespace dp {

// The date picker. Importa (or a double click on a day) closes it accepted; the opener then
// writes selectedDate() into its own field. The opener's tag stays in lblMemory.
class TfrmCalendario final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmCalendario(AppContext& ctx, QWidget* owner);

    QCalendarWidget* calendar() const { return m_cal; }
    QDate selectedDate() const;

  public Q_SLOTS:
    void btnImportaDataClick();
    void btnAnnullaClick();

  private:
    QCalendarWidget* m_cal;
    QPushButton* m_import;
    QPushButton* m_cancel;
};

} // namespace dp
