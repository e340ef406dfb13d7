#include "checks/TfrmCarta.h"

namespace dp {

namespace {
const CheckScreenConfig kConfig{
    .className = "TfrmCarta",
    .caption = " Controllo carta di credito",
    .instruction = "Immettere il numero di carta di credito e premere il pulsante di controllo.",
    .field = {.name = "txtNumero",
              .maxLength = 30,
              .next = "btnControlla",
              .filter = Filter::Digits,
              .rewrite = Rewrite::UpperTrim,
              .highlight = false},
    .rewriteOnKeyUp = false,
    .check = &checks::checkCardNumber,
};
} // namespace

TfrmCarta::TfrmCarta(AppContext& ctx, QWidget* owner) : CheckDialog(ctx, owner, kConfig) {}

} // namespace dp
