#pragma once
// Helpers for texts held as Windows-1252 bytes in std::string.
// Lower-casing keeps the length, so positions found in a lower-case copy
// hold in the text it was made from.

#include <cstddef>
#include <string>
#include <string_view>

namespace text1252 {

// The Windows-1252 case mapping of one byte: every capital letter of the
// code page (A-Z, Š Œ Ž Ÿ, À-Þ except ×) becomes its small letter.
char Klein(char c) noexcept;

// The same mapping over a whole text, in place or into a copy.
void KleinInPlace(std::string& s) noexcept;
std::string Klein(std::string_view s);

// Removes blank, tab, LF, VT, FF and CR at both ends.
std::string Trimmen(std::string_view s);

// The first `n` bytes (all of them when shorter).
std::string Links(std::string_view s, std::size_t n);

// Position of `muster` in `text` at or after `ab`, or -1. The empty pattern
// is found at `ab` (when `ab` lies within the text or at its end).
std::ptrdiff_t Finden(std::string_view text, std::string_view muster,
                      std::ptrdiff_t ab = 0) noexcept;

// Finds a pattern regardless of case: the same positions as searching the
// lower-case pattern in a lower-case copy of the text, without making the
// copy. It picks the pattern's two rarest bytes in German text, looks at 16
// places at once for both (in either case) and compares the whole pattern
// only where both fit.
class KleinSucher {
public:
    explicit KleinSucher(std::string_view muster);
    std::ptrdiff_t Finden(std::string_view text, std::ptrdiff_t ab = 0) const noexcept;
    std::size_t Laenge() const noexcept { return m_muster.size(); }

private:
    bool PasstAn(const char* stelle) const noexcept;

    std::string m_muster;          // lower case
    std::size_t m_stelle[2] = {};  // where its two rarest bytes stand
    char m_erstes[2] = {};         // the first of them in both spellings
    char m_letztes[2] = {};        // likewise the second
};

// printf-style formatting into a new string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace text1252
