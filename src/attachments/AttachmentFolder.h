#pragma once

#include <QString>

#include <functional>

namespace dp::attachments {

// The one folder, Documenti_Allegati under the program directory, where the attached files of
// every archive lie side by side. A file is known by its bare name only, so two sheets that
// attach files of the same name share one file.
class AttachmentFolder {
  public:
    // What keeps a picked file's name out of a record: the name field holds 250 characters
    // of Windows-1252 text, and a name cut or altered there would not match the copied file.
    enum class NameProblem { None, TooLong, NotStorable };
    static constexpr int kMaxName = 250;

    explicit AttachmentFolder(const QString& programDir);

    QString folder() const;                   // <program dir>Documenti_Allegati/
    QString path(const QString& name) const;  // the folder followed by the name
    bool contains(const QString& name) const; // a file of that name is there

    static NameProblem checkName(const QString& name);
    // True when `source` already is the attached file of that name (picked from the folder).
    bool isAttached(const QString& source, const QString& name) const;
    // Creates the folder with its missing parents.
    bool makeFolder() const;
    // Only a file with content of its own can be attached: a folder, a device or a named
    // pipe cannot (reading a pipe or a device would never end).
    static bool isRegularFile(const QString& path);

    enum class Copy {
        Copied,
        NotAFile,  // see isRegularFile; nothing was read
        NoRoom,    // the disk of the folder has no room for it
        Cancelled, // by the progress callback
        Failed,    // unreadable, or the folder refused the file
    };
    // Called after every block with the bytes copied and the file's size; false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    // Copies `source` into the folder under `name`, replacing a file there, in blocks. All or
    // nothing: unless it is Copied, any older file of that name stays as it was and no part
    // of the new one is left. Room is checked before the first byte is copied.
    Copy copyIn(const QString& source, const QString& name, const Progress& progress = {}) const;

  private:
    QString m_folder;
};

} // namespace dp::attachments
