#include "lauf.h"

#include <map>
#include <sstream>
#include <tuple>

#include "dialogtext.h"
#include "fehler.h"

namespace fuzz {
namespace {

int g_schritt = 0;  // of the run going on, for the message

template <class... Teile>
[[noreturn]] void Fehler(const Teile&... teile) {
    std::ostringstream was;
    was << "step " << g_schritt << ": ";
    (was << ... << teile);
    throw Verstoss(was.str());
}

orakel::Datum AlsDatum(const TagesFelder& f) {
    return {f.jahr, f.monat, f.tag};
}

std::optional<Datumswert> Erwartet(const TagesFelder& f) {
    return orakel::Gueltig(AlsDatum(f)) ? orakel::TagesAnfang(AlsDatum(f)) : std::nullopt;
}

using Stand = std::tuple<std::map<std::string, Datumswert>, std::map<std::string, std::string>,
                         Datumswert, Datumswert>;

Stand Festhalten(const CNotizBuch& b) {
    return {{b.m_mapDatum.begin(), b.m_mapDatum.end()},
            {b.m_mapNotiz.begin(), b.m_mapNotiz.end()},
            b.m_timeAktuell,
            b.m_timeHeute};
}

}  // namespace

Lauf::Lauf() {
    g_schritt = 0;
    m_buch.m_pEditor = &m_editor;
    g_strDialogText.clear();
    HeuteSetzen(kHeute);
    m_buch.m_timeAktuell = *Umrechnen(kStart);
    m_aktuell = AlsDatum(kStart);
}

void Lauf::Ausfuehren(const Befehl& b) {
    ++g_schritt;
    switch (b.art) {
        case Art::Tag:
            Waehlen(b.felder);
            break;
        case Art::Editor:
            m_editor.TextSetzen(b.text);
            m_editorText = b.text;
            break;
        case Art::Finden:
            g_strDialogText = b.text;
            Bericht("search report", &CNotizBuch::NotizenFinden,
                    orakel::Suchbericht(m_notizen, b.text));
            if (g_strDialogText != orakel::Klein(b.text))
                Fehler("the term after the search: ",
                       orakel::Unterschied(g_strDialogText, orakel::Klein(b.text)));
            break;
        case Art::Termine:
            Bericht("appointment report", &CNotizBuch::TermineListe,
                    orakel::Terminbericht(m_notizen, *orakel::LokalesDatum(m_heute)));
            break;
        case Art::Loeschen:
            if (const auto wert = Umrechnen(b.felder)) {
                m_buch.NotizLoeschen(*wert);
                m_notizen.erase(AlsDatum(b.felder));
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
            if (const auto wert = Umrechnen(b.felder)) {
                m_buch.m_timeAktuell = *wert;
                m_editor.TextSetzen("");
                m_aktuell = AlsDatum(b.felder);
                m_editorText.clear();
            }
            break;
        case Art::LoeschenWert:
            m_buch.NotizLoeschen(b.wert);
            if (const auto tag = orakel::LokalesDatum(b.wert)) m_notizen.erase(*tag);
            break;
    }
    Pruefen();
}

void Lauf::Bericht(const char* was, std::string (CNotizBuch::*bericht)(), const std::string& soll) {
    const Stand vorher = Festhalten(m_buch);
    const std::string ist = (m_buch.*bericht)();
    if (Festhalten(m_buch) != vorher) Fehler("the ", was, " changed the store");
    if (ist != soll) Fehler(was, ": ", orakel::Unterschied(ist, soll));
}

std::optional<Datumswert> Lauf::Umrechnen(const TagesFelder& f) {
    const auto erwartet = Erwartet(f);
    try {
        const Datumswert wert = datum::AusFeldern(f);
        if (!erwartet) Fehler("no error for ", orakel::Schluessel(AlsDatum(f)));
        if (wert != *erwartet)
            Fehler(orakel::Schluessel(AlsDatum(f)), " gives ", wert, ", not ", *erwartet);
        return wert;
    } catch (const CFalscherParameter&) {
        if (erwartet) Fehler("error for ", orakel::Schluessel(AlsDatum(f)), ", a day the zone has");
        return std::nullopt;
    }
}

void Lauf::Waehlen(const TagesFelder& f) {
    const bool gibtEs = Erwartet(f).has_value();
    try {
        m_buch.DatumWechseln(f);
    } catch (const CFalscherParameter&) {
        if (gibtEs) Fehler("picking ", orakel::Schluessel(AlsDatum(f)), " raised");
        return;  // Pruefen finds anything that changed
    }
    if (!gibtEs) Fehler("picking ", orakel::Schluessel(AlsDatum(f)), " did not raise");
    if (m_editorText.empty())
        m_notizen.erase(m_aktuell);
    else
        m_notizen[m_aktuell] = m_editorText;
    m_aktuell = AlsDatum(f);
    const auto neu = m_notizen.find(m_aktuell);
    m_editorText = neu != m_notizen.end() ? neu->second : std::string();
}

void Lauf::HeuteSetzen(const TagesFelder& f) {
    try {
        const Datumswert wert = datum::AusFeldern(f);
        if (orakel::LokalesDatum(wert) != AlsDatum(f))
            Fehler("\"now\" ", orakel::Schluessel(AlsDatum(f)), " gives ", wert, ", another day");
        m_buch.m_timeHeute = m_heute = wert;
    } catch (const CFalscherParameter&) {
        // a time the day does not have; "now" stays
    }
}

void Lauf::Pruefen() {
    const auto& notiz = m_buch.m_mapNotiz;
    const auto& datum = m_buch.m_mapDatum;
    if (notiz.size() != m_notizen.size() || datum.size() != m_notizen.size())
        Fehler("the maps hold ", notiz.size(), " and ", datum.size(), " keys, expected ",
               m_notizen.size());
    for (const auto& [tag, text] : m_notizen) {
        const std::string schluessel = orakel::Schluessel(tag);
        const auto n = notiz.find(schluessel);
        const auto d = datum.find(schluessel);
        if (n == notiz.end() || d == datum.end()) Fehler("the note of ", schluessel, " is missing");
        if (n->second != text)
            Fehler("the note of ", schluessel, ": ", orakel::Unterschied(n->second, text));
        if (d->second != *orakel::TagesAnfang(tag))
            Fehler("the date value of ", schluessel, " is ", d->second);
    }
    if (m_buch.m_timeAktuell != orakel::TagesAnfang(m_aktuell))
        Fehler("m_timeAktuell is ", m_buch.m_timeAktuell, ", not ", orakel::Schluessel(m_aktuell));
    if (m_buch.m_timeHeute != m_heute) Fehler("m_timeHeute is ", m_buch.m_timeHeute);
    if (m_editor.TextLesen() != m_editorText)
        Fehler("the editor on ", orakel::Schluessel(m_aktuell), ": ",
               orakel::Unterschied(m_editor.TextLesen(), m_editorText));
}

}  // namespace fuzz
