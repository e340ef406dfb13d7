#include "printing/TfrmStampaMag.h"

namespace dp {

namespace {
const ProductOptionsConfig kConfig{
    .className = "TfrmStampaMag",
    .caption = " Stampa scheda",
    .withPhoto = "Stampa dati con foto.",
    .withoutPhoto = "Stampa dati senza foto.",
    .confirm = "Stampa",
    .output = printing::SheetOutput::Print,
};
} // namespace

TfrmStampaMag::TfrmStampaMag(AppContext& ctx, QWidget* owner, printing::SheetSource* sheet)
    : ProductSheetOptions(ctx, owner, kConfig, sheet) {}

} // namespace dp
