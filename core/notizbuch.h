#pragma once
// The note store: at most one note per calendar day, in memory only.
//
// Invariants: both maps hold the same keys; a key is present only with a
// non-empty text; the date value under a key names the day of that key.
// The text typed for the current day stays in the editor until the next
// change of day, so the reports do not see it before then.

#include <string>

#include "datum.h"
#include "notizeditor.h"
#include "schluesselmap.h"

class CNotizBuch {
public:
    std::string m_strPuffer;                 // scratch for names and reports
    Datumswert m_timeAktuell = 0;            // the day the editor shows
    Datumswert m_timeHeute = 0;              // "now" of the appointment report
    CSchluesselMap<Datumswert> m_mapDatum;   // key -> day
    CSchluesselMap<std::string> m_mapNotiz;  // key -> text
    CNotizEditor* m_pEditor = nullptr;       // not owned

    // Files the editor's text under the current day (an empty text removes
    // that day's note), shows the new day's note and makes it current.
    // Raises CFalscherParameter before anything changes when the day
    // cannot be converted.
    void DatumWechseln(const TagesFelder& felder);

    // Removes the note of that value's day; a day without a note is fine.
    void NotizLoeschen(Datumswert wert);

    // Full German names, or empty when the breakdown fails. Both leave the
    // name in m_strPuffer.
    std::string WochentagName(Datumswert wert);
    std::string MonatName(Datumswert wert);

    // Every committed note containing g_strDialogText (any case), in date
    // order, each under a header line. Lower-cases g_strDialogText in place.
    std::string NotizenFinden();

    // The "[TERMIN]" lines of today and the next 100 days, earliest first.
    std::string TermineListe();
};
