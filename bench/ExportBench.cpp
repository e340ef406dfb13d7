// Times the journal export: its screen's grid ready over a large load journal and its
// spreadsheet file written, beside a block read of the journal and a plain write of as many
// bytes as the file holds; and the process's peak memory.
//
//   depotta_export_bench [movements] [runs]     (defaults 1000000 5)

#include "BenchSupport.h"
#include "export/ExportGridModel.h"
#include "export/ExportScreen.h"
#include "export/SpreadsheetWriter.h"
#include "storage/Layouts.h"
#include "ui/AppContext.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace dp;
using namespace dp::bench;
using namespace dp::exports;

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// As many bytes as the spreadsheet holds, written to a file in one go; with `sync` also
// forced to the disk, as the export does before it puts its file in place of the old one.
void plainWrite(const QString& path, const QByteArray& bytes, bool sync) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    if (sync && (!f.flush() || ::fsync(f.handle()) != 0))
        qFatal("cannot sync %s", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 movements = args.value(1, QStringLiteral("1000000")).toLongLong();
    const int runs = args.value(2, QStringLiteral("5")).toInt();

    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString journal = dir.filePath(QStringLiteral("Operazioni_Carico.pro"));
    std::printf("Machine: %s\n", qPrintable(machine()));
    std::printf("Generating %lld movements in %s ...\n", movements, qPrintable(dir.path()));
    std::fflush(stdout);
    const QStringList kinds = {QStringLiteral("Viteria"), QStringLiteral("Utensili"),
                               QStringLiteral("Ferramenta"), QStringLiteral("Colle & nastri")};
    generate(journal, TMovimento, movements, [&](Record& r, qint64 i) {
        const QDate d = QDate(2024, 1, 1).addDays(i * 366 / qMax<qint64>(1, movements));
        r.setText(Movimento::Data, twoDigits(d.day()) + u'/' + twoDigits(d.month()) + u'/' +
                                       QString::number(d.year()));
        r.setText(Movimento::Ora,
                  QStringLiteral("%1:%2:00").arg(twoDigits(8 + i % 10), twoDigits(i % 60)));
        r.setText(Movimento::Codice, QStringLiteral("%1").arg(i % 5000, 6, 10, QLatin1Char('0')));
        r.setText(Movimento::Categoria, kinds[i % kinds.size()]);
        r.setText(Movimento::Nome, QStringLiteral("Articolo %1 <serie B>").arg(i % 5000));
        r.setText(Movimento::Aspetto, u"Scatola da 100");
        r.setText(Movimento::Importo, QStringLiteral("%1,%2").arg(i % 90).arg(twoDigits(i % 100)));
        r.setText(Movimento::Aggiunta, QString::number(1 + i % 48));
        r.setText(Movimento::Note, u"Consegna più rapida possibile");
    });
    std::printf("Journal %.0f MB; median of %d runs after one warm-up.\n\n",
                QFile(journal).size() / 1e6, runs);
    std::fflush(stdout);

    QtPlatform platform(dir.path());
    AppContext ctx(platform);
    const ExportConfig& config = exportConfig(ExportArchive::LoadJournal);

    const double rssBefore = (resetPeak(), peakMb());
    // The screen as its opener shows it: the grid filled and drawn.
    std::unique_ptr<ExportScreen> screen;
    auto open = [&] {
        screen.reset();
        screen = std::make_unique<ExportScreen>(ctx, nullptr, config);
        screen->setJournalPath(journal);
        screen->show();
        QCoreApplication::processEvents();
    };
    const double tGrid = timeIt(runs, open);
    const qint64 rows = screen->model()->rowCount();

    const QString xls = dir.filePath(QStringLiteral("Registro_Carico.xls"));
    auto write = [&] {
        if (SpreadsheetWriter::save(xls, config, *screen->model()->rows()) !=
            SpreadsheetWriter::Result::Written)
            qFatal("the export failed");
    };
    const double tWrite = timeIt(runs, write);
    const double peak = peakMb();
    screen.reset();

    const double tBlock = timeIt(runs, [&] { blockRead(journal); });
    const qint64 fileBytes = QFile(xls).size();
    const QByteArray same(fileBytes, 'x');
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    const double tPlain = timeIt(runs, [&] { plainWrite(plain, same, false); });
    const double tPlainSync = timeIt(runs, [&] { plainWrite(plain, same, true); });

    std::printf("%-52s %9s %9s\n", "", "seconds", "ratio");
    std::printf("%-52s %9.3f\n", "journal read in 4 MB blocks, buffer reused", tBlock);
    std::printf("%-52s %9.3f %8.2fx  (%lld rows)\n", "export screen open, grid ready", tGrid,
                tGrid / tBlock, rows);
    std::printf("%-52s %9.3f\n", "plain write of the file's bytes in one go", tPlain);
    std::printf("%-52s %9.3f\n", "the same, forced to disk (fsync)", tPlainSync);
    std::printf("%-52s %9.3f %8.2fx  (%.2fx the unsynced write; %.0f MB)\n",
                "spreadsheet file written and put in place", tWrite, tWrite / tPlainSync,
                tWrite / tPlain, fileBytes / 1e6);
    std::printf("\nPeak memory of the process with the grid open and the file written: %.0f MB "
                "(%.0f MB before)\n",
                peak, rssBefore);
    const bool ok = tGrid <= 5 * tBlock && tWrite <= 2 * tPlainSync && peak < 300;
    std::printf("Targets (grid within 5x the block read, file within 2x the plain write, peak "
                "under 300 MB): %s\n",
                ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
