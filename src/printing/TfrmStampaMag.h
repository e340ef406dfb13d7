#pragma once

#include "printing/ProductSheetOptions.h"

namespace dp {

// The product sheet's print, with or without the photo.
class TfrmStampaMag final : public ProductSheetOptions {
    Q_OBJECT
  public:
    TfrmStampaMag(AppContext& ctx, QWidget* owner, printing::SheetSource* sheet = nullptr);
};

} // namespace dp
