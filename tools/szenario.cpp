#include "szenario.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "datum.h"
#include "dialogtext.h"
#include "fehler.h"
#include "maskierung.h"
#include "notizbuch.h"
#include "speichereditor.h"

namespace szenario {
namespace {

// Reads fixed-shape numbers such as 2026-12-06 or 14:30:00.
class Zifferleser {
public:
    explicit Zifferleser(std::string_view s) : m_s(s) {}

    // Between `min` and `max` digits.
    std::optional<unsigned> Zahl(std::size_t min, std::size_t max) {
        std::size_t anfang = m_pos;
        unsigned wert = 0;
        while (m_pos < m_s.size() && m_pos - anfang < max && m_s[m_pos] >= '0' &&
               m_s[m_pos] <= '9') {
            wert = wert * 10 + static_cast<unsigned>(m_s[m_pos++] - '0');
        }
        if (m_pos - anfang < min) return std::nullopt;
        return wert;
    }
    bool Zeichen(char c) {
        if (m_pos >= m_s.size() || m_s[m_pos] != c) return false;
        ++m_pos;
        return true;
    }
    bool AmEnde() const { return m_pos == m_s.size(); }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
};

// Year, month and day as written; whether they name a real day is the
// core's judgement, so 2026-02-30 and 10000-01-01 reach it.
bool DatumLesen(Zifferleser& leser, TagesFelder& felder) {
    auto jahr = leser.Zahl(4, 5);
    if (!jahr || *jahr > 0xFFFF || !leser.Zeichen('-')) return false;
    auto monat = leser.Zahl(2, 2);
    if (!monat || !leser.Zeichen('-')) return false;
    auto tag = leser.Zahl(2, 2);
    if (!tag) return false;
    felder.jahr = static_cast<std::uint16_t>(*jahr);
    felder.monat = static_cast<std::uint16_t>(*monat);
    felder.tag = static_cast<std::uint16_t>(*tag);
    return true;
}

TagesFelder Tag(std::string_view argument) {
    Zifferleser leser(argument);
    TagesFelder felder;
    if (!DatumLesen(leser, felder) || !leser.AmEnde()) {
        throw Lesefehler("expected a date YYYY-MM-DD, got \"" + Maskieren(argument) + "\"");
    }
    return felder;
}

TagesFelder Moment(std::string_view argument) {
    Zifferleser leser(argument);
    TagesFelder felder;
    bool gelesen = DatumLesen(leser, felder) && leser.Zeichen(' ');
    std::optional<unsigned> stunde, minute, sekunde;
    if (gelesen) gelesen = (stunde = leser.Zahl(2, 2)) && leser.Zeichen(':');
    if (gelesen) gelesen = (minute = leser.Zahl(2, 2)) && leser.Zeichen(':');
    if (gelesen) gelesen = (sekunde = leser.Zahl(2, 2)) && leser.AmEnde();
    if (!gelesen) {
        throw Lesefehler("expected YYYY-MM-DD HH:MM:SS, got \"" + Maskieren(argument) + "\"");
    }
    felder.stunde = static_cast<std::uint16_t>(*stunde);
    felder.minute = static_cast<std::uint16_t>(*minute);
    felder.sekunde = static_cast<std::uint16_t>(*sekunde);
    return felder;
}

bool NurLeerzeichen(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

void OhneArgument(std::string_view wort, std::string_view argument) {
    if (!argument.empty()) throw Lesefehler(std::string(wort) + " takes no argument");
}

}  // namespace

Zeile ZeileLesen(std::string_view zeile) {
    Zeile z;
    if (zeile.empty() || zeile.front() == '#' || NurLeerzeichen(zeile)) return z;
    const std::size_t blank = zeile.find(' ');
    const std::string_view wort = zeile.substr(0, blank);
    const std::string_view argument =
        blank == std::string_view::npos ? std::string_view() : zeile.substr(blank + 1);
    z.wort = wort;
    if (wort == "heute") {
        z.felder = Moment(argument);
    } else if (wort == "start" || wort == "tag" || wort == "loeschen") {
        z.felder = Tag(argument);
    } else if (wort == "editor" || wort == "finden") {
        z.text = Entschluesseln(argument);
    } else if (wort == "termine" || wort == "zeige" || wort == "suchtext" || wort == "notizen") {
        OhneArgument(wort, argument);
    } else {
        throw Lesefehler("unknown command \"" + Maskieren(wort) + "\"");
    }
    return z;
}

namespace {

class Lauf {
public:
    explicit Lauf(std::ostream& aus) : m_aus(aus) {
        m_buch.m_pEditor = &m_editor;
        g_strDialogText.clear();
    }

    void Ausfuehren(const Zeile& z) {
        const TagesFelder& felder = z.felder;
        if (z.wort == "heute") {
            Melden([&] { m_buch.m_timeHeute = datum::AusFeldern(felder); });
        } else if (z.wort == "start") {
            Melden([&] {
                m_buch.m_timeAktuell = datum::AusFeldern(felder);
                m_buch.m_pEditor = &m_editor;
                m_editor.TextSetzen("");
            });
        } else if (z.wort == "editor") {
            Melden([&] { m_editor.TextSetzen(z.text); });
        } else if (z.wort == "tag") {
            Melden([&] { m_buch.DatumWechseln(felder); });
        } else if (z.wort == "loeschen") {
            Melden([&] { m_buch.NotizLoeschen(datum::AusFeldern(felder)); });
        } else if (z.wort == "finden") {
            Melden([&] {
                g_strDialogText = z.text;
                Drucken(m_buch.NotizenFinden());
            });
        } else if (z.wort == "termine") {
            Melden([&] { Drucken(m_buch.TermineListe()); });
        } else if (z.wort == "zeige") {
            Drucken(m_editor.TextLesen());
        } else if (z.wort == "suchtext") {
            Drucken(g_strDialogText);
        } else if (z.wort == "notizen") {
            NotizenDrucken();
        }
    }

private:
    void Drucken(std::string_view text) { m_aus << Maskieren(text) << '\n'; }

    // The error box of the window becomes one line, the error's number
    // among the invalid-argument errors of other programs; the run goes on.
    template <class Befehl>
    void Melden(Befehl befehl) {
        try {
            befehl();
        } catch (const CFalscherParameter&) {
            m_aus << "fehler 0x80070057\n";
        }
    }

    // By date value; a key without one would break the store's invariant,
    // so it shows as "-" at the end rather than vanish.
    void NotizenDrucken() {
        std::vector<std::tuple<bool, Datumswert, std::string, const std::string*>> notizen;
        for (const auto& [schluessel, text] : m_buch.m_mapNotiz) {
            auto datum = m_buch.m_mapDatum.find(schluessel);
            bool fehlt = datum == m_buch.m_mapDatum.end();
            notizen.emplace_back(fehlt, fehlt ? 0 : datum->second, schluessel, &text);
        }
        std::sort(notizen.begin(), notizen.end());
        for (const auto& [fehlt, wert, schluessel, text] : notizen) {
            std::string wertText = fehlt ? "-" : std::to_string(wert);
            Drucken(schluessel + ' ' + wertText + ' ' + *text);
        }
    }

    std::ostream& m_aus;
    CSpeicherEditor m_editor;
    CNotizBuch m_buch;
};

}  // namespace

int Ausfuehren(std::istream& ein, std::ostream& aus, std::ostream& fehler) {
    Lauf lauf(aus);
    std::string zeile;
    for (long nummer = 1; std::getline(ein, zeile); ++nummer) {
        try {
            lauf.Ausfuehren(ZeileLesen(zeile));
        } catch (const Lesefehler& lesefehler) {
            aus.flush();
            fehler << "line " << nummer << ": " << lesefehler.what() << '\n';
            return kLesefehler;
        }
    }
    if (ein.bad()) {
        fehler << "read error\n";
        return kLesefehler;
    }
    return 0;
}

}  // namespace szenario
