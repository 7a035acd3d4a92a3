#include "berichtstage.h"

#include <algorithm>

#include "text1252.h"

void Vorholen(const std::string& text) noexcept {
    constexpr std::size_t kCachezeile = 64;
    for (std::size_t i = 0; i < text.size(); i += kCachezeile) __builtin_prefetch(text.data() + i);
}

std::vector<BerichtsTag> TageMitMuster(const Notizen& notizen,
                                       const CSchluesselMap<Datumswert>& daten,
                                       const text1252::KleinSucher& muster) {
    std::vector<BerichtsTag> tage;
    tage.reserve(muster.Laenge() == 0 ? notizen.size() : 0);  // the empty pattern finds all
    for (auto eintrag = notizen.begin(); eintrag != notizen.end(); ++eintrag) {
        // The empty pattern reads no text: fetching would only crowd the cache.
        if (muster.Laenge() > 0 && notizen.end() - eintrag > kVoraus)
            Vorholen(eintrag[kVoraus].second);
        if (muster.Finden(eintrag->second) < 0) continue;
        // The store changes both maps together, so their entries stand in
        // the same order: the entry at the same place usually holds the key.
        const auto platz = static_cast<std::size_t>(eintrag - notizen.begin());
        auto datum = daten.begin() + static_cast<std::ptrdiff_t>(std::min(platz, daten.size()));
        if (datum == daten.end() || datum->first != eintrag->first)
            datum = daten.find(eintrag->first);
        if (datum == daten.end()) continue;
        tage.push_back({datum->second, eintrag});
    }
    const auto frueher = [](const BerichtsTag& a, const BerichtsTag& b) {
        return a.tag < b.tag;
    };
    // Notes typed day after day stand in date order already; a merge sort
    // would still pass over the list a dozen times.
    if (!std::is_sorted(tage.begin(), tage.end(), frueher))
        std::stable_sort(tage.begin(), tage.end(), frueher);
    return tage;
}

Notizen::const_iterator NotizVon(const Notizen& notizen, const BerichtsTag& tag) {
    const std::string schluessel = datum::Schluessel(tag.tag);
    return tag.eintrag->first == schluessel ? tag.eintrag : notizen.find(schluessel);
}

Tageskopf KopfVon(Datumswert tag) {
    const auto z = datum::Zerlegen(tag);
    if (!z) return {};
    return {z->tag, text1252::Links(datum::MonatName(z->monat), 3), z->jahr,
            text1252::Links(datum::WochentagName(z->wochentag), 4)};
}
