#include "checks/TfrmIban.h"

namespace dp {

namespace {
const CheckScreenConfig kConfig{
    .className = "TfrmIban",
    .caption = " Controllo IBAN",
    .instruction = "Immettere l'IBAN e premere il pulsante di controllo.",
    .field = {.name = "txtIban",
              .maxLength = 27,
              .next = "btnControlla",
              .filter = Filter::None,
              .rewrite = Rewrite::UpperTrim,
              .highlight = false},
    .rewriteOnKeyUp = true,
    .check = &checks::checkIban,
};
} // namespace

TfrmIban::TfrmIban(AppContext& ctx, QWidget* owner) : CheckDialog(ctx, owner, kConfig) {}

} // namespace dp
