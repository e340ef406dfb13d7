// Writes the printed guide Guida.pdf from the help texts the program shows, so that the two
// never disagree: a title page, the contents, one chapter per topic, numbered pages.
//   depotta_guida OUTPUT.pdf
#include "app/Artwork.h"
#include "app/HelpTopics.h"
#include "ui/Style.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kProgramTitle = u"Guida all'utilizzo del software"_s;
const QColor kInk(QLatin1String(dp::style::kInk));
const QColor kCrimson(QLatin1String(dp::style::kHelpTitle));
const QColor kMuted(QLatin1String(dp::style::kMutedText));

// The contents and the chapters, one after the other; every chapter starts a page.
QString chaptersHtml(const QList<int>& pages) {
    const QList<dp::HelpTopic> topics = dp::help::topics();
    QString html = u"<html><body style=\"font-family: Arial; font-size: 11pt;\">"
                   u"<h1 style=\"color: %1; font-size: 20pt;\">Indice</h1>"
                   u"<table width=\"100%\" cellpadding=\"4\">"_s.arg(kInk.name());
    for (int i = 0; i < topics.size(); ++i)
        html += u"<tr><td>%1. %2</td><td align=\"right\">%3</td></tr>"_s.arg(i + 1).arg(
            dp::help::title(topics[i]).toHtmlEscaped(),
            pages.isEmpty() ? u"00"_s : QString::number(pages[i]));
    html += u"</table>"_s;
    for (int i = 0; i < topics.size(); ++i) {
        html += u"<h1 style=\"page-break-before: always; color: %1; font-size: 18pt;\">"
                u"%2. %3</h1>"_s.arg(kCrimson.name())
                    .arg(i + 1)
                    .arg(dp::help::title(topics[i]).toHtmlEscaped());
        for (const QString& p : dp::help::paragraphs(topics[i]))
            html += u"<p align=\"justify\" style=\"margin-bottom: 8px;\">%1</p>"_s.arg(
                p.toHtmlEscaped());
    }
    return html + u"</body></html>"_s;
}

// The page (1-based, counting the title page) on which each chapter heading falls.
QList<int> chapterPages(QTextDocument& doc, qreal pageHeight) {
    QList<int> pages;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            pages.append(int(doc.documentLayout()->blockBoundingRect(b).top() / pageHeight) + 2);
    return pages;
}

void titlePage(QPainter& p, const QRect& page) {
    const int unit = page.width() / 100;
    const QPixmap logo = dp::art::picture(dp::art::Picture::Logo, 36 * unit);
    p.drawPixmap(page.center().x() - logo.width() / 2, page.top() + 22 * unit, logo);

    QFont name(u"Arial"_s, 40);
    name.setBold(true);
    p.setFont(name);
    p.setPen(kInk);
    const QRect nameBox(page.left(), page.top() + 62 * unit, page.width(), 18 * unit);
    p.drawText(nameBox, Qt::AlignCenter, u"Depotta"_s);
    QFont sub(u"Arial"_s, 18);
    p.setFont(sub);
    p.drawText(nameBox.translated(0, 16 * unit), Qt::AlignCenter, kProgramTitle);
    QFont small(u"Arial"_s, 12);
    p.setFont(small);
    p.setPen(kMuted);
    p.drawText(nameBox.translated(0, 28 * unit), Qt::AlignCenter,
               u"Gestione del magazzino, dei clienti e dei fornitori - Versione 1.0"_s);
    p.drawText(QRect(page.left(), page.bottom() - 20 * unit, page.width(), 10 * unit),
               Qt::AlignCenter, u"Lorvani Software - www.depotta.it"_s);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: depotta_guida OUTPUT.pdf\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QPdfWriter writer(out);
    writer.setTitle(u"Depotta - "_s + kProgramTitle);
    writer.setCreator(u"Depotta"_s);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);

    const QRect page(0, 0, writer.width(), writer.height());
    const int footer = writer.resolution() * 12 / 25; // 12 mm for the page number
    const qreal bodyHeight = page.height() - footer;

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(page.width(), bodyHeight));
    doc.setHtml(chaptersHtml({}));
    // The contents take the same room whatever their numbers, so one layout tells them.
    const QList<int> pages = chapterPages(doc, bodyHeight);
    doc.setHtml(chaptersHtml(pages));
    if (chapterPages(doc, bodyHeight) != pages || pages.size() != dp::help::topics().size()) {
        std::fprintf(stderr, "depotta_guida: the chapters moved while numbering them\n");
        return 1;
    }

    QPainter p;
    if (!p.begin(&writer)) {
        std::fprintf(stderr, "depotta_guida: cannot write %s\n", argv[1]);
        return 1;
    }
    p.setRenderHint(QPainter::Antialiasing);
    titlePage(p, page);
    QFont numberFont(u"Arial"_s, 10);
    for (int i = 0; i < doc.pageCount(); ++i) {
        writer.newPage();
        p.save();
        p.translate(0, -i * bodyHeight);
        doc.drawContents(&p, QRectF(0, i * bodyHeight, page.width(), bodyHeight));
        p.restore();
        p.setFont(numberFont);
        p.setPen(kMuted);
        p.drawLine(0, int(bodyHeight) + footer / 3, page.width(), int(bodyHeight) + footer / 3);
        p.drawText(QRect(0, int(bodyHeight) + footer / 3, page.width(), footer * 2 / 3),
                   Qt::AlignVCenter | Qt::AlignLeft, u"Depotta - "_s + kProgramTitle);
        p.drawText(QRect(0, int(bodyHeight) + footer / 3, page.width(), footer * 2 / 3),
                   Qt::AlignVCenter | Qt::AlignRight, u"Pagina %1"_s.arg(i + 2));
    }
    return p.end() ? 0 : 1;
}
