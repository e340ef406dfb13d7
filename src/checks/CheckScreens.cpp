#include "checks/CheckScreens.h"

// Placeholder bodies until the check screens land.
namespace dp {

void openFiscalCodeCheck(AppContext&, QWidget*, const QString&) {}
void openVatNumberCheck(AppContext&, QWidget*, const QString&) {}
void openCardCheck(AppContext&, QWidget*, const QString&) {}
void openIbanCheck(AppContext&, QWidget*, const QString&) {}

} // namespace dp
