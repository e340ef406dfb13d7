#pragma once

#include "ui/Platform.h"

class QWidget;

namespace dp {

class AppContext;

// The archive error box every archive screen shows when a record-file action fails.
void reportArchiveError(AppContext& ctx, QWidget* parent);

} // namespace dp
