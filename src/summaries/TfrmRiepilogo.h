#pragma once

#include "ui/ToolDialog.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;

namespace dp {

class FindInList;
class LineListModel;

// The inventory list: the products of a category (or all), each with its value, and the
// total value of the warehouse; finds and prints lines.
class TfrmRiepilogo final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmRiepilogo(AppContext& ctx, QWidget* owner);

    // The category filter as typed on the selection screen; read when the list is shown.
    void setFilter(const QString& filter) { m_filter = filter; }
    LineListModel* model() const { return m_model; }

  public Q_SLOTS:
    void btnStampaClick();
    void btnEsciClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void FormShow();
    void FormClose();

    QString m_filter;
    LineListModel* m_model;
    QListView* m_list;
    FindInList* m_find;
    QLabel* m_titTipologia;
    QLabel* m_totale;
    QLabel* m_panInfo;
    QLineEdit* m_trova;
    QPushButton* m_btnTrova;
    QPushButton* m_stampa;
    QPushButton* m_esci;
    QToolButton* m_guida;
};

} // namespace dp
