#include "berichtstage.h"

#include <algorithm>
#include <iterator>

std::vector<Datumswert> TageMitMuster(
    const std::unordered_map<std::string, std::string>& notizen,
    const std::unordered_map<std::string, Datumswert>& daten,
    const text1252::KleinSucher& muster) {
    std::vector<Datumswert> tage;
    for (auto eintrag = notizen.begin(); eintrag != notizen.end(); ++eintrag) {
        // The notes lie scattered over the heap: fetch the next one while
        // this one is searched, or the walk waits on memory most of the time.
        if (const auto naechste = std::next(eintrag); naechste != notizen.end())
            __builtin_prefetch(naechste->second.data());
        if (muster.Finden(eintrag->second) < 0) continue;
        const auto datum = daten.find(eintrag->first);
        if (datum == daten.end()) continue;
        tage.push_back(datum->second);
    }
    std::stable_sort(tage.begin(), tage.end());
    return tage;
}
