#pragma once

#include <QString>

class QWidget;

namespace dp {

class AppContext;

// Each opens a fresh modal check screen owned by `owner`, prefilled with the sheet's value
// (already trimmed by the caller), and destroys it when it closes.
void openFiscalCodeCheck(AppContext& ctx, QWidget* owner, const QString& value);
void openVatNumberCheck(AppContext& ctx, QWidget* owner, const QString& value);
void openCardCheck(AppContext& ctx, QWidget* owner, const QString& value);
void openIbanCheck(AppContext& ctx, QWidget* owner, const QString& value);

} // namespace dp
