#pragma once

#include <QString>

namespace dp::report {

class PageSource;

// Document information written into a PDF file.
struct PdfInfo {
    QString title; // empty: the document name
    QString author;
    QString subject;
    QString creator;
};

// Writes the document as a PDF file. The file is written under a temporary name beside
// `path` and put in its place only when complete, so a file that cannot be written (a full
// disk, a folder without write access, a file held open by a viewer) leaves any earlier
// file at `path` as it was. False on failure.
bool writePdf(const PageSource& document, const QString& path, const PdfInfo& info = {});

} // namespace dp::report
