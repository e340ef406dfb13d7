#include "support/TestUtil.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <stdexcept>
#include <unistd.h>

namespace dp::test {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test fixture");
}

Unprivileged::Unprivileged() {
    if (geteuid() == 0) {
        if (seteuid(65534) != 0)
            throw std::runtime_error("cannot drop privileges");
        m_dropped = true;
    }
}

Unprivileged::~Unprivileged() {
    if (m_dropped && seteuid(0) != 0)
        std::abort();
}

ScopedPermissions::ScopedPermissions(const QString& path, QFileDevice::Permissions during)
    : m_path(path), m_before(QFile::permissions(path)) {
    if (!QFile::setPermissions(path, during))
        throw std::runtime_error("cannot change the permissions of a test fixture");
}

ScopedPermissions::~ScopedPermissions() {
    QFile::setPermissions(m_path, m_before);
}

void failOnQtWarnings() {
    // Except what the offscreen platform and a machine without graphics card say of
    // themselves: window calls they leave undone, video drawn by the processor.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(
        "^(?!This plugin does not support |QRhi\\* initializeRHI\\(QRhi\\*\\) : No RHI backend)")));
}

void expectStorageLog(const QString& file) {
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QRegularExpression::escape(file) + QStringLiteral(": .")));
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isPrint()) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        const int key = c.unicode() <= 0xFF ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

QByteArray field(int width, const QByteArray& text, int lengthByte) {
    QByteArray f(width + 1, '\0');
    f[0] = char(lengthByte < 0 ? text.size() : lengthByte);
    for (int i = 0; i < text.size() && i < width; ++i)
        f[1 + i] = text[i];
    return f;
}

} // namespace dp::test
