#pragma once
// The one error the diary core raises: a day that cannot become a date value.

#include <exception>

class CFalscherParameter : public std::exception {
public:
    // The German text the window's error box shows.
    const char* what() const noexcept override { return "Falscher Parameter."; }
};
