#pragma once

#include "printing/ProductSheetOptions.h"

namespace dp::printing {

// The product sheet's preview, with or without the photo.
class TfrmAnteprimaMag final : public ProductSheetOptions {
    Q_OBJECT
  public:
    TfrmAnteprimaMag(AppContext& ctx, QWidget* owner, SheetSource* sheet = nullptr);
};

} // namespace dp::printing
