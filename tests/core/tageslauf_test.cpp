// Every day of long spans, in whatever zone this run is in, against the
// first instant of the day as localtime_r reveals it. Walked in several
// orders: a conversion that remembers anything between calls shows here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "datum.h"
#include "fehler.h"
#include "orakel.h"
#include "zonen.h"

namespace {

struct Tag {
    std::int64_t nummer;
    std::optional<orakel::Anfang> anfang;
};

const std::vector<Tag>& AlleTage() {
    static const std::vector<Tag> tage = [] {
        struct Spanne {
            int vonJahr, bisJahr;
        };
        // 1900..2100 whole, then a leap century, the old runtime's last year
        // and the very last one.
        const Spanne spannen[] = {{1900, 2100}, {2400, 2400}, {3000, 3001}, {9999, 9999}};
        std::vector<Tag> v;
        for (const Spanne& s : spannen) {
            const std::int64_t bis = orakel::Tagesnummer(s.bisJahr, 12, 31);
            for (std::int64_t n = orakel::Tagesnummer(s.vonJahr, 1, 1); n <= bis; ++n)
                v.push_back({n, orakel::TagesAnfang(n)});
        }
        return v;
    }();
    return tage;
}

TagesFelder FelderVon(std::int64_t nummer, int stunde = 0, int minute = 0, int sekunde = 0) {
    const orakel::Datum d = orakel::AusTagesnummer(nummer);
    TagesFelder f;
    f.jahr = static_cast<std::uint16_t>(d.jahr);
    f.monat = static_cast<std::uint16_t>(d.monat);
    f.tag = static_cast<std::uint16_t>(d.tag);
    f.stunde = static_cast<std::uint16_t>(stunde);
    f.minute = static_cast<std::uint16_t>(minute);
    f.sekunde = static_cast<std::uint16_t>(sekunde);
    return f;
}

// A wrong conversion tends to be wrong on thousands of days: name the first
// few, then count.
class Abweichungen {
public:
    ~Abweichungen() {
        if (anzahl_ > kGezeigt) ADD_FAILURE() << anzahl_ << " days wrong in all";
    }
    void Melden(const std::string& was) {
        if (++anzahl_ <= kGezeigt) ADD_FAILURE() << was;
    }

private:
    static constexpr int kGezeigt = 15;
    int anzahl_ = 0;
};

std::optional<Datumswert> Umwandeln(const TagesFelder& f) {
    try {
        return datum::AusFeldern(f);
    } catch (const CFalscherParameter&) {
        return std::nullopt;
    }
}

std::string Beschreiben(std::optional<Datumswert> wert) {
    if (!wert) return "the invalid-argument error";
    std::ostringstream s;
    s << *wert << " (" << datum::Schluessel(*wert) << ")";
    return s.str();
}

// Converts one day and compares it with its first instant.
void Pruefen(const Tag& tag, Abweichungen& abw, const char* wie) {
    const std::optional<Datumswert> ist = Umwandeln(FelderVon(tag.nummer));
    const std::optional<Datumswert> soll =
        tag.anfang ? std::optional<Datumswert>(tag.anfang->wert) : std::nullopt;
    if (ist != soll)
        abw.Melden(orakel::Schluessel(tag.nummer) + " " + wie + ": got " + Beschreiben(ist) +
                   ", expected " + Beschreiben(soll));
}

TEST(Tageslauf, VorwaertsIstJederTagSeinErsterAugenblick) {
    Abweichungen abw;
    for (const Tag& tag : AlleTage()) {
        Pruefen(tag, abw, "forwards");
        if (!tag.anfang) continue;
        // The value must name its day, with a four-digit year.
        const Datumswert wert = tag.anfang->wert;
        const orakel::Datum d = orakel::AusTagesnummer(tag.nummer);
        if (datum::Schluessel(wert) != orakel::Schluessel(tag.nummer) ||
            datum::TagDesMonats(wert) != d.tag || datum::Jahr(wert) != d.jahr)
            abw.Melden(orakel::Schluessel(tag.nummer) + ": first instant " + std::to_string(wert) +
                       " has key " + datum::Schluessel(wert));
    }
}

TEST(Tageslauf, RueckwaertsDieselbenWerte) {
    Abweichungen abw;
    const auto& tage = AlleTage();
    for (auto it = tage.rbegin(); it != tage.rend(); ++it) Pruefen(*it, abw, "backwards");
}

TEST(Tageslauf, DurcheinanderUndNachFremdenUhrzeitenDieselbenWerte) {
    // Before each day, a conversion of another day at an awkward hour (02:30
    // lies in many a gap or repeated hour) to stir up any hidden state.
    const auto& tage = AlleTage();
    std::vector<std::size_t> reihe(tage.size());
    for (std::size_t i = 0; i < reihe.size(); ++i) reihe[i] = i;
    std::mt19937 zufall(20261206);
    std::shuffle(reihe.begin(), reihe.end(), zufall);
    std::uniform_int_distribution<std::size_t> irgendeiner(0, tage.size() - 1);

    Abweichungen abw;
    for (std::size_t i : reihe) {
        (void)Umwandeln(FelderVon(tage[irgendeiner(zufall)].nummer, 2, 30));
        Pruefen(tage[i], abw, "shuffled");
    }
}

TEST(Tageslauf, UhrzeitenImTag) {
    Abweichungen abw;
    for (const Tag& tag : AlleTage()) {
        if (!tag.anfang || tag.anfang->mitternachtDoppelt) continue;
        const Datumswert anfang = tag.anfang->wert;
        if (tag.anfang->mitternachtFehlt) {
            // The last second of the gap still gives the first moment after it.
            const auto nachher = orakel::Lokal(anfang);
            const int s = nachher->tm_hour * 3600 + nachher->tm_min * 60 + nachher->tm_sec - 1;
            const auto ist = Umwandeln(FelderVon(tag.nummer, s / 3600, s / 60 % 60, s % 60));
            if (ist != anfang)
                abw.Melden(orakel::Schluessel(tag.nummer) + " in the gap: got " + Beschreiben(ist) +
                           ", expected " + std::to_string(anfang));
            continue;
        }
        // An ordinary day: 12:34:56 lies that far after midnight.
        if (tag.nummer % 5 != 0) continue;
        if (orakel::Versatz(anfang) != orakel::Versatz(anfang + 86399)) continue;
        const auto ist = Umwandeln(FelderVon(tag.nummer, 12, 34, 56));
        if (ist != anfang + 45296)
            abw.Melden(orakel::Schluessel(tag.nummer) + " 12:34:56: got " + Beschreiben(ist) +
                       ", expected " + std::to_string(anfang + 45296));
    }
}

TEST(Tageslauf, DieZonendatenKennenDieseTage) {
    const zonen::Zone* zone = zonen::Aktuelle();
    if (!zone) GTEST_SKIP() << "not started for one of the test zones";
    for (const zonen::Merkpunkt& m : zone->merkpunkte) {
        SCOPED_TRACE(orakel::Schluessel(orakel::Tagesnummer(m.jahr, m.monat, m.tag)));
        TagesFelder f;
        f.jahr = static_cast<std::uint16_t>(m.jahr);
        f.monat = static_cast<std::uint16_t>(m.monat);
        f.tag = static_cast<std::uint16_t>(m.tag);
        const auto anfang = orakel::TagesAnfang(m.jahr, m.monat, m.tag);
        EXPECT_EQ(anfang ? std::optional<long long>(anfang->wert) : std::nullopt, m.wert)
            << "the test's own reckoning disagrees with the zone data";
        EXPECT_EQ(Umwandeln(f), m.wert);
    }
}

TEST(Tageslauf, DerLaufTrifftDieSchwierigenTageDerZone) {
    const zonen::Zone* zone = zonen::Aktuelle();
    if (!zone) GTEST_SKIP() << "not started for one of the test zones";
    int fehlend = 0;
    bool uebersprungen = false, doppelt = false;
    for (const Tag& tag : AlleTage()) {
        if (!tag.anfang) {
            ++fehlend;
            continue;
        }
        uebersprungen |= tag.anfang->mitternachtFehlt;
        doppelt |= tag.anfang->mitternachtDoppelt;
    }
    EXPECT_EQ(fehlend, zone->fehlendeTage);
    EXPECT_EQ(uebersprungen, zone->uebersprungeneMitternacht);
    EXPECT_EQ(doppelt, zone->doppelteMitternacht);
}

}  // namespace
