// Times the stock check over a product archive and both journals, and the start-up reminder
// counts, against 4 MB block reads of the same files, with the peak memory.
//
//   depotta_stockbench [products] [movements] [runs]     (defaults 100000 1000000 5)

#include "BenchSupport.h"
#include "search/Reminders.h"
#include "storage/Journal.h"
#include "storage/Layouts.h"
#include "warehouse/StockCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace dp;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 products = args.value(1, QStringLiteral("100000")).toLongLong();
    const qint64 movements = args.value(2, QStringLiteral("1000000")).toLongLong();
    const int runs = args.value(3, QStringLiteral("5")).toInt();

    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString archive = dir.filePath(TSchedaProdotto.file());
    const QString loads = dir.filePath(Journal::fileName(MovementKind::Load));
    const QString unloads = dir.filePath(Journal::fileName(MovementKind::Unload));
    const QString customers = dir.filePath(TSchedaCliente.file());
    std::printf("Machine: %s\n", qPrintable(bench::machine()));
    std::printf("Generating %lld products, %lld customers and %lld movements in %s ...\n", products,
                products, movements, qPrintable(dir.path()));
    std::fflush(stdout);

    const auto code = [](qint64 i) {
        return QStringLiteral("ART-%1").arg(i, 6, 10, QLatin1Char('0'));
    };
    // Every product gets 10 loads of 3 and one unload of 2 per movement pair it is given;
    // one product in a thousand disagrees with its movements.
    const qint64 perJournal = movements / 2;
    bench::generate(archive, TSchedaProdotto, products, [&](Record& r, qint64 i) {
        const qint64 ins = perJournal / products + (i < perJournal % products ? 1 : 0);
        const qint64 stock = ins * 3 - ins * 2 + (i % 1000 == 0 ? 1 : 0);
        r.setText(Prodotto::Codice, code(i));
        r.setText(Prodotto::Nome, QStringLiteral("Articolo di prova numero %1").arg(i));
        r.setText(Prodotto::Giacenza, QString::number(stock));
        r.setText(Prodotto::Avviso, u"3");
        r.setText(Prodotto::Pagato, i % 2 ? kSi : kNo);
    });
    const auto movement = [&](const char* quantity) {
        return [&, quantity](Record& r, qint64 i) {
            r.setText(Movimento::Data, u"05/03/2024");
            r.setText(Movimento::Ora, u"10:15:00");
            r.setText(Movimento::Codice, code(i % products));
            r.setText(Movimento::Categoria, u"Ferramenta");
            r.setText(Movimento::Nome, QStringLiteral("Articolo di prova numero %1").arg(i));
            r.setText(Movimento::Importo, u"12,50");
            r.setText(Movimento::Aggiunta, QString::fromLatin1(quantity));
        };
    };
    bench::generate(loads, TMovimento, perJournal, movement("3"));
    bench::generate(unloads, TMovimento, perJournal, movement("2"));
    bench::generate(customers, TSchedaCliente, products, [&](Record& r, qint64 i) {
        r.setText(Cliente::Cognome, QStringLiteral("Rossi%1").arg(i));
        r.setText(Cliente::DataSca, i % 50 ? u"31/12/2030" : u"01/01/2025");
        r.setText(Cliente::Ricontatta, i % 3 ? kNo : kSi);
    });

    bench::resetPeak();
    const double before = bench::peakMb();
    const stock::StockCheck check = stock::checkStock(archive, loads, unloads);
    const double peak = bench::peakMb();
    const double checkSeconds =
        bench::timeIt(runs, [&] { (void)stock::checkStock(archive, loads, unloads); });
    const double blocks = bench::timeIt(runs, [&] {
        bench::blockRead(archive);
        bench::blockRead(loads);
        bench::blockRead(unloads);
    });
    const QDate today(2026, 12, 10);
    const search::ReminderCounts counts = search::countReminders(dir.path(), today);
    const double reminderSeconds =
        bench::timeIt(runs, [&] { (void)search::countReminders(dir.path(), today); });

    std::printf("Archive %.0f MB, journals 2 x %.0f MB, customers %.0f MB; median of %d runs "
                "after one warm-up.\n\n",
                QFile(archive).size() / 1e6, QFile(loads).size() / 1e6,
                QFile(customers).size() / 1e6, runs);
    std::printf("block read of archive and both journals     %8.3f s\n", blocks);
    std::printf("stock check (%lld differences)             %8.3f s  %5.1fx the block read\n",
                qint64(check.differences.size()), checkSeconds, checkSeconds / blocks);
    std::printf("reminder counts (%lld low, %lld to call back) %8.3f s\n", counts.lowStock,
                counts.customerCallBacks, reminderSeconds);
    std::printf("peak memory during the check: %.0f MB, %.0f MB before\n", peak, before);
    const bool ok = checkSeconds < 1.0 && check.differences.size() == (products + 999) / 1000;
    std::printf("Target (whole check under 1 s, the planted differences found): %s\n",
                ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
