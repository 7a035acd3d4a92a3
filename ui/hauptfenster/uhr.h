#pragma once
// The moment the main window takes as "now". The program reads the system
// clock; tests hand in a clock of their own.

#include <chrono>
#include <functional>

#include "datum.h"

using Uhr = std::function<Datumswert()>;

inline Datumswert Systemzeit() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}
