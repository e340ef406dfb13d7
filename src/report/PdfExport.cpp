#include "report/PdfExport.h"

#include "report/ReportDocument.h"
#include "storage/SafeFile.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>

namespace dp::report {

namespace {

QByteArray pdfText(const QString& text) {
    // A hex string in UTF-16BE with its byte order mark needs no escaping.
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

// The PDF writer fills in only title and creator; author and subject go into the same
// information dictionary, and the cross-reference offsets after it move along.
// Returns false, leaving `pdf` as it was, when the file is not laid out as expected.
bool addInfoEntries(QByteArray& pdf, const QByteArray& entries) {
    static const QRegularExpression infoRef(QStringLiteral("/Info (\\d+) 0 R"));
    const qsizetype trailer = pdf.lastIndexOf("\ntrailer");
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype startxref = pdf.lastIndexOf("\nstartxref\n");
    if (trailer < 0 || xref < 0 || startxref < trailer || xref > trailer)
        return false;
    const QRegularExpressionMatch m = infoRef.match(QString::fromLatin1(pdf.mid(trailer)));
    if (!m.hasMatch())
        return false;
    const QByteArray head = '\n' + m.captured(1).toLatin1() + " 0 obj\n<<\n";
    const qsizetype object = pdf.indexOf(head);
    if (object < 0 || object > xref)
        return false;
    const qsizetype at = object + head.size();
    const qsizetype delta = entries.size();

    // Entries: "nnnnnnnnnn ggggg n \n", 20 bytes each, after the "first count" line.
    QByteArray out = pdf;
    const qsizetype firstLine = xref + 6;
    const qsizetype lineEnd = out.indexOf('\n', firstLine);
    const QList<QByteArray> header = out.mid(firstLine, lineEnd - firstLine).trimmed().split(' ');
    bool ok = header.size() == 2;
    const int count = ok ? header.at(1).toInt(&ok) : 0;
    if (!ok)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype e = lineEnd + 1 + qsizetype(i) * 20;
        if (e + 20 > trailer + 1)
            return false;
        if (out.at(e + 17) != 'n')
            continue;
        const qlonglong offset = out.mid(e, 10).toLongLong(&ok);
        if (!ok)
            return false;
        if (offset >= at)
            out.replace(e, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype numberAt = startxref + 11;
    const qsizetype numberEnd = out.indexOf('\n', numberAt);
    const qlonglong start = out.mid(numberAt, numberEnd - numberAt).trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    out.replace(numberAt, numberEnd - numberAt, QByteArray::number(start + delta) + ' ');
    out.insert(at, entries);
    pdf = out;
    return true;
}

} // namespace

bool writePdf(const PageSource& document, const QString& path, const PdfInfo& info) {
    // Composed in memory first: the information entries are patched in before a single
    // byte reaches the disk.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(info.title.isEmpty() ? document.name() : info.title);
        writer.setCreator(info.creator);
        if (!paint(document, writer))
            return false;
    }
    QByteArray pdf = buffer.data();
    QByteArray entries;
    if (!info.author.isEmpty())
        entries += "/Author " + pdfText(info.author) + '\n';
    if (!info.subject.isEmpty())
        entries += "/Subject " + pdfText(info.subject) + '\n';
    // A file the patch does not recognise is still the document, without those two entries.
    if (!entries.isEmpty())
        addInfoEntries(pdf, entries);

    return SafeFile::writeWhole(path, pdf) == WriteFailure::None;
}

} // namespace dp::report
