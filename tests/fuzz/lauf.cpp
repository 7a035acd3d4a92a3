#include "lauf.h"

#include <algorithm>
#include <map>

#include "dialogtext.h"
#include "fehler.h"
#include "maskierung.h"

namespace fuzz {
namespace {

// Both texts from shortly before the first byte they differ in.
std::string Unterschied(std::string_view ist, std::string_view soll) {
    const std::size_t ab = static_cast<std::size_t>(
        std::mismatch(ist.begin(), ist.end(), soll.begin(), soll.end()).first - ist.begin());
    const std::size_t vorne = ab > 40 ? ab - 40 : 0;
    return "first difference at byte " + std::to_string(ab) + "\n  got:      \"" +
           szenario::Maskieren(ist.substr(vorne, 300)) + "\"\n  expected: \"" +
           szenario::Maskieren(soll.substr(vorne, 300)) + "\"";
}

std::string Felder(const TagesFelder& f) {
    return std::to_string(f.jahr) + "-" + std::to_string(f.monat) + "-" + std::to_string(f.tag);
}

modell::Kalendertag AlsTag(const TagesFelder& f) {
    return {f.jahr, f.monat, f.tag};
}

std::optional<Datumswert> ErwarteterWert(const TagesFelder& f) {
    return modell::Gueltig(AlsTag(f)) ? modell::ErsterMoment(AlsTag(f)) : std::nullopt;
}

}  // namespace

struct Lauf::Stand {
    std::map<std::string, Datumswert> datum;
    std::map<std::string, std::string> notiz;
    Datumswert aktuell, heute;
    std::string editor;
    bool operator==(const Stand&) const = default;
};

Lauf::Lauf() {
    m_buch.m_pEditor = &m_editor;
    g_strDialogText.clear();
    HeuteSetzen(kHeute);
    Starten(kStart);
    if (m_buch.m_timeHeute == 0 || m_buch.m_timeAktuell == 0) Fehler("start-up day raised");
}

Befehl Lauf::Aufloesen(const Befehl& befehl) const {
    Befehl b = befehl;
    if (b.art == Art::Anhaengen) {
        b.art = Art::Editor;
        b.text = m_editorText + befehl.text;
    } else if (b.art == Art::FindenAus) {
        b.art = Art::Finden;
        if (!m_notizen.empty()) {
            const std::string& text =
                std::next(m_notizen.begin(), befehl.notiz % m_notizen.size())->second.text;
            b.text = text.substr(std::min<std::size_t>(befehl.ab, text.size()), befehl.laenge);
            if (befehl.gross % 2) b.text = modell::Gross(b.text);
        }
    }
    return b;
}

void Lauf::Ausfuehren(const Befehl& befehl) {
    ++m_schritt;
    const Befehl b = Aufloesen(befehl);
    switch (b.art) {
        case Art::Tag:
            Waehlen(b.felder);
            break;
        case Art::Editor:
            m_editor.TextSetzen(b.text);
            m_editorText = b.text;
            break;
        case Art::Finden: {
            const Stand vorher = Festhalten();
            g_strDialogText = b.text;
            const std::string bericht = m_buch.NotizenFinden();
            if (!(Festhalten() == vorher)) Fehler("the search report changed the store");
            if (g_strDialogText != modell::Klein(b.text))
                Fehler("the term after the search: ",
                       Unterschied(g_strDialogText, modell::Klein(b.text)));
            Bericht("search report for \"" + szenario::Maskieren(b.text) + "\"", bericht,
                    modell::Suchbericht(m_notizen, b.text));
            break;
        }
        case Art::Termine: {
            const Stand vorher = Festhalten();
            const std::string bericht = m_buch.TermineListe();
            if (!(Festhalten() == vorher)) Fehler("the appointment report changed the store");
            const auto heute = modell::LokalesDatum(m_heute);
            if (!heute) Fehler("\"now\" has no local date");
            Bericht("appointment report", bericht, modell::Terminbericht(m_notizen, *heute));
            break;
        }
        case Art::Loeschen:
            if (const auto wert = Umrechnen(b.felder)) {
                m_buch.NotizLoeschen(*wert);
                m_notizen.erase(AlsTag(b.felder));
            }
            break;
        case Art::NotizLeer:
            m_buch.NotizLoeschen(m_buch.m_timeAktuell);
            m_editor.TextSetzen("");
            m_notizen.erase(m_aktuell);
            m_editorText.clear();
            break;
        case Art::Heute:
            HeuteSetzen(b.felder);
            break;
        case Art::Start:
            Starten(b.felder);
            break;
        case Art::LoeschenWert:
            m_buch.NotizLoeschen(b.wert);
            if (const auto tag = modell::LokalesDatum(b.wert)) m_notizen.erase(*tag);
            break;
        case Art::Anhaengen:
        case Art::FindenAus:
            break;  // resolved above
    }
    Pruefen();
}

void Lauf::Bericht(const std::string& was, const std::string& ist, const std::string& soll) {
    if (ist == soll) return;
    // the line in question, so that one outside the window shows as such
    const std::size_t ab = static_cast<std::size_t>(
        std::mismatch(ist.begin(), ist.end(), soll.begin(), soll.end()).first - ist.begin());
    const std::size_t zeile = ist.rfind('\n', ab == 0 ? 0 : ab - 1);
    const std::size_t von = zeile == std::string::npos || ab == 0 ? 0 : zeile + 1;
    Fehler(was, ", at line \"", szenario::Maskieren(ist.substr(von, ist.find('\n', von) - von)),
           "\": ", Unterschied(ist, soll));
}

std::optional<Datumswert> Lauf::Umrechnen(const TagesFelder& f) {
    const auto erwartet = ErwarteterWert(f);
    try {
        const Datumswert wert = datum::AusFeldern(f);
        if (!erwartet) Fehler("no error for ", Felder(f), ", which the zone does not have");
        if (wert != *erwartet)
            Fehler(Felder(f), " gives ", wert, ", its first instant is ", *erwartet);
        return wert;
    } catch (const CFalscherParameter&) {
        if (erwartet) Fehler("error for ", Felder(f), ", a day the zone has");
        return std::nullopt;
    }
}

void Lauf::Waehlen(const TagesFelder& f) {
    const auto erwartet = ErwarteterWert(f);
    try {
        m_buch.DatumWechseln(f);
    } catch (const CFalscherParameter&) {
        if (erwartet) Fehler("picking ", Felder(f), " raised, a day the zone has");
        return;  // Pruefen finds anything that changed
    }
    if (!erwartet) Fehler("picking ", Felder(f), " did not raise");
    if (m_editorText.empty())
        m_notizen.erase(m_aktuell);
    else
        m_notizen[m_aktuell] = {m_aktuellWert, m_editorText};
    m_aktuell = AlsTag(f);
    m_aktuellWert = *erwartet;
    const auto neu = m_notizen.find(m_aktuell);
    m_editorText = neu != m_notizen.end() ? neu->second.text : std::string();
}

void Lauf::Starten(const TagesFelder& f) {
    if (const auto wert = Umrechnen(f)) {
        m_buch.m_timeAktuell = *wert;
        m_editor.TextSetzen("");
        m_aktuell = AlsTag(f);
        m_aktuellWert = *wert;
        m_editorText.clear();
    }
}

void Lauf::HeuteSetzen(const TagesFelder& f) {
    try {
        const Datumswert wert = datum::AusFeldern(f);
        if (modell::LokalesDatum(wert) != AlsTag(f))
            Fehler("\"now\" ", Felder(f), " gives ", wert, ", another day");
        m_buch.m_timeHeute = m_heute = wert;
    } catch (const CFalscherParameter&) {
        // a time the day does not have; "now" stays
    }
}

Lauf::Stand Lauf::Festhalten() const {
    const auto& datum = m_buch.m_mapDatum;
    const auto& notiz = m_buch.m_mapNotiz;
    return {{datum.begin(), datum.end()},
            {notiz.begin(), notiz.end()},
            m_buch.m_timeAktuell,
            m_buch.m_timeHeute,
            m_editor.TextLesen()};
}

void Lauf::Pruefen() {
    const auto& notiz = m_buch.m_mapNotiz;
    const auto& datum = m_buch.m_mapDatum;
    if (notiz.size() != datum.size())
        Fehler("m_mapNotiz holds ", notiz.size(), " keys, m_mapDatum ", datum.size());
    for (const auto& [schluessel, text] : notiz) {
        if (text.empty()) Fehler("empty text under ", schluessel);
        if (datum.find(schluessel) == datum.end()) Fehler(schluessel, " is missing in m_mapDatum");
    }
    if (notiz.size() != m_notizen.size())
        Fehler("the store holds ", notiz.size(), " notes, expected ", m_notizen.size());
    for (const auto& [tag, erwartet] : m_notizen) {
        const std::string schluessel = modell::Schluessel(tag);
        const auto text = notiz.find(schluessel);
        if (text == notiz.end()) Fehler("the note of ", schluessel, " is missing");
        if (text->second != erwartet.text)
            Fehler("the note of ", schluessel, ": ", Unterschied(text->second, erwartet.text));
        if (const Datumswert wert = datum.find(schluessel)->second; wert != erwartet.wert)
            Fehler("the date value of ", schluessel, " is ", wert, ", expected ", erwartet.wert);
    }
    if (m_buch.m_timeAktuell != m_aktuellWert)
        Fehler("m_timeAktuell is ", m_buch.m_timeAktuell, ", expected ", m_aktuellWert, " (",
               modell::Schluessel(m_aktuell), ")");
    if (m_buch.m_timeHeute != m_heute)
        Fehler("m_timeHeute is ", m_buch.m_timeHeute, ", expected ", m_heute);
    if (m_editor.TextLesen() != m_editorText)
        Fehler("the editor on ", modell::Schluessel(m_aktuell), ": ",
               Unterschied(m_editor.TextLesen(), m_editorText));
}

}  // namespace fuzz
