#pragma once

#include "ui/ToolDialog.h"

namespace dp {

// Explains that the stock of a product changes only through the buttons + and - of the
// product sheet; shown when the user tries to type into the stock field.
class TfrmIstruzioni final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmIstruzioni(AppContext& ctx, QWidget* owner);

  public Q_SLOTS:
    void btnChiudiClick();
};

} // namespace dp
