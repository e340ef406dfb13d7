#pragma once

#include <QString>

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
    // Copies `source` into the folder under `name`, replacing a file there. All or nothing:
    // a failed copy leaves any older file as it was.
    bool copyIn(const QString& source, const QString& name) const;

  private:
    QString m_folder;
};

} // namespace dp::attachments
