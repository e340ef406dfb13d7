#include "report/ReportDocument.h"

#include <QPagedPaintDevice>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>

namespace dp::report {

QStringList ReportItem::lines() const
{
    return text.split(QLatin1Char('\n'));
}

ReportDocument::ReportDocument(QPageLayout::Orientation orientation, const QMarginsF& marginsMm)
    : m_layout(QPageSize(QPageSize::A4), orientation, marginsMm, QPageLayout::Millimeter)
{
    m_layout.setMode(QPageLayout::FullPageMode); // our margins, not a printer's minimum
}

void ReportDocument::setOrientation(QPageLayout::Orientation orientation)
{
    m_layout.setOrientation(orientation);
}

QSizeF ReportDocument::contentSize() const
{
    return m_layout.paintRect(QPageLayout::Millimeter).size();
}

ReportPage& ReportDocument::addPage()
{
    m_pages.append(ReportPage{});
    return m_pages.last();
}

const ReportItem* ReportDocument::find(const QString& name) const
{
    for (const ReportPage& p : m_pages)
        for (const ReportItem& item : p.items)
            if (item.name == name)
                return &item;
    return nullptr;
}

ReportItem* ReportDocument::find(const QString& name)
{
    return const_cast<ReportItem*>(std::as_const(*this).find(name));
}

ReportItem* ReportDocument::findText(const QString& name)
{
    ReportItem* item = find(name);
    return item && item->kind == ReportItem::Kind::Text ? item : nullptr;
}

ReportItem* ReportDocument::findPicture(const QString& name)
{
    ReportItem* item = find(name);
    return item && item->kind == ReportItem::Kind::Picture ? item : nullptr;
}

QStringList ReportDocument::pageTexts(int index) const
{
    QList<const ReportItem*> texts;
    for (const ReportItem& item : m_pages.at(index).items)
        if (item.kind == ReportItem::Kind::Text)
            texts.append(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const ReportItem* a, const ReportItem* b) {
        if (a->rect.top() != b->rect.top())
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const ReportItem* item : texts)
        out += item->lines();
    return out;
}

bool paint(const ReportDocument&, QPagedPaintDevice&)
{
    return false; // TODO painting
}

bool writePdf(const ReportDocument& document, const QString& path, const PdfInfo& info)
{
    QPdfWriter writer(path);
    writer.setTitle(info.title.isEmpty() ? document.name() : info.title);
    writer.setCreator(info.creator);
    return paint(document, writer);
}

} // namespace dp::report
