#pragma once

#include "backup/Backup.h"
#include "ui/ToolDialog.h"

namespace dp {

// Backup and restore of the program directory's data, opened from the main menu: a backup
// is one ZIP file in a folder the user picks, read back and checked before success is told;
// a restore checks the backup first and moves the current data aside before replacing it.
class TfrmCopiaSicurezza final : public ToolDialog {
    Q_OBJECT
  public:
    TfrmCopiaSicurezza(AppContext& ctx, QWidget* owner);

    // How each data file is copied into the backup; the default holds the archive's shared
    // lock where the storage layer has one.
    void setSnapshotCopy(backup::SnapshotCopy copy) { m_copy = std::move(copy); }

  public Q_SLOTS:
    void cmdCreaClick();
    void cmdRipristinaClick();

  private:
    backup::SnapshotCopy m_copy;
};

} // namespace dp
