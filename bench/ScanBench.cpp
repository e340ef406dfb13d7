// Times the loads behind the movement summary and the inventory screens against a plain
// and a block read of the same files, "Trova" and the print preview over the summary, and
// the peak memory of the summary.
//
//   depotta_bench [movements] [products] [runs]     (defaults 1000000 100000 5)

#include "BenchSupport.h"

#include "report/ListReport.h"
#include "report/PreviewDialog.h"
#include "storage/KeptLines.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "summaries/InventoryList.h"
#include "summaries/MovementList.h"
#include "ui/AppContext.h"
#include "ui/FindInList.h"
#include "ui/LineListModel.h"
#include "ui/ListScreen.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace dp;
using namespace dp::summaries;
using namespace dp::bench;

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

qint64 plainRead(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    const QByteArray all = f.readAll();
    if (all.size() != f.size())
        qFatal("short read of %s", qPrintable(path));
    return all.size();
}

// The platform seam without people: the find on a full list asks nothing.
class SilentPlatform final : public Platform {
  public:
    void message(QWidget*, const QString&) override {}
    void notice(QWidget*, NoticeKind, const QString&) override {}
    bool question(QWidget*, const QString&) override { return false; }
    bool openUrl(const QUrl&) override { return false; }
    QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QString programDir() const override { return QStringLiteral("./"); }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 movements = args.value(1, QStringLiteral("1000000")).toLongLong();
    const qint64 products = args.value(2, QStringLiteral("100000")).toLongLong();
    const int runs = args.value(3, QStringLiteral("5")).toInt();

    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString journal = dir.filePath(QStringLiteral("Operazioni_Carico.pro"));
    const QString archive = dir.filePath(QStringLiteral("Magazzino.pro"));

    std::printf("Machine: %s\n", qPrintable(machine()));
    std::printf("Generating %lld movements and %lld products in %s ...\n", movements, products,
                qPrintable(dir.path()));
    std::fflush(stdout);
    const QStringList categories = {QStringLiteral("Vini rossi"), QStringLiteral("Vini bianchi"),
                                    QStringLiteral("Birre artigianali"), QStringLiteral("Liquori"),
                                    QStringLiteral("Acque minerali")};
    generate(journal, TMovimento, movements, [&](Record& r, qint64 i) {
        // Spread over the 366 days of 2024, in registration order.
        const QDate d = QDate(2024, 1, 1).addDays(i * 366 / qMax<qint64>(1, movements));
        r.setText(Movimento::Data, twoDigits(d.day()) + u'/' + twoDigits(d.month()) + u'/' +
                                       QString::number(d.year()));
        r.setText(Movimento::Ora,
                  QStringLiteral("%1:%2:%3")
                      .arg(twoDigits(8 + i % 10), twoDigits(i % 60), twoDigits((i * 7) % 60)));
        r.setText(Movimento::Codice,
                  QStringLiteral("ART-%1").arg(i % products, 6, 10, QLatin1Char('0')));
        r.setText(Movimento::Categoria, categories[i % categories.size()]);
        r.setText(Movimento::Nome, QStringLiteral("Articolo di prova numero %1").arg(i % products));
        r.setText(Movimento::Aspetto, u"Cartone da 6");
        r.setText(Movimento::Importo,
                  QStringLiteral("%1,%2").arg(1 + i % 250).arg(twoDigits(i % 100)));
        r.setText(Movimento::Aggiunta, QString::number(1 + i % 48));
        r.setText(Movimento::Note, u"Consegna al magazzino centrale");
    });
    generate(archive, TSchedaProdotto, products, [&](Record& r, qint64 i) {
        r.setText(Prodotto::Codice, QStringLiteral("ART-%1").arg(i, 6, 10, QLatin1Char('0')));
        r.setText(Prodotto::Costo,
                  QStringLiteral("%1,%2").arg(1 + i % 250).arg(twoDigits(i % 100)));
        r.setText(Prodotto::Nome, QStringLiteral("Articolo di prova numero %1").arg(i));
        r.setText(Prodotto::Giacenza, QString::number(i % 500));
        r.setText(Prodotto::Avviso, u"10");
        r.setText(Prodotto::UM, u"pezzi");
        r.setText(Prodotto::Tipologia, categories[i % categories.size()]);
        r.setText(Prodotto::Caratteristiche,
                  u"Prodotto di esempio per la prova dei tempi di caricamento");
        r.setText(Prodotto::Collocazione, u"Scaffale 4");
        r.setText(Prodotto::Ditta, u"Fornitore di prova");
        r.setText(Prodotto::DataSca, u"31/12/2026");
        r.setText(Prodotto::Prezzo, u"19,90");
        r.setText(Prodotto::Pagato, kSi);
    });
    const double journalMb = QFile(journal).size() / 1e6;
    const double archiveMb = QFile(archive).size() / 1e6;
    std::printf("Journal %.0f MB, archive %.0f MB; median of %d runs after one warm-up.\n\n",
                journalMb, archiveMb, runs);

    // The summary of the whole year, no filter: what the summary list does when shown.
    LineListModel model;
    qint64 listed = 0;
    auto summary = [&] {
        model.clear();
        MovementLoad load =
            loadMovements(kLoadSummary, {journal, QString(), QStringLiteral("01/01/2024"),
                                         QStringLiteral("31/12/2024")});
        listed = load.lines.count();
        model.setRows(std::make_shared<RecordRows>(std::move(load.lines)));
    };
    model.clear();
    const double rssBefore = (resetPeak(), peakMb());
    summary();
    const double summaryPeak = peakMb();
    const double tSummary = timeIt(runs, summary);

    qint64 valued = 0;
    auto inventory = [&] {
        model.clear();
        InventoryLoad load = loadInventory(archive, QString());
        valued = load.lines.count();
        model.setRows(std::make_shared<KeptLines>(std::move(load.lines)));
    };
    const double tInventory = timeIt(runs, inventory);
    model.clear();

    // The summary shown in the list screen's view, and "Trova" walking all of it.
    summary();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QListView* view = makeLineListView(&window, &model);
    model.setItemSize(lineItemSize(view));
    auto* key = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("Trova"), &window);
    layout->addWidget(view);
    layout->addWidget(key);
    layout->addWidget(button);
    window.resize(1100, 640);
    QElapsedTimer shown;
    shown.start();
    window.show();
    QCoreApplication::processEvents();
    const double tView = shown.nsecsElapsed() / 1e9;
    SilentPlatform platform;
    AppContext ctx(platform);
    FindInList find(ctx, view, key, button, FindInList::EmptyListReport::Message);
    const double tFindMiss = timeIt(runs, [&] {
        find.reset(); // a new key each time: the walk starts at the top
        key->setText(QStringLiteral("nessuna riga contiene questo"));
        find.find();
    });
    find.reset();
    key->setText(QStringLiteral("numero %1 ").arg(products - 1));
    find.find();
    const int hit = view->currentIndex().row();
    window.hide();

    // The print preview of the summary, up to its first page drawn on screen.
    report::ListReportConfig request;
    request.title =
        QString::fromUtf8(kLoadSummary.printTitlePrefix) + QStringLiteral("Tutti gli articoli");
    request.lines =
        movementMemo({}, intervalLabel(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")),
                     QString::number(listed));
    int previewPages = 0;
    const double tPreview = timeIt(runs, [&] {
        const report::ListReport list(request, model.rows());
        PreviewDialog dialog(list);
        dialog.show();
        dialog.grab();
        previewPages = dialog.pageCount();
    });
    model.clear();

    const double tReadJournal = timeIt(runs, [&] { plainRead(journal); });
    const double tReadArchive = timeIt(runs, [&] { plainRead(archive); });
    const double tBlockJournal = timeIt(runs, [&] { blockRead(journal); });
    const double tBlockArchive = timeIt(runs, [&] { blockRead(archive); });

    std::printf("%-44s %9s %9s\n", "", "seconds", "ratio");
    std::printf("%-44s %9.3f\n", "plain read of the journal into memory", tReadJournal);
    std::printf("%-44s %9.3f\n", "journal read in 4 MB blocks, buffer reused", tBlockJournal);
    std::printf("%-44s %9.3f %8.2fx  (%.2fx the block read; %lld lines)\n",
                "summary of the year into the list model", tSummary, tSummary / tReadJournal,
                tSummary / tBlockJournal, listed);
    std::printf("%-44s %9.3f\n", "plain read of the product archive", tReadArchive);
    std::printf("%-44s %9.3f\n", "archive read in 4 MB blocks, buffer reused", tBlockArchive);
    std::printf("%-44s %9.3f %8.2fx  (%.2fx the block read; %lld lines)\n",
                "inventory into the list model", tInventory, tInventory / tReadArchive,
                tInventory / tBlockArchive, valued);
    std::printf("%-44s %9.3f\n", "list view shown with the whole summary", tView);
    std::printf("%-44s %9.3f  (a match, at line %d)\n", "Trova through every line, no match",
                tFindMiss, hit + 1);
    std::printf("%-44s %9.3f  (%d pages)\n", "preview of the summary, first page drawn", tPreview,
                previewPages);
    const double above = summaryPeak - rssBefore;
    std::printf("\nPeak memory of the process with the summary loaded: %.0f MB, %.0f MB above the "
                "%.0f MB before loading\n",
                summaryPeak, above, rssBefore);
    const bool ok = tSummary <= 5 * tBlockJournal && above < 60 && tFindMiss < 0.3 &&
                    tPreview < 1.0 && tInventory <= 5 * tReadArchive;
    std::printf("Targets (summary within 5x the block read, under 60 MB above, Trova under 0.3 s, "
                "preview under 1 s, inventory within 5x the plain read): %s\n",
                ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
