#pragma once

#include "attachments/AttachmentFolder.h"
#include "ui/ToolDialog.h"

#include <array>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace dp {

// " Allega file": shows and edits the three attachment slots of the sheet that opened it,
// copying each picked file into the attachments folder. It never touches a record file:
// after "Applica e chiudi" (exec() returns Accepted) the opener reads slots() into its own
// sheet, which stores them when the user saves it.
class TfrmAllegaCartella final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmAllegaCartella(AppContext& ctx, QWidget* owner);

    // The opener's tag ("clienti", "fornitori", "magazzino") and the slots of its sheet.
    void prepare(const QString& mode, const attachments::AttachmentSlots& slots);
    // The six fields, trimmed.
    attachments::AttachmentSlots slots() const;

    // The whole hand-over for an archive screen: opens the dialog on the slots held by the
    // screen's hidden labels lblFile01..lblDesc03 and, after "Applica e chiudi", writes the
    // slots back into them.
    static void editSlotsOf(AppContext& ctx, QWidget* screen, const QString& mode);

  public Q_SLOTS:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

  private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* browse;
        QPushButton* open;
        QToolButton* empty;
    };
    void refreshOpen(int slot);

    attachments::AttachmentFolder m_folder;
    std::array<Slot, 3> m_slots{};
    QPushButton* m_apply;
    QPushButton* m_cancel;
};

} // namespace dp
