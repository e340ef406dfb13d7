#pragma once

#include "search/RecordListBase.h"

class QLabel;

namespace dp {

class RecordReceiver;

// The stock check: the products whose stock on the sheet differs from the loads minus the
// unloads of their code in the journals, with the record lists' Trova, print and double
// click. It reads, never writes.
class TfrmVerificaGiacenze final : public RecordListBase {
    Q_OBJECT
  public:
    TfrmVerificaGiacenze(AppContext& ctx, QWidget* owner);

    // Opens the check modally over `owner`; a product picked there is handed to the product
    // sheet once the check has closed, with the sheet shown in place of `owner`.
    static void open(AppContext& ctx, QWidget* owner);

  protected:
    void FormShow() override;

  private:
    QLabel* m_panInfo;
};

} // namespace dp
