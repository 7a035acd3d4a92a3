#include "lauf.h"

#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

#include "dialogtext.h"
#include "fehler.h"
#include "orakel.h"

namespace fuzz {
namespace {

template <class... Teile>
[[noreturn]] void Fehler(int zeile, const Teile&... teile) {
    std::ostringstream was;
    was << "line " << zeile << ": ";
    (was << ... << teile);
    throw Verstoss(was.str());
}

// The core's value for the fields, or nothing when it raised.
std::optional<Datumswert> Umrechnen(const TagesFelder& f) {
    try {
        return datum::AusFeldern(f);
    } catch (const CFalscherParameter&) {
        return std::nullopt;
    }
}

using Stand = std::tuple<std::map<std::string, Datumswert>, std::map<std::string, std::string>,
                         Datumswert, Datumswert, std::string>;

Stand Festhalten(const CNotizBuch& b) {
    return {{b.m_mapDatum.begin(), b.m_mapDatum.end()},
            {b.m_mapNotiz.begin(), b.m_mapNotiz.end()},
            b.m_timeAktuell,
            b.m_timeHeute,
            b.m_pEditor->TextLesen()};
}

// The notes the store holds, under the days their keys name.
orakel::Notizen Notizen(const CNotizBuch& b) {
    orakel::Notizen notizen;
    for (const auto& [schluessel, text] : b.m_mapNotiz) {
        orakel::Datum d{};
        std::sscanf(schluessel.c_str(), "%2d.%2d.%4d", &d.tag, &d.monat, &d.jahr);
        notizen[d] = text;
    }
    return notizen;
}

}  // namespace

Lauf::Lauf() {
    m_buch.m_pEditor = &m_editor;
    g_strDialogText.clear();
    m_buch.m_timeHeute = datum::AusFeldern({2026, 12, 6, 14, 30, 0});
    m_buch.m_timeAktuell = datum::AusFeldern({2026, 12, 6});
}

void Lauf::Ausfuehren(std::string_view text) {
    ++m_zeile;
    const szenario::Zeile b = szenario::ZeileLesen(text);
    const Stand vorher = Festhalten(m_buch);
    const auto wert = Umrechnen(b.felder);
    const orakel::Datum zeilenTag{b.felder.jahr, b.felder.monat, b.felder.tag};
    const bool gibtEs = orakel::Gueltig(zeilenTag) && orakel::TagesAnfang(zeilenTag).has_value();
    if ((b.wort == "tag" || b.wort == "loeschen") && wert.has_value() != gibtEs)
        Fehler(m_zeile, orakel::Schluessel(zeilenTag), wert ? " accepted" : " refused");
    const bool bericht = b.wort == "finden" || b.wort == "termine";
    std::string ist, soll;
    if (b.wort == "tag") {
        try {
            m_buch.DatumWechseln(b.felder);
        } catch (const CFalscherParameter&) {
            if (wert || Festhalten(m_buch) != vorher) Fehler(m_zeile, "the pick raised or changed");
            return;
        }
        if (m_buch.m_timeAktuell != orakel::TagesAnfang(zeilenTag))
            Fehler(m_zeile, "m_timeAktuell is ", m_buch.m_timeAktuell);
        if (const auto notiz = m_buch.m_mapNotiz.find(datum::Schluessel(*wert));
            m_editor.TextLesen() != (notiz != m_buch.m_mapNotiz.end() ? notiz->second : ""))
            Fehler(m_zeile, "the editor does not show the day's note");
    } else if (b.wort == "editor") {
        m_editor.TextSetzen(b.text);
    } else if (b.wort == "finden") {
        g_strDialogText = b.text;
        ist = m_buch.NotizenFinden();
        soll = orakel::Suchbericht(Notizen(m_buch), b.text);
        if (g_strDialogText != orakel::Klein(b.text)) Fehler(m_zeile, "the term is not lowered");
    } else if (b.wort == "termine") {
        ist = m_buch.TermineListe();
        soll = orakel::Terminbericht(Notizen(m_buch), *orakel::LokalesDatum(m_buch.m_timeHeute));
    } else if (b.wort == "loeschen" && wert) {
        m_buch.NotizLoeschen(*wert);
    } else if (b.wort == "heute" && wert) {
        if (orakel::LokalesDatum(*wert) != zeilenTag)
            Fehler(m_zeile, "\"now\" ", *wert, " lies on another day");
        m_buch.m_timeHeute = *wert;
    } else if (b.wort == "start" && wert) {
        m_buch.m_timeAktuell = *wert;
        m_editor.TextSetzen("");
    }
    if (ist != soll) Fehler(m_zeile, b.wort, " report: ", orakel::Unterschied(ist, soll));
    if (bericht && Festhalten(m_buch) != vorher) Fehler(m_zeile, "a report changed the store");

    const auto& notiz = m_buch.m_mapNotiz;
    const auto& datum = m_buch.m_mapDatum;
    if (notiz.size() != datum.size())
        Fehler(m_zeile, "the maps hold ", notiz.size(), " and ", datum.size(), " keys");
    for (const auto& [schluessel, text] : notiz) {
        const auto d = datum.find(schluessel);
        if (text.empty() || d == datum.end())
            Fehler(m_zeile, "the note of ", schluessel, " is broken");
        const auto tag = orakel::LokalesDatum(d->second);
        if (!tag || orakel::Schluessel(*tag) != schluessel ||
            orakel::TagesAnfang(*tag) != d->second)
            Fehler(m_zeile, "the date value of ", schluessel, " is ", d->second);
    }
}

}  // namespace fuzz
