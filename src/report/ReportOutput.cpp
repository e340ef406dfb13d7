#include "report/ReportOutput.h"

#include "ui/AppContext.h"
#include "ui/Platform.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QWidget>

#include <algorithm>

namespace dp::report {

namespace {

const QString kPrintFailed = QStringLiteral(
    "Attenzione: non è stato possibile eseguire la stampa.\n\nVerificare che la stampante "
    "selezionata sia disponibile e riprovare.");

void preparePrinter(QPrinter& printer, const ReportDocument& document) {
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.name().isEmpty() ? QStringLiteral("Depotta") : document.name());
}

// After the printer is chosen: the document keeps its own paper and orientation, whatever
// the dialog proposed, and copies and page ranges stay as the user set them.
bool printOn(AppContext& ctx, QWidget* parent, QPrinter& printer, const ReportDocument& document) {
    if (!printer.isValid() || !paint(document, printer)) {
        ctx.platform().notice(parent, NoticeKind::Error, kPrintFailed);
        return false;
    }
    return true;
}

// The preview dialog names only some of its actions; the others are found by their place
// beside the named ones (their texts are translated), so they can be hidden or rewired.
void nameUnnamedActions(QPrintPreviewDialog& dialog) {
    const QList<QAction*> actions = dialog.findChildren<QAction*>();
    const auto indexOf = [&](const char* name) {
        for (qsizetype i = 0; i < actions.size(); ++i)
            if (actions.at(i)->objectName() == QLatin1String(name))
                return i;
        return qsizetype(-1);
    };
    const auto name = [&](qsizetype i, const char* objectName, bool checkable) {
        if (i >= 0 && i < actions.size() && actions.at(i)->objectName().isEmpty() &&
            actions.at(i)->isCheckable() == checkable)
            actions.at(i)->setObjectName(QLatin1String(objectName));
    };
    if (const qsizetype fit = indexOf("fitPageAction"); fit >= 0) {
        name(fit + 1, "zoomInAction", false);
        name(fit + 2, "zoomOutAction", false);
        name(fit + 3, "portraitAction", true);
        name(fit + 4, "landscapeAction", true);
    }
    if (const qsizetype overview = indexOf("overviewModeAction"); overview >= 0) {
        name(overview + 1, "printAction", false);
        name(overview + 2, "pageSetupAction", false);
    }
}

} // namespace

bool printWithDialog(AppContext& ctx, QWidget* parent, const ReportDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    if (!ctx.platform().choosePrinter(parent, printer))
        return false;
    return printOn(ctx, parent, printer, document);
}

void showPreview(AppContext& ctx, QWidget* parent, const ReportDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgAnteprima"));
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { paint(document, *target); });

    // Print, zoom, page moves, full screen and close only: the layout is not the user's
    // to change here, so orientation and page setup go.
    nameUnnamedActions(dialog);
    QToolBar* bar = dialog.findChild<QToolBar*>();
    for (QAction* action : dialog.findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (name == QLatin1String("portraitAction") || name == QLatin1String("landscapeAction") ||
            name == QLatin1String("pageSetupAction"))
            action->setVisible(false);
        if (name == QLatin1String("printAction")) {
            // Printing goes through the same dialog as everywhere else in the program.
            action->disconnect();
            QObject::connect(action, &QAction::triggered, &dialog, [&] {
                QPrinter chosen(QPrinter::HighResolution);
                preparePrinter(chosen, document);
                if (ctx.platform().choosePrinter(&dialog, chosen) &&
                    printOn(ctx, &dialog, chosen, document))
                    dialog.accept();
            });
        }
    }
    if (bar) {
        QAction* full = bar->addAction(QStringLiteral("Schermo intero"));
        full->setObjectName(QStringLiteral("fullScreenAction"));
        full->setCheckable(true);
        full->setToolTip(QStringLiteral("Schermo intero"));
        QObject::connect(full, &QAction::toggled, &dialog, [&dialog](bool on) {
            if (on)
                dialog.showFullScreen();
            else
                dialog.showNormal();
        });
    }
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
        // At 100 % neither "fit" button is the current mode.
        for (QAction* action : dialog.findChildren<QAction*>()) {
            QActionGroup* group = action->actionGroup();
            if (!group || !action->objectName().startsWith(QLatin1String("fit")))
                continue;
            group->setExclusive(false);
            action->setChecked(false);
            group->setExclusive(true);
        }
    }
    // Room for a whole landscape page across at 100 %, within the screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(std::min(1240, room.width() * 9 / 10), std::min(900, room.height() * 9 / 10));
    }
    dialog.exec();
}

} // namespace dp::report
