#include "text1252.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

namespace text1252 {
namespace {

constexpr std::array<unsigned char, 256> KleinTabelle() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i) t[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7) t[i] = static_cast<unsigned char>(i + 32);  // not ×
    t[0x8A] = 0x9A;  // Š
    t[0x8C] = 0x9C;  // Œ
    t[0x8E] = 0x9E;  // Ž
    t[0x9F] = 0xFF;  // Ÿ
    return t;
}
constexpr auto kKlein = KleinTabelle();

bool IstLeerraum(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

char Klein(char c) noexcept {
    return static_cast<char>(kKlein[static_cast<unsigned char>(c)]);
}

void KleinKopieren(std::string_view von, std::string& nach) {
    nach.resize(von.size());
    for (std::size_t i = 0; i < von.size(); ++i) nach[i] = Klein(von[i]);
}

void KleinInPlace(std::string& s) noexcept {
    for (char& c : s) c = Klein(c);
}

std::string Klein(std::string_view s) {
    std::string r;
    KleinKopieren(s, r);
    return r;
}

std::string Trimmen(std::string_view s) {
    std::size_t a = 0, e = s.size();
    while (a < e && IstLeerraum(s[a])) ++a;
    while (e > a && IstLeerraum(s[e - 1])) --e;
    return std::string(s.substr(a, e - a));
}

std::string Links(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, n));
}

std::ptrdiff_t Finden(std::string_view text, std::string_view muster,
                      std::ptrdiff_t ab) noexcept {
    if (ab < 0 || static_cast<std::size_t>(ab) > text.size()) return -1;
    const auto pos = text.find(muster, static_cast<std::size_t>(ab));
    return pos == std::string_view::npos ? -1 : static_cast<std::ptrdiff_t>(pos);
}

namespace {

// The bytes whose small letter is `klein` (itself among them).
std::string Schreibweisen(char klein) {
    std::string r;
    for (int c = 0; c < 256; ++c)
        if (Klein(static_cast<char>(c)) == klein) r += static_cast<char>(c);
    return r;
}

std::size_t Paar(char a, char b) {
    return static_cast<std::size_t>(static_cast<unsigned char>(a)) << 8 |
           static_cast<unsigned char>(b);
}

}  // namespace

KleinSucher::KleinSucher(std::string_view muster) : m_muster(Klein(muster)) {
    const std::size_t m = m_muster.size();
    if (m < 2) return;
    m_sprung.assign(1u << 16, static_cast<std::uint8_t>(std::min<std::size_t>(m - 1, 255)));
    // later pairs overwrite earlier ones: the last occurrence decides
    for (std::size_t i = 0; i + 1 < m; ++i) {
        const auto sprung = static_cast<std::uint8_t>(std::min<std::size_t>(m - 2 - i, 255));
        for (char a : Schreibweisen(m_muster[i]))
            for (char b : Schreibweisen(m_muster[i + 1])) m_sprung[Paar(a, b)] = sprung;
    }
}

bool KleinSucher::PasstAn(const char* stelle) const noexcept {
    for (std::size_t i = 0; i < m_muster.size(); ++i)
        if (Klein(stelle[i]) != m_muster[i]) return false;
    return true;
}

std::ptrdiff_t KleinSucher::Finden(std::string_view text, std::ptrdiff_t ab) const noexcept {
    if (ab < 0 || static_cast<std::size_t>(ab) > text.size()) return -1;
    const std::size_t m = m_muster.size();
    const char* const daten = text.data();
    if (m < 2) {
        if (m == 0) return ab;
        for (std::size_t pos = static_cast<std::size_t>(ab); pos < text.size(); ++pos)
            if (Klein(daten[pos]) == m_muster[0]) return static_cast<std::ptrdiff_t>(pos);
        return -1;
    }
    for (std::size_t pos = static_cast<std::size_t>(ab); pos + m <= text.size();) {
        const std::uint8_t sprung = m_sprung[Paar(daten[pos + m - 2], daten[pos + m - 1])];
        if (sprung != 0) {
            pos += sprung;
        } else {
            if (PasstAn(daten + pos)) return static_cast<std::ptrdiff_t>(pos);
            ++pos;
        }
    }
    return -1;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list kopie;
    va_copy(kopie, args);
    const int n = std::vsnprintf(nullptr, 0, format, kopie);
    va_end(kopie);
    std::string r;
    if (n > 0) {
        r.resize(static_cast<std::size_t>(n));
        std::vsnprintf(r.data(), r.size() + 1, format, args);
    }
    va_end(args);
    return r;
}

}  // namespace text1252
