// The search report: every committed note containing the term, in date order.

#include <cstdio>
#include <string_view>

#include "berichtstage.h"
#include "dialogtext.h"
#include "notizbuch.h"
#include "text1252.h"

namespace {

constexpr char kKopf[] = "==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n";
// The longest header: day of two digits, names of 3 and 4 bytes, a year of
// any int. "%02d" and "%d" of an int take at most 11 bytes each.
constexpr std::size_t kKopfHoechstens = std::string_view(kKopf).size() - 10 + 11 + 3 + 11 + 4;

// The header line of a section, appended to the report.
void KopfAnhaengen(const Tageskopf& kopf, std::string& bericht) {
    char zeile[kKopfHoechstens + 1];
    const int n = std::snprintf(zeile, sizeof zeile, kKopf, kopf.tag, kopf.monat.c_str(), kopf.jahr,
                                kopf.wochentag.c_str());
    bericht.append(zeile, static_cast<std::size_t>(n));
}

}  // namespace

std::string CNotizBuch::NotizenFinden() {
    text1252::KleinInPlace(g_strDialogText);
    const text1252::KleinSucher begriff(g_strDialogText);

    const std::vector<BerichtsTag> tage = TageMitMuster(m_mapNotiz, m_mapDatum, begriff);

    // Room for every section is taken before the first is written. Grown by
    // doubling, a report of megabytes was copied over and over and each new
    // block's pages faulted in afresh, which made long reports slower per
    // byte than short ones. The sections are then written in one pass, each
    // note copied while its entry is still at hand: at tens of thousands of
    // notes a second walk would fetch every entry from memory again.
    std::size_t hoechstens = 0;
    for (const BerichtsTag& tag : tage)
        hoechstens += kKopfHoechstens + tag.eintrag->second.size() + 2;

    std::string bericht;
    bericht.reserve(hoechstens);
    for (auto tag = tage.begin(); tag != tage.end(); ++tag) {
        if (tage.end() - tag > kEintragVoraus) __builtin_prefetch(&*tag[kEintragVoraus].eintrag);
        if (tage.end() - tag > kVoraus) Vorholen(tag[kVoraus].eintrag->second);
        const auto notiz = NotizVon(m_mapNotiz, *tag);
        if (notiz == m_mapNotiz.end()) continue;
        KopfAnhaengen(KopfVon(tag->tag), bericht);
        // appended, not formatted with %s, so a NUL byte cannot cut the note short
        bericht += notiz->second;
        bericht += "\r\n";
    }
    return bericht;
}
