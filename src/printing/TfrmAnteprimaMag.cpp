#include "printing/TfrmAnteprimaMag.h"

namespace dp {

namespace {
const ProductOptionsConfig kConfig{
    .className = "TfrmAnteprimaMag",
    .caption = " Anteprima di stampa",
    .withPhoto = "Anteprima dati con foto.",
    .withoutPhoto = "Anteprima dati senza foto.",
    .confirm = "Mostra anteprima",
    .output = printing::SheetOutput::Preview,
};
} // namespace

TfrmAnteprimaMag::TfrmAnteprimaMag(AppContext& ctx, QWidget* owner, printing::SheetSource* sheet)
    : ProductSheetOptions(ctx, owner, kConfig, sheet) {}

} // namespace dp
