#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QPair>
#include <QString>

class QWidget;

namespace dp::test {

// The notice of an archive that cannot be reached, as the user reads it.
inline const QString kArchiveErrorNotice = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// While alive, file permissions apply to this process even when tests run as root:
// the effective user becomes "nobody" and is restored on destruction.
class Unprivileged {
  public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

  private:
    bool m_dropped = false;
};

// Makes the running test function fail on every Qt warning it does not expect with
// QTest::ignoreMessage. Called from init(), it covers each function of a test class. Qt Test's
// own handler does the work, so that expected warnings stay expected.
void failOnQtWarnings();

// The next warning logged must be a storage failure's detail naming `file` (the user only
// sees the notice); the test fails when none comes.
void expectStorageLog(const QString& file);

// Gives `path` the permissions `during` for the guard's life and puts the former ones back
// when it ends, also when a failed check leaves the test function early.
class ScopedPermissions {
  public:
    ScopedPermissions(const QString& path, QFileDevice::Permissions during);
    ~ScopedPermissions();
    ScopedPermissions(const ScopedPermissions&) = delete;
    ScopedPermissions& operator=(const ScopedPermissions&) = delete;

  private:
    QString m_path;
    QFileDevice::Permissions m_before;
};

// A folder everybody may read and enter but nobody may write into.
inline constexpr QFileDevice::Permissions kReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// Types any text, accented letters included (QTest::keyClicks handles ASCII only): each
// character is a key press with its text, as a keyboard would send it.
void typeText(QWidget* widget, const QString& text);

// A byte-exact fixed text field: length byte then text bytes, zero-padded to width + 1.
QByteArray field(int width, const QByteArray& text, int lengthByte = -1);

// A byte-exact record of `layout`: the given fields (Windows-1252 bytes), every other empty.
inline QByteArray recordBytes(const RecordLayout& layout,
                              const QList<QPair<int, QByteArray>>& values) {
    QByteArray out;
    for (int f = 0; f < layout.fieldCount(); ++f) {
        QByteArray text;
        for (const auto& v : values)
            if (v.first == f)
                text = v.second;
        out += field(layout.width(f), text);
    }
    return out;
}

} // namespace dp::test
