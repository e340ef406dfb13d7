#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace dp {

class Platform;

// The one context every screen receives when it is created: the platform seam, the program
// directory and the start-up instances, found by class name so that one screen can bring up
// another (the login the menu, the menu its areas). Tool screens hand their results to the
// screen that opened them (ui/HandBack.h), not through here.
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
