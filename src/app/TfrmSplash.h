#pragma once

#include "app/AboutScreen.h"

namespace dp {

// The splash screen: the program's mark and the maker's web site.
class TfrmSplash final : public AboutScreen {
    Q_OBJECT
  public:
    TfrmSplash(AppContext& ctx, QWidget* owner);
};

} // namespace dp
