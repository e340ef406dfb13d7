#pragma once

class QWidget;

namespace dp {

// Enter walks a form: it moves the focus to the next control of the chain as Tab would, so
// the next field's text comes selected. When the chain ends on a button, Enter there presses
// it, so a user walking the form with Enter alone reaches the action.
void enterChainMoveTo(QWidget* next);

// Makes Return and Enter press the button while it has the focus (idempotent).
void pressOnEnter(QWidget* button);

} // namespace dp
