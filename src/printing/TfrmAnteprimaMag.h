#pragma once

#include "printing/ProductSheetOptions.h"

namespace dp {

// The product sheet's preview, with or without the photo.
class TfrmAnteprimaMag final : public ProductSheetOptions {
    Q_OBJECT
  public:
    TfrmAnteprimaMag(AppContext& ctx, QWidget* owner, printing::SheetSource* sheet = nullptr);
};

} // namespace dp
