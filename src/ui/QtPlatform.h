#pragma once

#include "ui/Platform.h"

namespace dp {

// The production seam: Qt's message boxes, file dialogs, desktop services and clock.
class QtPlatform final : public Platform {
  public:
    explicit QtPlatform(QString programDir);

    void message(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, NoticeKind kind, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    bool openUrl(const QUrl& url) override;
    QDateTime now() const override;
    QString programDir() const override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& caption, const QString& dir) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

  private:
    QString m_dir;
};

} // namespace dp
