#pragma once
// The one error the diary core raises: a day that cannot become a date value.

#include <cstdint>
#include <exception>

class CFalscherParameter : public std::exception {
public:
    static constexpr std::uint32_t kHResult = 0x80070057u;  // E_INVALIDARG

    std::uint32_t HResult() const noexcept { return kHResult; }
    // The system's German text for the error, as the error box shows it.
    const char* what() const noexcept override { return "Falscher Parameter."; }
};
