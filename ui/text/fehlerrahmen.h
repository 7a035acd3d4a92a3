#pragma once
// Runs one of the window's handlers so that an error it raises costs the
// user nothing but a message box with the application's title: the window
// stays open and keeps its notes. Qt lets no exception pass an event
// handler, so every handler wired to a signal runs inside this frame.
//
// Out of memory is met the same way, but Debian's Qt is built without
// exceptions: a std::bad_alloc thrown inside Qt's code leaves Qt's state
// undefined. So the program's handlers take the room an action will need
// (RaumPruefen) before they hand it to Qt, and an action without it fails
// in the program's own code.

#include <cstddef>
#include <functional>

class QWidget;

// Returns false when the handler raised an error (after showing it).
bool ImRahmen(QWidget* pFenster, const std::function<void()>& handler);

// Throws std::bad_alloc unless `bytes` (and some to spare) can be had now.
void RaumPruefen(std::size_t bytes);

// "Nicht genuegend Arbeitsspeicher.", shown once the event loop is back: for
// code the window system calls where no box may open (the clipboard asked
// for by another program, the application's last net). Several failures
// before it shows, or one shown meanwhile, make no second box.
void SpeichermangelMelden();
