#include "lauf.h"

#include <algorithm>

#include "dialogtext.h"
#include "fehler.h"

namespace fuzz {
namespace {

// A text for a message: printable ASCII as is, other bytes as \xHH, cut
// after 300 bytes.
std::string Zeigen(std::string_view text) {
    static constexpr char kZiffern[] = "0123456789abcdef";
    std::string s = "\"";
    for (char c : text.substr(0, 300)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\' && b != '"') {
            s += c;
        } else {
            s += "\\x";
            s += kZiffern[b >> 4];
            s += kZiffern[b & 15];
        }
    }
    s += text.size() > 300 ? "\"... (" + std::to_string(text.size()) + " bytes)" : "\"";
    return s;
}

std::string Unterschied(std::string_view ist, std::string_view soll) {
    const auto [i, s] = std::mismatch(ist.begin(), ist.end(), soll.begin(), soll.end());
    const std::size_t ab = static_cast<std::size_t>(i - ist.begin());
    const std::size_t vorne = ab > 40 ? ab - 40 : 0;
    return "first difference at byte " + std::to_string(ab) + "\n  got:      " +
           Zeigen(ist.substr(vorne)) + "\n  expected: " + Zeigen(soll.substr(vorne));
}

std::string Felder(const TagesFelder& f) {
    return std::to_string(f.jahr) + "-" + std::to_string(f.monat) + "-" + std::to_string(f.tag);
}

modell::Kalendertag AlsTag(const TagesFelder& f) { return {f.jahr, f.monat, f.tag}; }

}  // namespace

struct Lauf::Stand {
    decltype(CNotizBuch::m_mapDatum) datum;
    decltype(CNotizBuch::m_mapNotiz) notiz;
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
        b.text.clear();
        if (!m_notizen.empty()) {
            const std::string& text =
                std::next(m_notizen.begin(), befehl.notiz % m_notizen.size())->second.text;
            b.text = text.substr(std::min<std::size_t>(befehl.ab, text.size()), befehl.laenge);
            if (befehl.gross % 2) b.text = modell::Gross(b.text);
        }
        b.notiz = b.ab = b.laenge = b.gross = 0;
    }
    return b;
}

void Lauf::Ausfuehren(const Befehl& befehl) {
    ++m_schritt;
    const Befehl b = Aufloesen(befehl);
    switch (b.art) {
        case Art::Tag: Waehlen(b.felder); break;
        case Art::Editor:
            m_editor.TextSetzen(b.text);
            m_editorText = b.text;
            break;
        case Art::Finden: Finden(b.text); break;
        case Art::Termine: Termine(); break;
        case Art::Loeschen: Loeschen(b.felder); break;
        case Art::NotizLeer:
            // the note dialog came back empty
            m_buch.NotizLoeschen(m_buch.m_timeAktuell);
            m_editor.TextSetzen("");
            m_notizen.erase(m_aktuell);
            m_editorText.clear();
            break;
        case Art::Heute: HeuteSetzen(b.felder); break;
        case Art::Start: Starten(b.felder); break;
        case Art::LoeschenWert: LoeschenWert(b.wert); break;
        case Art::Anhaengen:
        case Art::FindenAus: break;  // resolved above
    }
    Pruefen();
}

std::optional<Datumswert> Lauf::ErwarteterWert(const TagesFelder& f) const {
    const auto tag = AlsTag(f);
    return modell::Gueltig(tag) ? modell::ErsterMoment(tag) : std::nullopt;
}

std::optional<Datumswert> Lauf::Umrechnen(const TagesFelder& f) {
    const auto erwartet = ErwarteterWert(f);
    try {
        const Datumswert wert = datum::AusFeldern(f);
        if (!erwartet) Fehler("no error for " + Felder(f) + ", which the zone does not have");
        if (wert != *erwartet)
            Fehler(Felder(f) + " gives " + std::to_string(wert) + ", its first instant is " +
                   std::to_string(*erwartet));
        return wert;
    } catch (const CFalscherParameter&) {
        if (erwartet) Fehler("error for " + Felder(f) + ", a day the zone has");
        return std::nullopt;
    }
}

void Lauf::Waehlen(const TagesFelder& f) {
    const auto erwartet = ErwarteterWert(f);
    try {
        m_buch.DatumWechseln(f);
    } catch (const CFalscherParameter&) {
        if (erwartet) Fehler("picking " + Felder(f) + " raised, a day the zone has");
        return;  // Pruefen finds anything that changed
    }
    if (!erwartet) Fehler("picking " + Felder(f) + " did not raise");

    if (m_editorText.empty()) {
        m_notizen.erase(m_aktuell);
    } else {
        const std::string schluessel = modell::Schluessel(m_aktuell);
        if (datum::Schluessel(m_aktuellWert) != schluessel ||
            datum::AusFeldern({static_cast<std::uint16_t>(m_aktuell.jahr),
                               static_cast<std::uint16_t>(m_aktuell.monat),
                               static_cast<std::uint16_t>(m_aktuell.tag)}) != m_aktuellWert)
            Fehler("the date value " + std::to_string(m_aktuellWert) + " does not name the day " +
                   schluessel);
        m_notizen[m_aktuell] = {m_aktuellWert, m_editorText};
    }
    m_aktuell = AlsTag(f);
    m_aktuellWert = *erwartet;
    const auto neu = m_notizen.find(m_aktuell);
    m_editorText = neu != m_notizen.end() ? neu->second.text : std::string();
}

void Lauf::Loeschen(const TagesFelder& f) {
    if (const auto wert = Umrechnen(f)) {
        m_buch.NotizLoeschen(*wert);
        m_notizen.erase(AlsTag(f));
    }
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
            Fehler("\"now\" " + Felder(f) + " gives " + std::to_string(wert) + ", another day");
        m_buch.m_timeHeute = wert;
        m_heute = wert;
    } catch (const CFalscherParameter&) {
        // a time the day does not have; "now" stays
    }
}

void Lauf::LoeschenWert(Datumswert wert) {
    m_buch.NotizLoeschen(wert);
    if (const auto tag = modell::LokalesDatum(wert)) m_notizen.erase(*tag);
}

void Lauf::Finden(const std::string& begriff) {
    const Stand vorher = Festhalten();
    g_strDialogText = begriff;
    const std::string bericht = m_buch.NotizenFinden();
    if (!(Festhalten() == vorher)) Fehler("the search report changed the store");
    if (g_strDialogText != modell::Klein(begriff))
        Fehler("the term is " + Zeigen(g_strDialogText) + " after the search, not " +
               Zeigen(modell::Klein(begriff)));
    const std::string erwartet = modell::Suchbericht(m_notizen, begriff);
    if (bericht != erwartet)
        Fehler("search report for " + Zeigen(begriff) + ": " + Unterschied(bericht, erwartet));
}

void Lauf::Termine() {
    const Stand vorher = Festhalten();
    const std::string bericht = m_buch.TermineListe();
    if (!(Festhalten() == vorher)) Fehler("the appointment report changed the store");
    const auto heute = modell::LokalesDatum(m_heute);
    if (!heute) Fehler("\"now\" has no local date");
    if (const std::string zeile = modell::TerminzeilenPruefen(bericht, m_notizen, *heute);
        !zeile.empty())
        Fehler("appointment report, " + zeile + "\n  report: " + Zeigen(bericht));
    const std::string erwartet = modell::Terminbericht(m_notizen, *heute);
    if (bericht != erwartet) Fehler("appointment report: " + Unterschied(bericht, erwartet));
}

Lauf::Stand Lauf::Festhalten() const {
    return {m_buch.m_mapDatum, m_buch.m_mapNotiz, m_buch.m_timeAktuell, m_buch.m_timeHeute,
            m_editor.TextLesen()};
}

void Lauf::Pruefen() {
    const auto& notiz = m_buch.m_mapNotiz;
    const auto& datum = m_buch.m_mapDatum;
    if (notiz.size() != datum.size())
        Fehler("m_mapNotiz holds " + std::to_string(notiz.size()) + " keys, m_mapDatum " +
               std::to_string(datum.size()));
    for (const auto& [schluessel, text] : notiz) {
        if (text.empty()) Fehler("empty text under " + Zeigen(schluessel));
        if (!datum.contains(schluessel)) Fehler(Zeigen(schluessel) + " is missing in m_mapDatum");
    }
    if (notiz.size() != m_notizen.size())
        Fehler("the store holds " + std::to_string(notiz.size()) + " notes, expected " +
               std::to_string(m_notizen.size()));
    for (const auto& [tag, erwartet] : m_notizen) {
        const std::string schluessel = modell::Schluessel(tag);
        const auto text = notiz.find(schluessel);
        if (text == notiz.end()) Fehler("the note of " + schluessel + " is missing");
        if (text->second != erwartet.text)
            Fehler("the note of " + schluessel + ": " + Unterschied(text->second, erwartet.text));
        if (datum.at(schluessel) != erwartet.wert)
            Fehler("the date value of " + schluessel + " is " +
                   std::to_string(datum.at(schluessel)) + ", expected " +
                   std::to_string(erwartet.wert));
    }
    if (m_buch.m_timeAktuell != m_aktuellWert)
        Fehler("m_timeAktuell is " + std::to_string(m_buch.m_timeAktuell) + ", expected " +
               std::to_string(m_aktuellWert) + " (" + modell::Schluessel(m_aktuell) + ")");
    if (m_buch.m_timeHeute != m_heute)
        Fehler("m_timeHeute is " + std::to_string(m_buch.m_timeHeute) + ", expected " +
               std::to_string(m_heute));
    if (m_editor.TextLesen() != m_editorText)
        Fehler("the editor on " + modell::Schluessel(m_aktuell) + ": " +
               Unterschied(m_editor.TextLesen(), m_editorText));
}

void Lauf::Fehler(const std::string& was) const {
    throw Verstoss("step " + std::to_string(m_schritt) + ": " + was);
}

}  // namespace fuzz
