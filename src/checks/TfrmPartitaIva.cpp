#include "checks/TfrmPartitaIva.h"

namespace dp {

namespace {
const CheckScreenConfig kConfig{
    .className = "TfrmPartitaIva",
    .caption = " Controllo partita IVA",
    .instruction = "Immettere il numero di partita IVA e premere il pulsante di controllo.",
    .field = {.name = "txtPartitaIva",
              .maxLength = 11,
              .next = "btnControlla",
              .filter = Filter::Digits,
              .rewrite = Rewrite::None,
              .highlight = false},
    .rewriteOnKeyUp = false,
    .check = &checks::checkVatNumber,
};
} // namespace

TfrmPartitaIva::TfrmPartitaIva(AppContext& ctx, QWidget* owner)
    : CheckDialog(ctx, owner, kConfig) {}

} // namespace dp
