#include "printing/TfrmStampaMag.h"

namespace dp::printing {

namespace {
const ProductOptionsConfig kConfig{
    .className = "TfrmStampaMag",
    .caption = " Stampa scheda",
    .withPhoto = "Stampa dati con foto.",
    .withoutPhoto = "Stampa dati senza foto.",
    .confirm = "Stampa",
    .output = SheetOutput::Print,
};
} // namespace

TfrmStampaMag::TfrmStampaMag(AppContext& ctx, QWidget* owner, SheetSource* sheet)
    : ProductSheetOptions(ctx, owner, kConfig, sheet) {}

} // namespace dp::printing
