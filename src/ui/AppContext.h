#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace dp {

class Platform;

// The one context every screen receives when it is created: the platform seam and the
// start-up instances, found by class name, into which tool screens write their results.
class AppContext {
  public:
    explicit AppContext(Platform& platform) : m_platform(platform) {}

    Platform& platform() const { return m_platform; }
    QString programDir() const;
    // Program directory followed directly by the file name.
    QString path(const QString& fileName) const;

    void registerScreen(QWidget* screen); // keyed by its objectName
    QWidget* screen(const QString& className) const { return m_screens.value(className); }
    template <class T> T* screenAs(const QString& className) const {
        return qobject_cast<T*>(screen(className));
    }

  private:
    Platform& m_platform;
    QHash<QString, QWidget*> m_screens;
};

} // namespace dp
