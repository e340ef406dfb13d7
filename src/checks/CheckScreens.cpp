#include "checks/CheckScreens.h"

#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"

#include <QPointer>

namespace dp {

namespace {
template <class Screen> void openModal(AppContext& ctx, QWidget* owner, const QString& value) {
    QPointer<Screen> screen = new Screen(ctx, owner);
    screen->setValue(value);
    screen->exec();
    delete screen; // the owner may already have taken it down with itself
}
} // namespace

void openFiscalCodeCheck(AppContext& ctx, QWidget* owner, const QString& value) {
    openModal<TfrmCodFisc>(ctx, owner, value);
}

void openVatNumberCheck(AppContext& ctx, QWidget* owner, const QString& value) {
    openModal<TfrmPartitaIva>(ctx, owner, value);
}

void openCardCheck(AppContext& ctx, QWidget* owner, const QString& value) {
    openModal<TfrmCarta>(ctx, owner, value);
}

void openIbanCheck(AppContext& ctx, QWidget* owner, const QString& value) {
    openModal<TfrmIban>(ctx, owner, value);
}

} // namespace dp
