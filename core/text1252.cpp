#include "text1252.h"

#include <array>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace text1252 {
namespace {

constexpr std::array<unsigned char, 256> KleinTabelle() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i) t[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7) t[i] = static_cast<unsigned char>(i + 32);  // not ×
    t[0x8A] = 0x9A;                                                // Š
    t[0x8C] = 0x9C;                                                // Œ
    t[0x8E] = 0x9E;                                                // Ž
    t[0x9F] = 0xFF;                                                // Ÿ
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

void KleinInPlace(std::string& s) noexcept {
    for (char& c : s) c = Klein(c);
}

std::string Klein(std::string_view s) {
    std::string r(s);
    KleinInPlace(r);
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

std::ptrdiff_t Finden(std::string_view text, std::string_view muster, std::ptrdiff_t ab) noexcept {
    if (ab < 0 || static_cast<std::size_t>(ab) > text.size()) return -1;
    const auto pos = text.find(muster, static_cast<std::size_t>(ab));
    return pos == std::string_view::npos ? -1 : static_cast<std::ptrdiff_t>(pos);
}

namespace {

// Both spellings of a small letter (its capital, where it has one).
void Schreibweisen(char klein, char (&schreibweisen)[2]) {
    schreibweisen[0] = schreibweisen[1] = klein;
    for (int c = 0; c < 256; ++c)
        if (static_cast<char>(c) != klein && Klein(static_cast<char>(c)) == klein)
            schreibweisen[1] = static_cast<char>(c);
}

// Sixteen bytes side by side (SSE2 on x86-64, NEON on ARM).
using Block = unsigned char __attribute__((vector_size(16)));

Block Laden(const char* p) {
    Block b;
    std::memcpy(&b, p, sizeof b);
    return b;
}

Block Fuellen(char c) {
    Block b;
    for (auto i = 0u; i < sizeof b; ++i) b[i] = static_cast<unsigned char>(c);
    return b;
}

// One bit for each byte of the block that is not zero.
unsigned Maske(Block b) {
#if defined(__SSE2__)
    __m128i v;
    std::memcpy(&v, &b, sizeof v);
    return static_cast<unsigned>(_mm_movemask_epi8(v));
#else
    unsigned maske = 0;
    for (auto i = 0u; i < sizeof b; ++i) maske |= (b[i] != 0 ? 1u : 0u) << i;
    return maske;
#endif
}

// How often a small letter turns up in German text, roughly; the search
// looks first for the pattern's two rarest bytes.
int Haeufigkeit(char c) {
    static constexpr std::string_view kHaeufige = " enisratdhulcgmobwfkz";
    const auto rang = kHaeufige.find(c);
    return rang == std::string_view::npos ? 0 : static_cast<int>(kHaeufige.size() - rang);
}

// The pattern's two rarest bytes, each in both spellings, and where they
// stand in it.
struct Anker {
    Block erstes0, erstes1, letztes0, letztes1;
    std::size_t stelle0, stelle1;

    // One bit for each of the 16 places from `stelle` on where both bytes
    // stand as they would in a match.
    std::uint32_t Kandidaten(const char* stelle) const {
        const Block vorn = Laden(stelle + stelle0);
        const Block hinten = Laden(stelle + stelle1);
        return Maske((Block)((vorn == erstes0) | (vorn == erstes1)) &
                     (Block)((hinten == letztes0) | (hinten == letztes1)));
    }
};

}  // namespace

KleinSucher::KleinSucher(std::string_view muster) : m_muster(Klein(muster)) {
    const std::size_t m = m_muster.size();
    if (m == 0) return;
    for (std::size_t i = 1; i < m; ++i)
        if (Haeufigkeit(m_muster[i]) < Haeufigkeit(m_muster[m_stelle[0]])) m_stelle[0] = i;
    m_stelle[1] = m_stelle[0] == 0 ? m - 1 : 0;
    for (std::size_t i = 0; i < m; ++i)
        if (i != m_stelle[0] && Haeufigkeit(m_muster[i]) < Haeufigkeit(m_muster[m_stelle[1]]))
            m_stelle[1] = i;
    Schreibweisen(m_muster[m_stelle[0]], m_erstes);
    Schreibweisen(m_muster[m_stelle[1]], m_letztes);
}

bool KleinSucher::PasstAn(const char* stelle) const noexcept {
    for (std::size_t i = 0; i < m_muster.size(); ++i)
        if (Klein(stelle[i]) != m_muster[i]) return false;
    return true;
}

std::ptrdiff_t KleinSucher::Finden(std::string_view text, std::ptrdiff_t ab) const noexcept {
    if (ab < 0 || static_cast<std::size_t>(ab) > text.size()) return -1;
    const std::size_t m = m_muster.size();
    if (m == 0) return ab;
    if (m > text.size()) return -1;
    const char* const daten = text.data();
    const std::size_t letzteStelle = text.size() - m;  // last place the pattern can start
    constexpr std::size_t kBreite = sizeof(Block);
    std::size_t pos = static_cast<std::size_t>(ab);

    const Anker anker{Fuellen(m_erstes[0]),  Fuellen(m_erstes[1]), Fuellen(m_letztes[0]),
                      Fuellen(m_letztes[1]), m_stelle[0],          m_stelle[1]};
    const auto Kandidaten = [&anker](const char* stelle) {
        return anker.Kandidaten(stelle);
    };

    // the candidates of `maske` (bit i: place basis + i), first match wins
    const auto pruefen = [&](std::size_t basis, std::uint32_t maske) -> std::ptrdiff_t {
        for (; maske != 0; maske &= maske - 1) {
            const std::size_t stelle = basis + static_cast<std::size_t>(__builtin_ctz(maske));
            if (PasstAn(daten + stelle)) return static_cast<std::ptrdiff_t>(stelle);
        }
        return -1;
    };

    // two blocks a round: one branch for 32 places
    for (; pos + 2 * kBreite - 1 <= letzteStelle; pos += 2 * kBreite) {
        const std::uint32_t maske = Kandidaten(daten + pos) | Kandidaten(daten + pos + kBreite)
                                                                  << kBreite;
        if (maske != 0)
            if (const auto treffer = pruefen(pos, maske); treffer >= 0) return treffer;
    }
    for (; pos + kBreite - 1 <= letzteStelle; pos += kBreite)
        if (const auto treffer = pruefen(pos, Kandidaten(daten + pos)); treffer >= 0)
            return treffer;
    if (pos > letzteStelle) return -1;
    if (letzteStelle >= kBreite - 1) {
        // the rest in one block that ends at the last place, without the
        // places already seen
        const std::size_t basis = letzteStelle - (kBreite - 1);
        const std::uint32_t gesehen = (1u << (pos - basis)) - 1;
        return pruefen(basis, Kandidaten(daten + basis) & ~gesehen);
    }
    for (; pos <= letzteStelle; ++pos)
        if (PasstAn(daten + pos)) return static_cast<std::ptrdiff_t>(pos);
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
