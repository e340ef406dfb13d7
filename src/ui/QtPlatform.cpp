#include "ui/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace dp {

QtPlatform::QtPlatform(QString programDir) : m_dir(std::move(programDir)) {
    if (!m_dir.endsWith(QLatin1Char('/')))
        m_dir += QLatin1Char('/');
}

static QString boxTitle() {
    return QStringLiteral("Depotta");
}

void QtPlatform::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::notice(QWidget* parent, NoticeKind kind, const QString& text) {
    const QMessageBox::Icon icon = kind == NoticeKind::Warning ? QMessageBox::Warning
                                   : kind == NoticeKind::Error ? QMessageBox::Critical
                                                               : QMessageBox::Information;
    QMessageBox box(icon, boxTitle(), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool QtPlatform::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtPlatform::openUrl(const QUrl& url) {
    return url.isValid() && QDesktopServices::openUrl(url);
}

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

QString QtPlatform::programDir() const {
    return m_dir;
}

QString QtPlatform::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtPlatform::existingFolder(QWidget* parent, const QString& caption, const QString& dir) {
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

bool QtPlatform::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace dp
