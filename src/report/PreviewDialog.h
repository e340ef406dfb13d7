#pragma once

#include "report/ReportDocument.h"

#include <QDialog>

class QAction;
class QLabel;
class QSpinBox;

namespace dp {

class PreviewPages;

// The print preview window (" Anteprima di stampa"): print, zoom, full screen and close,
// and for documents of more than one page the moves between pages. It draws only the pages
// in sight, each laid out when it comes into view, so a list of thousands of pages opens at
// once. It opens at 100 % zoom and never changes the document.
class PreviewDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit PreviewDialog(const report::PageSource& document, QWidget* parent = nullptr);

    qreal zoomFactor() const;
    // The 0-based page at the top of the view.
    int currentPage() const;
    int pageCount() const;

    void setZoomFactor(qreal factor);
    void showPage(int index);

  Q_SIGNALS:
    // The print action: the opener prints the document through its own dialog.
    void printRequested();

  private:
    void syncPage();
    QAction* makeAction(const QString& objectName, const QString& text, const QString& tip);

    const report::PageSource& m_document;
    PreviewPages* m_pages;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_zoomLabel;
};

} // namespace dp
