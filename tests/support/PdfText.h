#pragma once

#include <QString>
#include <QStringList>

namespace dp::test {

// Runs a tool of the PDF reader package and returns what it printed (UTF-8); empty when it
// could not run or failed.
QString runTool(const QString& program, const QStringList& args);

// The text of a PDF as a reader extracts it, page layout kept: every page, or page `page`
// (from 1).
QString pdfText(const QString& path, int page = 0);

// The pages of a PDF in reading order, every run of white space made one blank.
QStringList pdfPages(const QString& path);

// True when a line of `text` equals `line` word for word: the extractor rebuilds the blanks
// from the glyph positions, so columns' blanks are not compared.
bool hasPdfLine(const QString& text, const QString& line);

} // namespace dp::test
