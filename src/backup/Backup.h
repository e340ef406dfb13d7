#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace dp::backup {

// What a backup holds, relative to the program directory: the archives, the two journals,
// the password file and every file of the photo and attachment folders. What is there under
// those names but cannot be carried (an archive that is a folder, a named pipe among the
// attachments) goes into `leftOut`.
QStringList dataFiles(const QString& programDir, QStringList* leftOut = nullptr);

// The manifest inside every backup: one line per file, "<sha-256 in hex>  <path>", the
// format `sha256sum -c` reads, so a copy can also be checked without the program.
inline constexpr const char* kManifestName = "MANIFEST.sha256";

// Called with the files done and the files in all; returning false cancels.
using Progress = std::function<bool(int done, int total)>;

// Copies one data file into `target`, holding whatever lock keeps it consistent while
// other workstations work; false when it could not be read or written. The default holds
// the file's shared lock for the copy.
using SnapshotCopy = std::function<bool(const QString& source, const QString& target)>;

struct Outcome {
    bool ok = false;
    bool cancelled = false;
    QString path;          // the backup file written, or the folder the old data was moved to
    QString detail;        // what went wrong, for the log
    bool diskFull = false; // it went wrong for want of room on the disk written to
    QStringList leftOut;   // program data the backup could not carry (see dataFiles)
};

// "Depotta_Backup_yyyy-MM-dd_HH-mm-ss.zip".
QString backupFileName(const QDateTime& when);

// Writes the backup into `folder`, under a temporary name renamed only once it is whole and
// read back with every checksum right. Nothing is left behind on failure or cancel.
Outcome writeBackup(const QString& programDir, const QString& folder, const QDateTime& when,
                    const Progress& progress = {}, const SnapshotCopy& copy = {});

// Reads a backup back: the manifest is there, names every entry once, and every entry's
// checksum is right. Paths that would leave the program directory are refused.
Outcome verifyBackup(const QString& zipPath, const Progress& progress = {});

// Checks the backup, moves the current data into "Dati_precedenti_yyyy-MM-dd_HH-mm-ss" in
// the program directory (so a wrong restore can be undone by hand), then writes the backup's
// files in place and reads each back against its checksum. If anything fails, the written
// files are removed and the moved data is put back.
Outcome restoreBackup(const QString& zipPath, const QString& programDir, const QDateTime& when,
                      const Progress& progress = {});

} // namespace dp::backup
