// The search report: every committed note containing the term, in date order.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "berichtstage.h"
#include "dialogtext.h"
#include "notizbuch.h"
#include "text1252.h"

namespace {

// A listed day: its note and how its header names it.
struct Abschnitt {
    const std::string* notiz;
    Tageskopf kopf;
};

constexpr char kKopf[] = "==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n";
constexpr std::size_t kKopfFest = std::string_view(kKopf).size() - 10;  // without the fields

// Bytes of a number printed with %d.
std::size_t Stellen(int zahl) {
    char ziffern[16];
    return static_cast<std::size_t>(std::to_chars(ziffern, ziffern + sizeof ziffern, zahl).ptr -
                                    ziffern);
}

std::size_t KopfLaenge(const Tageskopf& kopf) {
    return kKopfFest + std::max<std::size_t>(2, Stellen(kopf.tag)) + kopf.monat.size() +
           Stellen(kopf.jahr) + kopf.wochentag.size();
}

// The header line of a section, into `nach`, reusing its storage.
void KopfFormatieren(const Tageskopf& kopf, std::string& nach) {
    char zeile[96];  // names of 3 and 4 bytes: it fits
    const int n = std::snprintf(zeile, sizeof zeile, kKopf, kopf.tag, kopf.monat.c_str(), kopf.jahr,
                                kopf.wochentag.c_str());
    nach.assign(zeile, static_cast<std::size_t>(n));
}

}  // namespace

std::string CNotizBuch::NotizenFinden() {
    text1252::KleinInPlace(g_strDialogText);
    const text1252::KleinSucher begriff(g_strDialogText);

    const std::vector<BerichtsTag> tage = TageMitMuster(m_mapNotiz, m_mapDatum, begriff);

    // Every section is found before the first is written, so the report is
    // allocated once at its final size. Grown by doubling, a report of
    // megabytes was copied over and over and each new block's pages faulted
    // in afresh, which made long reports slower per byte than short ones.
    std::vector<Abschnitt> abschnitte;
    abschnitte.reserve(tage.size());
    std::size_t laenge = 0;
    for (const BerichtsTag& tag : tage) {
        const auto notiz = NotizVon(m_mapNotiz, tag);
        if (notiz == m_mapNotiz.end()) continue;
        abschnitte.push_back({&notiz->second, KopfVon(tag.tag)});
        laenge += KopfLaenge(abschnitte.back().kopf) + notiz->second.size() + 2;
    }

    std::string bericht;
    bericht.reserve(laenge);
    for (const Abschnitt& abschnitt : abschnitte) {
        KopfFormatieren(abschnitt.kopf, m_strPuffer);
        bericht += m_strPuffer;
        // appended, not formatted with %s, so a NUL byte cannot cut the note short
        bericht += *abschnitt.notiz;
        bericht += "\r\n";
    }
    return bericht;
}
