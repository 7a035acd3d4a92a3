#pragma once
// The escapes of scenario files: arguments may spell bytes as \r, \n, \t,
// \\ and \xHH; printed lines spell every byte that is not printable ASCII, so
// that any Windows-1252 text fits on one line and compares byte for byte.

#include <stdexcept>
#include <string>
#include <string_view>

namespace szenario {

// A line of a scenario that cannot be read; the message names the fault.
class Lesefehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes an argument spells. Raises Lesefehler for an unknown escape, a
// \x without two hex digits or a lone backslash at the end.
std::string Entschluesseln(std::string_view argument);

// One line's worth of text: printable ASCII as is, "\" as "\\", CR, LF and
// tab as \r \n \t, every other byte as \xHH with lower-case digits.
std::string Maskieren(std::string_view text);

}  // namespace szenario
