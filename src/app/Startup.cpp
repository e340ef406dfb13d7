#include "app/Startup.h"

#include "app/Resources.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "attachments/TfrmAllegaCartella.h"
#include "attachments/TfrmWebCam.h"
#include "attachments/TfrmZoom.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "export/ExportScreen.h"
#include "printing/TfrmAnteprimaMag.h"
#include "printing/TfrmStampaMag.h"
#include "registry/TfrmClienti.h"
#include "registry/TfrmFornitori.h"
#include "search/RecordListScreen.h"
#include "search/SearchScreen.h"
#include "summaries/MovementSelection.h"
#include "summaries/MovementSummaryList.h"
#include "summaries/TfrmMenuRiepilogo.h"
#include "summaries/TfrmRiepilogo.h"
#include "ui/AppContext.h"
#include "ui/QtPlatform.h"
#include "ui/TfrmCalendario.h"
#include "ui/TfrmGuida.h"
#include "ui/WaitCursor.h"
#include "warehouse/TfrmGiacenza.h"
#include "warehouse/TfrmIstruzioni.h"
#include "warehouse/TfrmMagazzino.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace dp {

namespace {
template <class T> QWidget* make(AppContext& ctx) {
    return new T(ctx);
}
template <exports::ExportArchive A> QWidget* makeExport(AppContext& ctx) {
    return new ExportScreen(ctx, nullptr, exports::exportConfig(A));
}
} // namespace

const std::vector<ScreenEntry>& screenTable() {
    // The order is the program's start-up order; the login screen comes first.
    static const std::vector<ScreenEntry> table = {
        {"TfrmPassword", make<TfrmPassword>},
        {"TfrmAvvio", make<TfrmAvvio>},
        {"TfrmCambiaPassword", make<TfrmCambiaPassword>},
        {"TfrmGuida", [](AppContext& c) -> QWidget* { return new TfrmGuida(c, nullptr); }},
        {"TfrmInfo", [](AppContext& c) -> QWidget* { return new TfrmInfo(c, nullptr); }},
        {"TfrmSplash", [](AppContext& c) -> QWidget* { return new TfrmSplash(c, nullptr); }},
        {"TfrmClienti", make<TfrmClienti>},
        {"TfrmCodFisc", [](AppContext& c) -> QWidget* { return new TfrmCodFisc(c, nullptr); }},
        {"TfrmPartitaIva",
         [](AppContext& c) -> QWidget* { return new TfrmPartitaIva(c, nullptr); }},
        {"TfrmCarta", [](AppContext& c) -> QWidget* { return new TfrmCarta(c, nullptr); }},
        {"TfrmIban", [](AppContext& c) -> QWidget* { return new TfrmIban(c, nullptr); }},
        {"TfrmAllegaCartella",
         [](AppContext& c) -> QWidget* { return new TfrmAllegaCartella(c, nullptr); }},
        {"TfrmRicontatta",
         [](AppContext& c) -> QWidget* {
             return new RecordListScreen(c, nullptr, search::customerRecontactList());
         }},
        {"TfrmTrovaClienti",
         [](AppContext& c) -> QWidget* {
             return new SearchScreen(c, nullptr, search::customerSearch());
         }},
        {"TfrmExpClienti", makeExport<exports::ExportArchive::Customers>},
        {"TfrmFornitori", make<TfrmFornitori>},
        {"TfrmTrovaFornitori",
         [](AppContext& c) -> QWidget* {
             return new SearchScreen(c, nullptr, search::supplierSearch());
         }},
        {"TfrmExpFornitori", makeExport<exports::ExportArchive::Suppliers>},
        {"TfrmRicontattaFor",
         [](AppContext& c) -> QWidget* {
             return new RecordListScreen(c, nullptr, search::supplierRecontactList());
         }},
        {"TfrmMagazzino", make<TfrmMagazzino>},
        {"TfrmZoom", [](AppContext& c) -> QWidget* { return new TfrmZoom(c, nullptr); }},
        {"TfrmWebCam", [](AppContext& c) -> QWidget* { return new TfrmWebCam(c, nullptr); }},
        {"TfrmCalendario",
         [](AppContext& c) -> QWidget* { return new TfrmCalendario(c, nullptr); }},
        {"TfrmGiacenza", [](AppContext& c) -> QWidget* { return new TfrmGiacenza(c, nullptr); }},
        {"TfrmExpMagazzino", makeExport<exports::ExportArchive::Products>},
        {"TfrmTrovaMagazzino",
         [](AppContext& c) -> QWidget* {
             return new SearchScreen(c, nullptr, search::productSearch());
         }},
        {"TfrmSottoscorta",
         [](AppContext& c) -> QWidget* {
             return new RecordListScreen(c, nullptr, search::lowStockList());
         }},
        {"TfrmDaSaldare",
         [](AppContext& c) -> QWidget* {
             return new RecordListScreen(c, nullptr, search::unpaidList());
         }},
        {"TfrmAnteprimaMag",
         [](AppContext& c) -> QWidget* { return new TfrmAnteprimaMag(c, nullptr); }},
        {"TfrmStampaMag", [](AppContext& c) -> QWidget* { return new TfrmStampaMag(c, nullptr); }},
        {"TfrmMenuRiepilogo", make<TfrmMenuRiepilogo>},
        {"TfrmRiepilogo", [](AppContext& c) -> QWidget* { return new TfrmRiepilogo(c, nullptr); }},
        {"TfrmIstruzioni",
         [](AppContext& c) -> QWidget* { return new TfrmIstruzioni(c, nullptr); }},
        {"TfrmMenuRiepilogoCarico",
         [](AppContext& c) -> QWidget* {
             return new MovementSelection(c, summaries::kLoadSummary);
         }},
        {"TfrmRiepilogoCarico",
         [](AppContext& c) -> QWidget* {
             return new MovementSummaryList(c, nullptr, summaries::kLoadSummary);
         }},
        {"TfrmExpCarico", makeExport<exports::ExportArchive::LoadJournal>},
        {"TfrmMenuRiepilogoScarico",
         [](AppContext& c) -> QWidget* {
             return new MovementSelection(c, summaries::kUnloadSummary);
         }},
        {"TfrmRiepilogoScarico",
         [](AppContext& c) -> QWidget* {
             return new MovementSummaryList(c, nullptr, summaries::kUnloadSummary);
         }},
        {"TfrmExpScarico", makeExport<exports::ExportArchive::UnloadJournal>},
    };
    return table;
}

std::vector<std::unique_ptr<QWidget>> createScreens(AppContext& ctx) {
    std::vector<std::unique_ptr<QWidget>> screens;
    for (const auto& e : screenTable()) {
        if (!e.create)
            continue;
        // Every screen names itself after its class; the context finds it by that name.
        QWidget* w = e.create(ctx);
        ctx.registerScreen(w);
        screens.emplace_back(w);
    }
    return screens;
}

QWidget* showLogin(AppContext& ctx) {
    QWidget* login = ctx.screen(QStringLiteral("TfrmPassword"));
    if (login)
        login->show();
    return login;
}

int runApplication(QApplication& app) {
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    initResources();
    QApplication::setApplicationName(QStringLiteral("Depotta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/depotta.png")));

    waitcursor::install();
    QtPlatform platform(QCoreApplication::applicationDirPath());
    AppContext ctx(platform);
    auto screens = createScreens(ctx);
    showLogin(ctx);
    const int rc = app.exec();
    // Destroy in reverse order of creation, the main window last.
    while (!screens.empty())
        screens.pop_back();
    return rc;
}

} // namespace dp
