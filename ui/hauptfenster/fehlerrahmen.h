#pragma once
// Runs one of the window's handlers so that an error it raises costs the
// user nothing but a message box with the application's title: the window
// stays open and keeps its notes. Qt lets no exception pass an event
// handler, so every handler wired to a signal runs inside this frame.

#include <functional>

class QWidget;

// Returns false when the handler raised an error (after showing it).
bool ImRahmen(QWidget* pFenster, const std::function<void()>& handler);
