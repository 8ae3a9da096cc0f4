#pragma once

#include <functional>

class UserDialogs;

// Runs one command handler. An exception ends the handler there and its text is shown in
// the standard error box; nothing escapes into the event loop.
void runGuarded(UserDialogs &dialogs, const std::function<void()> &handler);
