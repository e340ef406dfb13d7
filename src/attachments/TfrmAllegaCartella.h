#pragma once

#include "attachments/AttachmentFolder.h"
#include "ui/HandBack.h"
#include "ui/ToolDialog.h"

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace dp {

// " Allega file": shows and edits the three attachment slots of the sheet that opened it,
// copying each picked file into the attachments folder. It never touches a record file nor
// its opener: after "Applica e chiudi" (exec() returns Accepted) the opener writes slots()
// into its own sheet, which stores them when the user saves it.
class TfrmAllegaCartella final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmAllegaCartella(AppContext& ctx, QWidget* owner);

    // The opener's tag ("clienti", "fornitori", "magazzino") and the slots of its sheet.
    void prepare(const QString& mode, const AttachmentSlots& slots);
    // The six fields, trimmed.
    AttachmentSlots slots() const;

    // The whole dialog for a sheet's slots: opens on `held` and returns the slots after
    // "Applica e chiudi", nothing after "Annulla".
    static std::optional<AttachmentSlots>
    editSlots(AppContext& ctx, QWidget* owner, const QString& mode, const AttachmentSlots& held);

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
