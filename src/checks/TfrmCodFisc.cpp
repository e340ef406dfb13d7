#include "checks/TfrmCodFisc.h"

namespace dp {

namespace {
const CheckScreenConfig kConfig{
    .className = "TfrmCodFisc",
    .caption = " Controllo codice fiscale",
    .instruction = "Immettere il codice fiscale e premere il pulsante di controllo.",
    .field = {.name = "txtCodFisc",
              .maxLength = 16,
              .next = "btnControlla",
              .filter = Filter::None,
              .rewrite = Rewrite::UpperTrim,
              .highlight = false},
    .rewriteOnKeyUp = true,
    .check = &checks::checkFiscalCode,
};
} // namespace

TfrmCodFisc::TfrmCodFisc(AppContext& ctx, QWidget* owner) : CheckDialog(ctx, owner, kConfig) {}

} // namespace dp
