#include <algorithm>

#include "lauf.h"

namespace fuzz {
namespace {

class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse) : m_daten(daten), m_groesse(groesse) {}

    template <class Zahl>  // big-endian, `bytes` long
    bool Lesen(Zahl& z, int bytes = sizeof(Zahl)) {
        if (m_groesse - m_pos < static_cast<std::size_t>(bytes)) return false;
        std::uint64_t u = 0;
        while (bytes-- > 0) u = u << 8 | m_daten[m_pos++];
        z = static_cast<Zahl>(u);
        return true;
    }
    bool Text(std::string& text) {  // the rest, when shorter than its length says
        std::uint16_t laenge;
        if (!Lesen(laenge, 1) || (laenge == 0xFF && !Lesen(laenge))) return false;
        const std::size_t n = std::min<std::size_t>(laenge, m_groesse - m_pos);
        text.assign(reinterpret_cast<const char*>(m_daten + m_pos), n);
        m_pos += n;
        return true;
    }

private:
    const std::uint8_t* m_daten;
    std::size_t m_groesse, m_pos = 0;
};

bool Schritt(Leser& l, Befehl& b) {
    std::uint8_t art;
    if (!l.Lesen(art)) return false;
    b.art = static_cast<Art>(art % kArten);
    TagesFelder& f = b.felder;
    const bool tag = b.art == Art::Tag || b.art == Art::Loeschen || b.art == Art::Heute;
    if (tag && !(l.Lesen(f.jahr) && l.Lesen(f.monat, 1) && l.Lesen(f.tag, 1))) return false;
    if (b.art == Art::Heute)
        return l.Lesen(f.stunde, 1) && l.Lesen(f.minute, 1) && l.Lesen(f.sekunde, 1);
    if (b.art == Art::Editor || b.art == Art::Finden) return l.Text(b.text);
    if (b.art == Art::LoeschenWert) return l.Lesen(b.wert);
    return true;
}

}  // namespace

std::vector<Befehl> Lesen(const std::uint8_t* daten, std::size_t groesse) {
    std::vector<Befehl> befehle;
    Leser leser(daten, groesse);
    for (Befehl b; Schritt(leser, b); b = Befehl()) befehle.push_back(std::move(b));
    return befehle;
}

std::string Schreiben(const Befehl& b) {
    std::string s(1, static_cast<char>(b.art));
    const auto zahl = [&s](std::uint64_t z, int bytes) {
        while (bytes-- > 0) s += static_cast<char>(z >> (8 * bytes));
    };
    const TagesFelder& f = b.felder;
    if (b.art == Art::Tag || b.art == Art::Loeschen || b.art == Art::Heute)
        zahl(f.jahr, 2), zahl(f.monat, 1), zahl(f.tag, 1);
    if (b.art == Art::Heute) zahl(f.stunde, 1), zahl(f.minute, 1), zahl(f.sekunde, 1);
    if (b.art == Art::LoeschenWert) zahl(static_cast<std::uint64_t>(b.wert), 8);
    if (b.art == Art::Editor || b.art == Art::Finden) {
        const std::size_t laenge = std::min<std::size_t>(b.text.size(), 0xFFFF);
        s += '\xFF';
        zahl(laenge, 2);
        s.append(b.text, 0, laenge);
    }
    return s;
}

}  // namespace fuzz
