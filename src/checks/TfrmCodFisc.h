#pragma once

#include "checks/CheckDialog.h"

namespace dp {

// Checks a personal fiscal code by its length and its check character.
class TfrmCodFisc final : public CheckDialog {
    Q_OBJECT
  public:
    TfrmCodFisc(AppContext& ctx, QWidget* owner);
};

} // namespace dp
