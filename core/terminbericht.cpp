// The appointment report: the "[TERMIN]" lines of today and the next 100 days.

#include "berichtstage.h"
#include "notizbuch.h"
#include "text1252.h"

namespace {

constexpr std::int64_t kFensterTage = 100;

// The day column between the date label and the appointment text.
std::string Tagesspalte(std::int64_t tage) {
    switch (tage) {
        case 0:
            return "Heute\t\t";
        case 1:
            return "Morgen\t\t";
        case 2:
            return "\xDC"
                   "bermorgen\t";
        default:
            return text1252::Format("%03d\t\t", static_cast<int>(tage));
    }
}

}  // namespace

std::string CNotizBuch::TermineListe() {
    static const text1252::KleinSucher marke("[TERMIN]");

    const std::vector<BerichtsTag> tage = TageMitMuster(m_mapNotiz, m_mapDatum, marke);

    std::string bericht;
    for (const BerichtsTag& gefunden : tage) {
        const Datumswert tag = gefunden.tag;
        // Whole calendar days, not elapsed seconds: midnight start-ups and
        // daylight-saving changes must not shift the labels.
        const auto abstand = datum::Kalendertage(m_timeHeute, tag);
        if (!abstand || *abstand < 0 || *abstand > kFensterTage) continue;

        const auto notiz = NotizVon(m_mapNotiz, gefunden);
        if (notiz == m_mapNotiz.end()) continue;
        const std::string& text = notiz->second;
        std::ptrdiff_t m = marke.Finden(text);
        if (m < 0) continue;

        const Tageskopf kopf = KopfVon(tag);
        const std::string zeilenanfang =
            text1252::Format("%02d. %s\t%d\t%s\t", kopf.tag, kopf.monat.c_str(), kopf.jahr,
                             kopf.wochentag.c_str()) +
            Tagesspalte(*abstand);

        while (m >= 0) {
            const std::ptrdiff_t anfang = m + static_cast<std::ptrdiff_t>(marke.Laenge());
            std::ptrdiff_t ende = text1252::Finden(text, "\r", m);
            if (ende < 0) ende = static_cast<std::ptrdiff_t>(text.size());
            m_strPuffer = zeilenanfang;
            m_strPuffer += text1252::Trimmen(std::string_view(text).substr(anfang, ende - anfang));
            m_strPuffer += "\r\n";
            bericht += m_strPuffer;
            // a second marker on the same line belongs to this line's text
            m = marke.Finden(text, ende);
        }
    }
    return bericht;
}
