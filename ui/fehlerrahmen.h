#pragma once
// Runs a message handler as the framework does: an error it raises is
// caught around the message, shown in a message box with the application's
// title, and the program goes on. (Qt lets no exception pass an event
// handler, so every handler wired to a signal runs inside this frame.)

#include <functional>

class QWidget;

// Returns false when the handler raised an error (after showing it).
bool ImRahmen(QWidget* pFenster, const std::function<void()>& handler);
