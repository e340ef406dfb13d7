#pragma once

#include "checks/CheckDialog.h"

namespace dp {

// Checks a credit-card number by its Luhn check digit and names the kind of card.
class TfrmCarta final : public CheckDialog {
    Q_OBJECT
  public:
    TfrmCarta(AppContext& ctx, QWidget* owner);
};

} // namespace dp
