#pragma once

#include "checks/CheckDialog.h"

namespace dp {

// Checks a VAT number by its check digit and names the office that issued it.
class TfrmPartitaIva final : public CheckDialog {
    Q_OBJECT
  public:
    TfrmPartitaIva(AppContext& ctx, QWidget* owner);
};

} // namespace dp
