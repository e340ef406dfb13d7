#pragma once

#include "storage/Journal.h"
#include "storage/Record.h"
#include "ui/AreaScreen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace dp {

class ArchiveSheet;
class PhotoBox;

// The product sheet: one product of Magazzino.pro at a time, with its photo, its stock
// movements and the browse and save actions of the archive.
class TfrmMagazzino final : public AreaScreen {
    Q_OBJECT
  public:
    explicit TfrmMagazzino(AppContext& ctx);

    ArchiveSheet& sheet() const { return *m_sheet; }
    PhotoBox* photo() const { return m_photo; }
    // The one way a product reaches the sheet: browsing, searches and lists call it.
    void showRecord(const Record& record, qint64 position);

  public Q_SLOTS:
    void btnNuovoClick();
    void btnDuplicaClick();
    void btnSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnAggiungiClick();
    void btnSottraiClick();
    void delDataScaClick();
    void btnGuidaClick();
    void btnEsciClick();

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLayout();
    void clearSheet();
    void registerMovement(MovementKind kind);
    void openInstructions();
    void openDatePicker();
    void loadPhoto(qint64 position);
    void storePhoto(qint64 position);
    void refreshPosition();
    QLineEdit* field(const char* name) const;

    ArchiveSheet* m_sheet = nullptr;
    PhotoBox* m_photo = nullptr;
    QWidget* m_column = nullptr;
    QLabel* m_posizione = nullptr;
    QLabel* m_titPosizione = nullptr;
    QLabel* m_info = nullptr;
    QCheckBox* m_pagato = nullptr;
};

} // namespace dp
