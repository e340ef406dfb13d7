#pragma once

#include "printing/SheetOutput.h"
#include "storage/Journal.h"
#include "storage/Record.h"
#include "ui/SheetFrame.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace dp {

class PhotoBox;

// The product sheet: one product of Magazzino.pro at a time, with its photo, its stock
// movements and the browse and save actions of the archive.
class TfrmMagazzino final : public SheetFrame {
    Q_OBJECT
  public:
    explicit TfrmMagazzino(AppContext& ctx);

    PhotoBox* photo() const { return m_photo; }

  public Q_SLOTS:
    void btnNuovoClick();
    void btnDuplicaClick();
    void btnSalvaClick();
    void btnAggiungiClick();
    void btnSottraiClick();
    void delDataScaClick();
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnEsportaClick();
    void btnGuidaClick();
    void btnTrovaClick();
    void btnSottoscortaClick();
    void btnScadutiClick();
    void impFornitoreClick();
    void btnEsciClick();

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void recordShown(qint64 position) override;

  private:
    void openSheetOptions(printing::SheetOutput output);
    void buildLayout();
    void clearSheet();
    void registerMovement(MovementKind kind);
    void openInstructions();
    void openDatePicker();
    void loadPhoto(qint64 position);
    bool storePhoto(qint64 position); // false when the photo file could not be written
    QLineEdit* field(const char* name) const;

    PhotoBox* m_photo = nullptr;
    QCheckBox* m_pagato = nullptr;
};

} // namespace dp
