#pragma once

#include "storage/ProgramFiles.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace dp::app {

// The one access password of the installation, kept scrambled in the INI file
// "unins000.dll" (section "Accesso", key "Valore") in the program directory. The file is
// read anew on every call; nothing is cached.
class PasswordStore {
  public:
    static constexpr int kMaxLength = 255;

    explicit PasswordStore(const QString& programDir); // with a trailing slash

    static QString fileName() { return programfiles::name(programfiles::kPassword); }
    QString filePath() const { return m_path; }

    // Two upper-case hex digits per character (its low byte), with the rolling key.
    static QString scramble(QStringView text);
    // The inverse; nullopt when a pair of digits is not a hexadecimal number. An odd last
    // digit is ignored.
    static std::optional<QString> unscramble(QStringView hex);

    enum class Check { Match, NoMatch, Error };
    // The typed text, upper-cased (a-z only) and trimmed, against the stored password.
    // A missing file, section or key is an empty stored password, which nothing matches.
    Check verify(const QString& typed) const;

    // The stored password in plain text, trimmed; nullopt when it cannot be read or decoded.
    std::optional<QString> stored() const;

    enum class StoreResult {
        Stored,
        Unusable, // longer than kMaxLength or holding a character outside U+0001-U+00FF
        Failed,   // the file could not be read or written; it keeps its previous value
        DiskFull, // the same, for want of room on the disk
    };
    // Stores the new password upper-cased and trimmed.
    StoreResult store(const QString& newPassword) const;
    // What store() would write, and whether it could ever be verified.
    static QString normalised(const QString& password);
    static bool usable(QStringView normalisedPassword);

  private:
    QString m_path;
};

} // namespace dp::app
