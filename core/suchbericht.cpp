// The search report: every committed note containing the term, in date order.

#include <algorithm>
#include <vector>

#include "dialogtext.h"
#include "notizbuch.h"
#include "text1252.h"

std::string CNotizBuch::NotizenFinden() {
    text1252::KleinInPlace(g_strDialogText);
    const text1252::KleinSucher begriff(g_strDialogText);

    std::vector<Datumswert> tage;
    for (auto eintrag = m_mapNotiz.begin(); eintrag != m_mapNotiz.end(); ++eintrag) {
        const auto& [schluessel, text] = *eintrag;
        // The notes lie scattered over the heap: fetch the next one while
        // this one is searched, or the walk waits on memory most of the time.
        if (const auto naechste = std::next(eintrag); naechste != m_mapNotiz.end())
            __builtin_prefetch(naechste->second.data());
        if (begriff.Finden(text) < 0) continue;
        const auto datum = m_mapDatum.find(schluessel);
        if (datum == m_mapDatum.end()) continue;
        tage.push_back(datum->second);
    }
    // by date value: a key's text order is not the calendar's
    std::stable_sort(tage.begin(), tage.end());

    std::string bericht;
    for (const Datumswert tag : tage) {
        const auto notiz = m_mapNotiz.find(datum::Schluessel(tag));
        if (notiz == m_mapNotiz.end()) continue;
        const std::string monat = text1252::Links(MonatName(tag), 3);
        const std::string wochentag = text1252::Links(WochentagName(tag), 4);
        m_strPuffer = text1252::Format("==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n",
                                       datum::TagDesMonats(tag), monat.c_str(),
                                       datum::Jahr(tag), wochentag.c_str());
        // appended, not formatted with %s, so a NUL byte cannot cut the note short
        m_strPuffer += notiz->second;
        m_strPuffer += "\r\n";
        bericht += m_strPuffer;
    }
    return bericht;
}
