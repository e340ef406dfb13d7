#pragma once

#include "registry/RegistrySheet.h"

namespace dp {

// The customer sheet of Clienti.pro.
class TfrmClienti final : public RegistrySheet {
    Q_OBJECT
  public:
    explicit TfrmClienti(AppContext& ctx);
};

} // namespace dp
