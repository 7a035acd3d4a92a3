// The search report: every committed note containing the term, in date order.

#include "berichtstage.h"
#include "dialogtext.h"
#include "notizbuch.h"
#include "text1252.h"

std::string CNotizBuch::NotizenFinden() {
    text1252::KleinInPlace(g_strDialogText);
    const text1252::KleinSucher begriff(g_strDialogText);

    const std::vector<Datumswert> tage = TageMitMuster(m_mapNotiz, m_mapDatum, begriff);

    std::string bericht;
    for (const Datumswert tag : tage) {
        const auto notiz = m_mapNotiz.find(datum::Schluessel(tag));
        if (notiz == m_mapNotiz.end()) continue;
        const Tageskopf kopf = KopfVon(tag);
        m_strPuffer =
            text1252::Format("==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n", kopf.tag,
                             kopf.monat.c_str(), kopf.jahr, kopf.wochentag.c_str());
        // appended, not formatted with %s, so a NUL byte cannot cut the note short
        m_strPuffer += notiz->second;
        m_strPuffer += "\r\n";
        bericht += m_strPuffer;
    }
    return bericht;
}
