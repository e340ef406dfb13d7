#pragma once

#include "search/RecordListBase.h"
#include "search/RecordLists.h"

namespace dp {

// The low-stock and unpaid lists of the product sheet (TfrmSottoscorta, TfrmDaSaldare) and
// the call-back lists of the registries (TfrmRicontatta, TfrmRicontattaFor): one screen,
// configured by its RecordListConfig, that lists the records its rule selects when shown.
class RecordListScreen final : public RecordListBase {
    Q_OBJECT
  public:
    RecordListScreen(AppContext& ctx, QWidget* owner, const search::RecordListConfig& def);

    // Opens the list modally over `owner`; a double click hands a record to `receiver`.
    static void open(AppContext& ctx, QWidget* owner, const search::RecordListConfig& def,
                     RecordReceiver& receiver);

  protected:
    void FormShow() override;

  private:
    const search::RecordListConfig& m_def;
};

} // namespace dp
