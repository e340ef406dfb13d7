#pragma once

#include "export/ExportConfig.h"
#include "ui/ToolDialog.h"

#include <functional>

class QLabel;
class QTableView;
class QToolButton;

namespace dp {

class ExportGridModel;

// The export screens TfrmExpMagazzino, TfrmExpClienti, TfrmExpFornitori, TfrmExpCarico and
// TfrmExpScarico: one screen configured by its ExportConfig. When shown it takes the archive
// into its grid once; the spreadsheet icon writes the file from the grid, so the file holds
// the archive as it was when the screen opened.
class ExportScreen final : public ToolDialog {
    Q_OBJECT
  public:
    ExportScreen(AppContext& ctx, QWidget* owner, const exports::ExportConfig& config);

    const exports::ExportConfig& config() const { return m_config; }
    // The journal the export reads (journal screens; handed over by the opener).
    void setJournalPath(const QString& path) { m_journalPath = path; }
    QString archivePath() const;
    QString filePath() const;
    ExportGridModel* model() const { return m_model; }

  public Q_SLOTS:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();

    const exports::ExportConfig& m_config;
    QString m_journalPath;
    ExportGridModel* m_model;
    QTableView* m_grid;
    QToolButton* m_esporta;
    QToolButton* m_guida;
    QToolButton* m_esci;
    QLabel* m_info;
};

// Creates the export screen of `config` owned by `owner`, shows it modally and destroys it
// when it closes. Journal exports read the journal at `journalPath`.
void openExport(AppContext& ctx, QWidget* owner, const exports::ExportConfig& config,
                const QString& journalPath = QString());

} // namespace dp
