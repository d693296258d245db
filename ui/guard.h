#pragma once

#include <functional>

class DialogGui;
class QString;
class QWidget;

// Runs one user command. An exception must never unwind into Qt's event loop: one that escapes
// the command is shown to the user and the program goes on.
void RunGuarded(QWidget* owner, DialogGui& gui, const std::function<void()>& command);

// What is shown for an exception that carries no message.
QString UnknownErrorText();
