#pragma once

#include "registry/RegistrySheet.h"

namespace dp {

// The supplier sheet of Fornitori.pro.
class TfrmFornitori final : public RegistrySheet {
    Q_OBJECT
  public:
    explicit TfrmFornitori(AppContext& ctx);
};

} // namespace dp
