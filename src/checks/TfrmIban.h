#pragma once

#include "checks/CheckDialog.h"

namespace dp {

// Checks an Italian IBAN by its length and its remainder modulo 97.
class TfrmIban final : public CheckDialog {
    Q_OBJECT
  public:
    TfrmIban(AppContext& ctx, QWidget* owner);
};

} // namespace dp
