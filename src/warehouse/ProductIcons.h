#pragma once

#include <QIcon>

namespace dp {

// The pictures of the sheet's clickable buttons, drawn at run time so that they share one
// look and scale cleanly.
enum class ProductIcon {
    New,
    Duplicate,
    Save,
    First,
    Previous,
    Next,
    Last,
    Find,
    LowStock,
    Unpaid,
    Attach,
    Preview,
    Print,
    Export,
    Help,
    Exit,
    Plus,
    Minus,
    ImportSupplier,
    ClearDate,
    PhotoLoad,
    PhotoCamera,
    PhotoSave,
    PhotoZoom,
    PhotoDelete,
    Instructions
};

QIcon productIcon(ProductIcon kind);

} // namespace dp
