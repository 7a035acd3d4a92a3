#include "szenariozeile.h"

#include <cstdio>

#include "maskierung.h"
#include "modell.h"

namespace fuzz {
namespace {

// Reads exactly the shapes the scenario driver reads: YYYY-MM-DD (a year of
// four or five digits) and HH:MM:SS.
class Ziffern {
public:
    explicit Ziffern(std::string_view s) : m_s(s) {}

    bool Zahl(std::size_t min, std::size_t max, unsigned& wert) {
        const std::size_t anfang = m_pos;
        wert = 0;
        while (m_pos < m_s.size() && m_pos - anfang < max && m_s[m_pos] >= '0' && m_s[m_pos] <= '9')
            wert = wert * 10 + static_cast<unsigned>(m_s[m_pos++] - '0');
        return m_pos - anfang >= min;
    }
    bool Zeichen(char c) {
        if (m_pos >= m_s.size() || m_s[m_pos] != c) return false;
        ++m_pos;
        return true;
    }
    bool Datum(TagesFelder& f) {
        unsigned j, m, t;
        if (!Zahl(4, 5, j) || j > 0xFFFF || !Zeichen('-') || !Zahl(2, 2, m) || !Zeichen('-') ||
            !Zahl(2, 2, t))
            return false;
        f.jahr = static_cast<std::uint16_t>(j);
        f.monat = static_cast<std::uint16_t>(m);
        f.tag = static_cast<std::uint16_t>(t);
        return true;
    }
    bool Uhrzeit(TagesFelder& f) {
        unsigned h, m, s;
        if (!Zahl(2, 2, h) || !Zeichen(':') || !Zahl(2, 2, m) || !Zeichen(':') || !Zahl(2, 2, s))
            return false;
        f.stunde = static_cast<std::uint16_t>(h);
        f.minute = static_cast<std::uint16_t>(m);
        f.sekunde = static_cast<std::uint16_t>(s);
        return true;
    }
    bool AmEnde() const { return m_pos == m_s.size(); }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
};

TagesFelder Tag(std::string_view argument) {
    Ziffern z(argument);
    TagesFelder f;
    if (!z.Datum(f) || !z.AmEnde()) throw szenario::Lesefehler("expected a date YYYY-MM-DD");
    return f;
}

void OhneArgument(std::string_view wort, std::string_view argument) {
    if (!argument.empty()) throw szenario::Lesefehler(std::string(wort) + " takes no argument");
}

std::string Datum(const TagesFelder& f) {
    char s[32];
    std::snprintf(s, sizeof s, "%04u-%02u-%02u", unsigned{f.jahr}, unsigned{f.monat},
                  unsigned{f.tag});
    return s;
}

}  // namespace

std::optional<Befehl> AusSzenario(std::string_view zeile) {
    if (zeile.empty() || zeile.front() == '#' ||
        zeile.find_first_not_of(" \t") == std::string_view::npos)
        return std::nullopt;
    const std::size_t blank = zeile.find(' ');
    const std::string_view wort = zeile.substr(0, blank);
    const std::string_view argument =
        blank == std::string_view::npos ? std::string_view() : zeile.substr(blank + 1);

    Befehl b;
    if (wort == "heute") {
        Ziffern z(argument);
        if (!z.Datum(b.felder) || !z.Zeichen(' ') || !z.Uhrzeit(b.felder) || !z.AmEnde())
            throw szenario::Lesefehler("expected YYYY-MM-DD HH:MM:SS");
        b.art = Art::Heute;
    } else if (wort == "start" || wort == "tag" || wort == "loeschen") {
        b.felder = Tag(argument);
        b.art = wort == "start" ? Art::Start : wort == "tag" ? Art::Tag : Art::Loeschen;
    } else if (wort == "editor" || wort == "finden") {
        b.text = szenario::Entschluesseln(argument);
        b.art = wort == "editor" ? Art::Editor : Art::Finden;
    } else if (wort == "termine") {
        OhneArgument(wort, argument);
        b.art = Art::Termine;
    } else if (wort == "zeige" || wort == "suchtext" || wort == "notizen") {
        OhneArgument(wort, argument);
        return std::nullopt;
    } else {
        throw szenario::Lesefehler("unknown command \"" + szenario::Maskieren(wort) + "\"");
    }
    return b;
}

std::string AlsSzenario(const Befehl& b, const TagesFelder& aktuell) {
    switch (b.art) {
        case Art::Tag: return "tag " + Datum(b.felder);
        case Art::Loeschen: return "loeschen " + Datum(b.felder);
        case Art::Start: return "start " + Datum(b.felder);
        case Art::Heute: {
            char zeit[32];
            std::snprintf(zeit, sizeof zeit, " %02u:%02u:%02u", unsigned{b.felder.stunde},
                          unsigned{b.felder.minute}, unsigned{b.felder.sekunde});
            return "heute " + Datum(b.felder) + zeit;
        }
        case Art::Editor: return "editor " + szenario::Maskieren(b.text);
        case Art::Finden: return "finden " + szenario::Maskieren(b.text);
        case Art::Termine: return "termine";
        case Art::NotizLeer:
            return "# the note dialog comes back empty\nloeschen " + Datum(aktuell) + "\neditor";
        case Art::LoeschenWert: {
            std::string zeilen = "# NotizLoeschen(" + std::to_string(b.wert) + ")";
            const auto tag = modell::LokalesDatum(b.wert);
            if (tag && modell::Gueltig(*tag))
                zeilen += "\nloeschen " + Datum({static_cast<std::uint16_t>(tag->jahr),
                                                 static_cast<std::uint16_t>(tag->monat),
                                                 static_cast<std::uint16_t>(tag->tag)});
            return zeilen;
        }
        case Art::Anhaengen:
        case Art::FindenAus: break;
    }
    return "# (unresolved step)";
}

}  // namespace fuzz
