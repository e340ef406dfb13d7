#include "support/PdfText.h"

#include <QProcess>

namespace dp::test {

QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& path, int page) {
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    return runTool(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
}

QStringList pdfPages(const QString& path) {
    QStringList pages =
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

bool hasPdfLine(const QString& text, const QString& line) {
    const QString wanted = line.simplified();
    for (const QString& got : text.split(QLatin1Char('\n')))
        if (got.simplified() == wanted)
            return true;
    return false;
}

} // namespace dp::test
