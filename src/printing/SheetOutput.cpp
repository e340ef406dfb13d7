#include "printing/SheetOutput.h"

#include "report/PdfExport.h"
#include "report/ReportOutput.h"
#include "storage/Layouts.h"
#include "ui/AppContext.h"
#include "ui/Messages.h"
#include "ui/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>

namespace dp::printing {

namespace {

const QString kPdfDone = QStringLiteral(
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il "
    "file?");

QString pdfFailed(const QString& fileName) {
    return QStringLiteral("Attenzione: non è stato possibile esportare la scheda in formato "
                          "PDF.\n\nVerificare che il file %1 non sia aperto in un altro programma "
                          "e che nella cartella del programma ci sia spazio e permesso di "
                          "scrittura, quindi riprovare.")
        .arg(fileName);
}

const report::PdfInfo kPdfInfo{
    QStringLiteral("Scheda informativa"),
    QStringLiteral("Lorvani Software"),
    QStringLiteral("Scheda informativa"),
    QStringLiteral("Lorvani Software"),
};

} // namespace

ControlSheetSource::ControlSheetSource(QWidget* screen, std::function<QImage()> photo)
    : m_screen(screen), m_photo(std::move(photo)) {}

QString ControlSheetSource::text(const QString& control) const {
    QWidget* w = m_screen->findChild<QWidget*>(control);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText();
    if (auto* check = qobject_cast<QCheckBox*>(w))
        return check->isChecked() ? kSi : kNo;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        return memo->toPlainText();
    qWarning("Record sheet: no control %s on %s", qPrintable(control),
             qPrintable(m_screen->objectName()));
    return QString();
}

void ControlSheetSource::setText(const QString& control, const QString& text) {
    if (auto* e = m_screen->findChild<QLineEdit*>(control))
        e->setText(text);
    else
        qWarning("Record sheet: no edit field %s on %s", qPrintable(control),
                 qPrintable(m_screen->objectName()));
}

QImage ControlSheetSource::photo() const {
    return m_photo ? m_photo() : QImage();
}

void outputSheet(AppContext& ctx, QWidget* parent, const report::ReportDocument& sheet,
                 SheetOutput output, const char* pdfFile) {
    switch (output) {
    case SheetOutput::Print:
        report::printWithDialog(ctx, parent, sheet);
        return;
    case SheetOutput::Preview:
        report::showPreview(ctx, parent, sheet);
        return;
    case SheetOutput::Pdf: {
        const QString name = QString::fromLatin1(pdfFile);
        const QString path = ctx.path(name);
        if (!report::writePdf(sheet, path, kPdfInfo)) {
            ctx.platform().notice(parent, NoticeKind::Error, pdfFailed(name));
            return;
        }
        if (ctx.platform().question(parent, kPdfDone))
            openFileOnDesktop(ctx.platform(), parent, path);
        return;
    }
    }
}

void outputRegistrySheet(AppContext& ctx, QWidget* screen, const RecordSheetConfig& config,
                         SheetOutput output) {
    const ControlSheetSource source(screen);
    outputSheet(ctx, screen, registrySheet(config, source, ctx.platform().now()), output,
                config.pdfFile);
}

} // namespace dp::printing
