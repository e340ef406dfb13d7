#pragma once

#include "storage/Journal.h"

#include <QString>

namespace dp::summaries {

// What differs between the load and the unload summaries; everything else is shared.
// Texts are UTF-8; line pieces are Windows-1252 bytes, as the lines are kept.
struct MovementSummaryConfig {
    MovementKind kind;          // which journal is summarised
    const char* selectionClass; // the interval selection screen
    const char* listClass;      // the summary list screen
    const char* exportClass;    // the journal export screen
    const char* caption;        // of both the selection and the list screen
    const char* campo02;        // instruction naming the journal's kind of movement
    const char* quantityPiece;  // line piece 9
    const char* amountPiece;    // line piece 11
    const char* printTitlePrefix;
};

inline constexpr MovementSummaryConfig kLoadSummary{
    MovementKind::Load,
    "TfrmMenuRiepilogoCarico",
    "TfrmRiepilogoCarico",
    "TfrmExpCarico",
    " Depotta - Riepilogo movimenti di carico merce",
    "Per ottenere il riepilogo dei movimenti di carico riguardanti tutta la merce, non indicare "
    "nessun codice articolo.",
    "  Quant. + ",
    "  Costo: \x80 ",
    "Movimenti di carico merce - Codice articolo: ",
};

inline constexpr MovementSummaryConfig kUnloadSummary{
    MovementKind::Unload,
    "TfrmMenuRiepilogoScarico",
    "TfrmRiepilogoScarico",
    "TfrmExpScarico",
    " Depotta - Riepilogo movimenti di scarico merce",
    "Per ottenere il riepilogo dei movimenti di scarico riguardanti tutta la merce, non indicare "
    "nessun codice articolo.",
    "  Quant. - ",
    "  Prezzo: \x80 ",
    "Movimenti di scarico merce - Codice articolo: ",
};

} // namespace dp::summaries
