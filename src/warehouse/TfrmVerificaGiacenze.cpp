#include "warehouse/TfrmVerificaGiacenze.h"

#include "storage/Journal.h"
#include "storage/Layouts.h"
#include "storage/StorageError.h"
#include "storage/Win1252.h"
#include "ui/AppContext.h"
#include "ui/HandBack.h"
#include "ui/LineListModel.h"
#include "warehouse/StockCheck.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace dp {

TfrmVerificaGiacenze::TfrmVerificaGiacenze(AppContext& ctx, QWidget* owner)
    : RecordListBase(ctx, owner, "TfrmVerificaGiacenze", " Verifica giacenze", TSchedaProdotto,
                     "Verifica delle giacenze sulle schede e nei movimenti") {
    setHelp(HelpTopic::Inventario); // opened from the inventory, whose help explains it
    auto* spiega = addLabel(
        "lblSpiegazione",
        QStringLiteral("Prodotti la cui giacenza sulla scheda differisce dai carichi meno gli "
                       "scarichi registrati per il loro codice articolo. Un asterisco segna i "
                       "prodotti che condividono lo stesso codice: le loro giacenze sono sommate "
                       "e confrontate insieme."));
    spiega->setWordWrap(true);
    headRows()->addWidget(spiega);
    m_panInfo = addLabel("panInfo", QString());
    m_panInfo->setFrameShape(QFrame::StyledPanel);
    m_panInfo->setContentsMargins(6, 2, 6, 2);
    bottomRows()->addWidget(m_panInfo);
}

void TfrmVerificaGiacenze::open(AppContext& ctx, QWidget* owner) {
    PickedRecord picked;
    {
        TfrmVerificaGiacenze check(ctx, owner);
        check.setReceiver(&picked);
        check.exec();
    }
    QWidget* sheet = ctx.screen(QStringLiteral("TfrmMagazzino"));
    if (auto* receiver = dynamic_cast<RecordReceiver*>(sheet); receiver && picked.picked()) {
        sheet->show();
        sheet->raise();
        sheet->activateWindow();
        if (owner)
            owner->hide();
        picked.handTo(*receiver);
    }
}

void TfrmVerificaGiacenze::FormShow() {
    model()->clear();
    m_panInfo->clear();
    stock::StockCheck check;
    try {
        check = stock::checkStock(archivePath(),
                                  context().path(Journal::fileName(MovementKind::Load)),
                                  context().path(Journal::fileName(MovementKind::Unload)));
    } catch (const StorageError& e) {
        logStorageError(e);
        reportIncomplete(true, {}, isArchiveBusy(e));
        return;
    }
    search::RecordList list;
    auto lines = std::make_shared<KeptLines>();
    for (const stock::StockDifference& d : check.differences) {
        lines->append(win1252::encode(stock::stockCheckLine(d)));
        list.positions.append(d.position);
    }
    list.lines = std::move(lines);
    setLines(list);
    const auto many = [](qint64 n, const char* one, const char* more) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : more));
    };
    const QString products = many(check.products, "prodotto", "prodotti");
    const QString movements = many(check.movements, "movimento", "movimenti");
    QString info =
        check.differences.isEmpty()
            ? QStringLiteral("Nessuna differenza: le giacenze di %1 corrispondono a %2.")
                  .arg(products, movements)
            : QStringLiteral("%1 con giacenza diversa dai movimenti, su %2 e %3.")
                  .arg(many(check.differences.size(), "prodotto", "prodotti"), products, movements);
    if (check.unreadableMovements > 0)
        info += QStringLiteral(" %1 con una quantità non numerica non contati.")
                    .arg(many(check.unreadableMovements, "movimento", "movimenti"));
    m_panInfo->setText(info);
}

} // namespace dp
