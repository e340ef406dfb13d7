#include "support/FakePlatform.h"

#include <QPrinter>

namespace dp::test {

FakePlatform::FakePlatform(QString programDir) : m_dir(std::move(programDir)) {
    if (!m_dir.endsWith(QLatin1Char('/')))
        m_dir += QLatin1Char('/');
}

void FakePlatform::record(Kind kind, const QString& text) {
    shown.append({kind, text});
    if (onShown)
        onShown(shown.last());
}

void FakePlatform::message(QWidget*, const QString& text) {
    record(Kind::Message, text);
}

void FakePlatform::notice(QWidget*, NoticeKind kind, const QString& text) {
    record(kind == NoticeKind::Warning ? Kind::Warning
           : kind == NoticeKind::Error ? Kind::Error
                                       : Kind::Information,
           text);
}

bool FakePlatform::question(QWidget*, const QString& text) {
    record(Kind::Question, text);
    return answers.isEmpty() ? true : answers.dequeue();
}

bool FakePlatform::openUrl(const QUrl& url) {
    opened.append(url.toString());
    return openAnswer;
}

QString FakePlatform::openFileName(QWidget*, const QString& caption, const QString& dir,
                                   const QString& filter) {
    fileDialogs.append({false, caption, dir, filter});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString FakePlatform::existingFolder(QWidget*, const QString&, const QString&) {
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString FakePlatform::saveFileName(QWidget*, const QString& caption, const QString& dir,
                                   const QString& filter) {
    fileDialogs.append({true, caption, dir, filter});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

bool FakePlatform::choosePrinter(QWidget*, QPrinter& printer) {
    ++printDialogs;
    if (!printToPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
    }
    return printAnswer;
}

} // namespace dp::test
