#include <algorithm>
#include <array>

#include "lauf.h"

namespace fuzz {
namespace {

constexpr std::array<Art, 15> kArten = {Art::Tag,       Art::Tag,      Art::Tag,       Art::Tag,
                                        Art::Tag,       Art::Editor,   Art::Editor,    Art::Editor,
                                        Art::Anhaengen, Art::Finden,   Art::FindenAus, Art::Termine,
                                        Art::Termine,   Art::Loeschen, Art::NotizLeer};
constexpr std::uint8_t kSelten = 15;
constexpr std::array<Art, 3> kSeltene = {Art::Heute, Art::Start, Art::LoeschenWert};

// Weighted to the present, with the ends of the range, the centuries' leap
// rules, the years around 1970 and 2038 and the zones' odd days (Apia left
// out 30.12.2011, Brazil began summer time at midnight on 04.11.2018).
constexpr std::array<std::uint16_t, 14> kJahre = {2026, 2026, 2026, 2027, 2027, 2000, 2011,
                                                  2018, 1969, 1970, 2038, 2100, 1900, 9999};
// Days that random bytes seldom hit: the ends of the range and just beyond,
// the leap days of the centuries, the days around 1970 and 2038, the zones'
// odd days, the ends of the appointment window seen from the start-up day,
// and fields that name no day.
constexpr std::array<TagesFelder, 30> kRandtage = {{
    {1900, 1, 1},   {1900, 2, 28},  {1900, 2, 29},  {1900, 3, 1},  {2000, 2, 29}, {2100, 2, 29},
    {2024, 2, 29},  {2026, 2, 29},  {1969, 12, 31}, {1970, 1, 1},  {2038, 1, 19}, {2038, 1, 20},
    {2011, 12, 29}, {2011, 12, 30}, {2011, 12, 31}, {2018, 11, 3}, {2018, 11, 4}, {2027, 3, 28},
    {2027, 10, 31}, {2026, 12, 6},  {2026, 12, 5},  {2027, 3, 16}, {2027, 3, 17}, {9999, 12, 31},
    {1899, 12, 31}, {10000, 1, 1},  {2026, 13, 1},  {2026, 0, 10}, {2026, 12, 0}, {2026, 4, 31},
}};
constexpr std::uint8_t kRand = 0xE0, kRoh = 0xF0;

class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse) : m_daten(daten), m_groesse(groesse) {}

    // Big-endian, `bytes` long.
    template <class Zahl>
    bool Lesen(Zahl& z, int bytes = sizeof(Zahl)) {
        if (m_groesse - m_pos < static_cast<std::size_t>(bytes)) return false;
        std::uint64_t u = 0;
        while (bytes-- > 0) u = u << 8 | m_daten[m_pos++];
        z = static_cast<Zahl>(u);
        return true;
    }
    // The rest of the input when it is shorter than the length says.
    bool Text(std::string& text) {
        std::uint16_t laenge;
        if (!Lesen(laenge, 1) || (laenge == 0xFF && !Lesen(laenge))) return false;
        const std::size_t n = std::min<std::size_t>(laenge, m_groesse - m_pos);
        text.assign(reinterpret_cast<const char*>(m_daten + m_pos), n);
        m_pos += n;
        return true;
    }
    bool Tag(TagesFelder& f) {
        std::uint8_t k, b, monat, tag;
        if (!Lesen(k)) return false;
        if (k >= kRoh) {
            if (!Lesen(f.jahr) || !Lesen(monat) || !Lesen(tag)) return false;
            f.monat = monat % 100;
            f.tag = tag % 100;
        } else if (!Lesen(b)) {
            return false;
        } else if (k >= kRand) {
            f = kRandtage[b % kRandtage.size()];
        } else {
            const unsigned imJahr = ((k & 0x0Fu) << 8 | b) % 372;
            f = {kJahre[k >> 4], static_cast<std::uint16_t>(imJahr / 31 + 1),
                 static_cast<std::uint16_t>(imJahr % 31 + 1)};
        }
        return true;
    }
    bool Uhrzeit(TagesFelder& f) {
        std::uint8_t h, m, s;
        if (!Lesen(h) || !Lesen(m) || !Lesen(s)) return false;
        f.stunde = h % 100;
        f.minute = m % 100;
        f.sekunde = s % 100;
        return true;
    }

private:
    const std::uint8_t* m_daten;
    std::size_t m_groesse;
    std::size_t m_pos = 0;
};

bool Schritt(Leser& l, Befehl& b) {
    std::uint8_t art, welche;
    if (!l.Lesen(art)) return false;
    if (art % 16 == kSelten) {
        if (!l.Lesen(welche)) return false;
        b.art = kSeltene[welche % kSeltene.size()];
    } else {
        b.art = kArten[art % 16];
    }
    switch (b.art) {
        case Art::Tag:
        case Art::Loeschen:
        case Art::Start:
            return l.Tag(b.felder);
        case Art::Heute:
            return l.Tag(b.felder) && l.Uhrzeit(b.felder);
        case Art::Editor:
        case Art::Anhaengen:
        case Art::Finden:
            return l.Text(b.text);
        case Art::FindenAus:
            return l.Lesen(b.notiz) && l.Lesen(b.ab) && l.Lesen(b.laenge) && l.Lesen(b.gross);
        case Art::LoeschenWert:
            return l.Lesen(b.wert);
        case Art::Termine:
        case Art::NotizLeer:
            return true;
    }
    return false;
}

}  // namespace

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse) {
    std::vector<Befehl> befehle;
    Leser leser(daten, groesse);
    for (Befehl b; Schritt(leser, b); b = Befehl()) befehle.push_back(std::move(b));
    return befehle;
}

std::string Schreiben(const Befehl& b) {
    std::string s;
    const auto zahl16 = [&s](unsigned z) {
        s += {static_cast<char>(z >> 8), static_cast<char>(z)};
    };
    if (const auto art = std::find(kArten.begin(), kArten.end(), b.art); art != kArten.end())
        s += static_cast<char>(art - kArten.begin());
    else
        s += {static_cast<char>(kSelten),
              static_cast<char>(std::find(kSeltene.begin(), kSeltene.end(), b.art) -
                                kSeltene.begin())};
    if (b.art == Art::Tag || b.art == Art::Loeschen || b.art == Art::Start || b.art == Art::Heute) {
        s += static_cast<char>(kRoh);
        zahl16(b.felder.jahr);
        s += {static_cast<char>(b.felder.monat % 100), static_cast<char>(b.felder.tag % 100)};
    }
    if (b.art == Art::Heute)
        s += {static_cast<char>(b.felder.stunde % 100), static_cast<char>(b.felder.minute % 100),
              static_cast<char>(b.felder.sekunde % 100)};
    if (b.art == Art::Editor || b.art == Art::Finden) {
        const std::size_t laenge = std::min<std::size_t>(b.text.size(), 0xFFFF);
        s += '\xFF';
        zahl16(static_cast<unsigned>(laenge));
        s.append(b.text, 0, laenge);
    }
    return s;
}

}  // namespace fuzz
