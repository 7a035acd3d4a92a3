#include "befehle.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace fuzz {
namespace {

// The kind of step by its first byte modulo 16; 15 reads one more byte for
// the rare kinds.
constexpr std::array<Art, 15> kArten = {
    Art::Tag,     Art::Tag,       Art::Tag,    Art::Tag,       Art::Tag,
    Art::Editor,  Art::Editor,    Art::Editor, Art::Anhaengen, Art::Finden,
    Art::FindenAus, Art::Termine, Art::Termine, Art::Loeschen, Art::NotizLeer};
constexpr std::uint8_t kSelten = 15;
constexpr std::array<Art, 3> kSeltene = {Art::Heute, Art::Start, Art::LoeschenWert};

// Weighted to the present, with the ends of the range, the centuries' leap
// rules, the years around 1970 and 2038 and the zones' odd days (Apia left
// out 30.12.2011, Brazil began summer time at midnight on 04.11.2018).
constexpr std::array<std::uint16_t, 14> kJahre = {2026, 2026, 2026, 2027, 2027, 2000, 2011,
                                                  2018, 1969, 1970, 2038, 2100, 1900, 9999};
// Days at the edges that random bytes seldom hit: the ends of the range and
// just beyond, the leap days of the centuries, the days around 1970 and
// 2038, the zones' odd days, the ends of the appointment window seen from
// the start-up day, and fields that name no day.
constexpr std::array<TagesFelder, 30> kRandtage = {{
    {1900, 1, 1}, {1900, 2, 28}, {1900, 2, 29}, {1900, 3, 1},  {2000, 2, 29},  {2100, 2, 29},
    {2024, 2, 29}, {2026, 2, 29}, {1969, 12, 31}, {1970, 1, 1}, {2038, 1, 19}, {2038, 1, 20},
    {2011, 12, 29}, {2011, 12, 30}, {2011, 12, 31}, {2018, 11, 3}, {2018, 11, 4}, {2027, 3, 28},
    {2027, 10, 31}, {2026, 12, 6}, {2026, 12, 5}, {2027, 3, 16}, {2027, 3, 17}, {9999, 12, 31},
    {1899, 12, 31}, {10000, 1, 1}, {2026, 13, 1}, {2026, 0, 10}, {2026, 12, 0}, {2026, 4, 31},
}};
constexpr std::uint8_t kRand = 0xE0;
constexpr std::uint8_t kRoh = 0xF0;

class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse) : m_daten(daten), m_groesse(groesse) {}

    bool Byte(std::uint8_t& b) {
        if (m_pos >= m_groesse) return false;
        b = m_daten[m_pos++];
        return true;
    }
    bool Zahl16(std::uint16_t& z) {
        std::uint8_t hoch, tief;
        if (!Byte(hoch) || !Byte(tief)) return false;
        z = static_cast<std::uint16_t>(hoch << 8 | tief);
        return true;
    }
    bool Zahl64(std::int64_t& z) {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) {
            std::uint8_t b;
            if (!Byte(b)) return false;
            u = u << 8 | b;
        }
        z = static_cast<std::int64_t>(u);
        return true;
    }
    // The rest of the input when it is shorter than the length says.
    bool Text(std::string& text) {
        std::uint8_t kurz;
        if (!Byte(kurz)) return false;
        std::size_t laenge = kurz;
        if (kurz == 0xFF) {
            std::uint16_t lang;
            if (!Zahl16(lang)) return false;
            laenge = lang;
        }
        laenge = std::min(laenge, m_groesse - m_pos);
        text.assign(reinterpret_cast<const char*>(m_daten + m_pos), laenge);
        m_pos += laenge;
        return true;
    }
    bool Tag(TagesFelder& f) {
        std::uint8_t k, b;
        if (!Byte(k)) return false;
        if (k < kRand) {
            if (!Byte(b)) return false;
            const unsigned imJahr = ((k & 0x0Fu) << 8 | b) % 372;
            f.jahr = kJahre[k >> 4];
            f.monat = static_cast<std::uint16_t>(imJahr / 31 + 1);
            f.tag = static_cast<std::uint16_t>(imJahr % 31 + 1);
            return true;
        }
        if (k < kRoh) {
            if (!Byte(b)) return false;
            f = kRandtage[b % kRandtage.size()];
            return true;
        }
        std::uint8_t monat, tag;
        if (!Zahl16(f.jahr) || !Byte(monat) || !Byte(tag)) return false;
        f.monat = monat % 100;
        f.tag = tag % 100;
        return true;
    }
    bool Uhrzeit(TagesFelder& f) {
        std::uint8_t h, m, s;
        if (!Byte(h) || !Byte(m) || !Byte(s)) return false;
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

bool Schritt(Leser& leser, Befehl& b) {
    std::uint8_t art;
    if (!leser.Byte(art)) return false;
    art %= 16;
    if (art == kSelten) {
        std::uint8_t welche;
        if (!leser.Byte(welche)) return false;
        b.art = kSeltene[welche % kSeltene.size()];
    } else {
        b.art = kArten[art];
    }
    switch (b.art) {
        case Art::Tag:
        case Art::Loeschen:
        case Art::Start: return leser.Tag(b.felder);
        case Art::Heute: return leser.Tag(b.felder) && leser.Uhrzeit(b.felder);
        case Art::Editor:
        case Art::Anhaengen:
        case Art::Finden: return leser.Text(b.text);
        case Art::FindenAus:
            return leser.Byte(b.notiz) && leser.Byte(b.ab) && leser.Byte(b.laenge) &&
                   leser.Byte(b.gross);
        case Art::LoeschenWert: return leser.Zahl64(b.wert);
        case Art::Termine:
        case Art::NotizLeer: return true;
    }
    return false;
}

// The first byte (and for the rare kinds the second) that reads as `art`.
std::string Kennung(Art art) {
    if (const auto it = std::find(kArten.begin(), kArten.end(), art); it != kArten.end())
        return std::string(1, static_cast<char>(it - kArten.begin()));
    const auto selten = std::find(kSeltene.begin(), kSeltene.end(), art);
    return {static_cast<char>(kSelten), static_cast<char>(selten - kSeltene.begin())};
}

void Zahl16(std::string& s, std::uint16_t z) {
    s += static_cast<char>(z >> 8);
    s += static_cast<char>(z & 0xFF);
}

void TagSchreiben(std::string& s, const TagesFelder& f) {
    s += static_cast<char>(kRoh);
    Zahl16(s, f.jahr);
    s += static_cast<char>(f.monat % 100);
    s += static_cast<char>(f.tag % 100);
}

void TextSchreiben(std::string& s, const std::string& text) {
    const std::size_t laenge = std::min<std::size_t>(text.size(), 0xFFFF);
    if (laenge < 0xFF) {
        s += static_cast<char>(laenge);
    } else {
        s += static_cast<char>(0xFF);
        Zahl16(s, static_cast<std::uint16_t>(laenge));
    }
    s.append(text, 0, laenge);
}

}  // namespace

bool Befehl::operator==(const Befehl& b) const {
    const auto felderTupel = [](const TagesFelder& f) {
        return std::tie(f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde);
    };
    return art == b.art && felderTupel(felder) == felderTupel(b.felder) && text == b.text &&
           wert == b.wert && notiz == b.notiz && ab == b.ab && laenge == b.laenge &&
           gross == b.gross;
}

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse) {
    std::vector<Befehl> befehle;
    Leser leser(daten, groesse);
    for (Befehl b; Schritt(leser, b); b = Befehl()) befehle.push_back(std::move(b));
    return befehle;
}

std::string Schreiben(const std::vector<Befehl>& befehle) {
    std::string s;
    for (const Befehl& b : befehle) {
        s += Kennung(b.art);
        switch (b.art) {
            case Art::Tag:
            case Art::Loeschen:
            case Art::Start: TagSchreiben(s, b.felder); break;
            case Art::Heute:
                TagSchreiben(s, b.felder);
                s += static_cast<char>(b.felder.stunde % 100);
                s += static_cast<char>(b.felder.minute % 100);
                s += static_cast<char>(b.felder.sekunde % 100);
                break;
            case Art::Editor:
            case Art::Anhaengen:
            case Art::Finden: TextSchreiben(s, b.text); break;
            case Art::FindenAus:
                for (std::uint8_t z : {b.notiz, b.ab, b.laenge, b.gross}) s += static_cast<char>(z);
                break;
            case Art::LoeschenWert:
                for (int i = 56; i >= 0; i -= 8)
                    s += static_cast<char>(static_cast<std::uint64_t>(b.wert) >> i & 0xFF);
                break;
            case Art::Termine:
            case Art::NotizLeer: break;
        }
    }
    return s;
}

}  // namespace fuzz
