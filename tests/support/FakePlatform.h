#pragma once

#include "ui/Platform.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

namespace dp::test {

// Records every message and answers questions and dialogs from a script, so a test reads
// like the user's session and never blocks on a modal box.
class FakePlatform final : public Platform {
  public:
    enum class Kind { Message, Warning, Error, Information, Question };
    struct Shown {
        Kind kind;
        QString text;
    };

    explicit FakePlatform(QString programDir);

    void message(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, NoticeKind kind, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    bool openUrl(const QUrl& url) override;
    QDateTime now() const override { return clock; }
    QString programDir() const override { return m_dir; }
    QString openFileName(QWidget*, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString existingFolder(QWidget*, const QString&, const QString&) override;
    // Points the printer at the PDF file `printToPdf` (when set) and answers `printAnswer`.
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

    struct FileDialog {
        bool save;
        QString caption, dir, filter;
    };

    QList<Shown> shown;            // every box, in order
    QList<FileDialog> fileDialogs; // every file dialog, in order
    QQueue<bool> answers;          // answers to questions; Yes when the queue is empty
    QQueue<QString> fileAnswers;   // answers to file dialogs; cancel when empty
    QStringList opened;            // every URL handed to the desktop, as text
    bool openAnswer = true;        // whether the desktop "opens" it
    QString printToPdf;            // where a chosen printer prints (a PDF file)
    bool printAnswer = true;       // the print dialog's answer: true is "Stampa"
    int printDialogs = 0;          // how many print dialogs were shown
    QDateTime clock{QDate(2024, 3, 5), QTime(14, 5, 9)};
    // Runs while a box is "open", for tests that act from inside a modal moment.
    std::function<void(const Shown&)> onShown;

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    Kind lastKind() const { return shown.isEmpty() ? Kind::Message : shown.last().kind; }
    void clear() {
        shown.clear();
        opened.clear();
    }

  private:
    void record(Kind kind, const QString& text);
    QString m_dir;
};

} // namespace dp::test
