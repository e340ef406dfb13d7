#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace dp::test {

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

// Types any text, accented letters included (QTest::keyClicks handles ASCII only): each
// character is a key press with its text, as a keyboard would send it.
void typeText(QWidget* widget, const QString& text);

// A byte-exact fixed text field: length byte then text bytes, zero-padded to width + 1.
QByteArray field(int width, const QByteArray& text, int lengthByte = -1);

} // namespace dp::test
