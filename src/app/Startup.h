#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QApplication;

namespace dp {

class AppContext;

// One row of the start-up table: a screen class, created once at start-up in table order.
// Rows whose screen is not built yet have no factory and are skipped.
struct ScreenEntry {
    const char* className;
    std::function<QWidget*(AppContext&)> create;
};

const std::vector<ScreenEntry>& screenTable();

// Creates the screens in table order, registering each with the context. The caller owns
// the returned widgets (top-level, no parent).
std::vector<std::unique_ptr<QWidget>> createScreens(AppContext& ctx);

// Shows the first screen a user meets, the login; null when the table has none.
QWidget* showLogin(AppContext& ctx);

// Sets up translations and the platform, creates the screens, shows the login, runs the loop.
int runApplication(QApplication& app);

} // namespace dp
