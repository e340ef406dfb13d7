#pragma once

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace dp::test {

// Runs `act` on the next modal screen once it is open (its opener is then blocked in exec).
// `ran`, when given, tells the test afterwards that the screen did open. Until then the
// screen is looked for every few milliseconds.
void whenModal(std::function<void(QWidget*)> act, bool* ran = nullptr);

// Runs `open`, which shows a modal screen; runs `inside` on that screen, then closes it. The
// test fails when no modal screen opened.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside);

// Runs `act` on the open modal screen every few milliseconds for as long as the returned
// watch lives: for a screen that changes while it is open, such as a progress window.
[[nodiscard]] std::unique_ptr<QObject> watchModal(std::function<void(QWidget*)> act);

} // namespace dp::test
