#pragma once

#include "app/AboutScreen.h"

namespace dp {

// The information screen: what the program is and the maker's support address.
class TfrmInfo final : public AboutScreen {
    Q_OBJECT
  public:
    TfrmInfo(AppContext& ctx, QWidget* owner);

    // A new message to the support address, subject and first line written.
    static QUrl supportMail();
};

} // namespace dp
