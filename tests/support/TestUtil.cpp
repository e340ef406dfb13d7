#include "support/TestUtil.h"

#include <QFile>
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
