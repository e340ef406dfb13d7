#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace dp {

// The kind of a notice tells the user what happened: input blocks the action (Warning),
// a file operation failed (Error), or an action completed (Information).
enum class NoticeKind { Warning, Error, Information };

// Everything that leaves the process or waits for a person goes through here, so that
// tests can record messages and script answers instead of blocking on modal boxes.
class Platform {
  public:
    virtual ~Platform() = default;

    // Plain message: no icon, a single OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Notice: icon of its kind, OK and Cancel, OK the default; the answer is not used.
    virtual void notice(QWidget* parent, NoticeKind kind, const QString& text) = 0;
    // Question with Yes and No; true means Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;

    // Hands a file location (QUrl::fromLocalFile), a web address or a "mailto:" address to
    // the desktop's program for it, never through a command line; false when none took it.
    virtual bool openUrl(const QUrl& url) = 0;

    virtual QDateTime now() const = 0;
    // The folder of the running program, with a trailing slash.
    virtual QString programDir() const = 0;

    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;

    // Folder dialog; an empty result means the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& dir) = 0;
    // Print dialog: lets the user choose and set up the printer; false means cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

} // namespace dp
