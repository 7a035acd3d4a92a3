#include "text1252.h"

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
