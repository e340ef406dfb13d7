#pragma once

#include "storage/Journal.h"
#include "ui/ToolDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dp {

// Registers one load or unload of the product shown on the product sheet: appends the
// movement to its journal and closes accepted; the sheet then shows newStock(), and stores
// it when the user saves.
class TfrmGiacenza final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmGiacenza(AppContext& ctx, QWidget* owner);

    // What the product sheet hands over before showing the screen (texts already trimmed).
    struct Product {
        QString stock, code, category, name, aspect, amount;
    };
    void prepare(MovementKind kind, const Product& product);

    // The kind given to prepare; the captions only show it.
    MovementKind kind() const { return m_kind; }
    // The stock after the recorded movement; empty until one is recorded.
    QString newStock() const { return m_newStock; }

  public Q_SLOTS:
    void btnTotaleClick();
    void btnAggiornaClick();
    void btnChiudiClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* addField(const char* name, bool editable);

    QLineEdit* m_operazione;
    QLineEdit* m_data;
    QLineEdit* m_ora;
    QLineEdit* m_codice;
    QLineEdit* m_categoria;
    QLineEdit* m_nome;
    QLineEdit* m_aspetto;
    QLineEdit* m_importo;
    QLineEdit* m_note;
    QLineEdit* m_giacenza;
    QLineEdit* m_aggiunta;
    QLineEdit* m_totale;
    QLabel* m_titImporto;
    QLabel* m_lblAggiunta;
    QPushButton* m_btnTotale;
    QPushButton* m_btnAggiorna;
    QPushButton* m_btnChiudi;
    QString m_newStock;
    MovementKind m_kind = MovementKind::Load;
};

} // namespace dp
