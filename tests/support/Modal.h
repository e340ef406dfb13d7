#pragma once

#include <functional>

class QWidget;

namespace dp::test {

// Runs `act` on the next modal screen once it is open (its opener is then blocked in exec).
// `ran`, when given, tells the test afterwards that the screen did open. Until then the
// screen is looked for every few milliseconds.
void whenModal(std::function<void(QWidget*)> act, bool* ran = nullptr);

// Runs `open`, which shows a modal screen; runs `inside` on that screen, then closes it. The
// test fails when no modal screen opened.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside);

} // namespace dp::test
