// Every day of long spans, in the zone this run is in, against the first
// instant of the day as the oracle finds it. Walked forwards, backwards and
// shuffled: a conversion that remembers anything between calls shows here.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "fehler.h"
#include "notizbuch.h"
#include "orakel.h"

namespace {

struct Tag {
    std::int64_t nummer;
    std::optional<Datumswert> anfang;
};

// 1900..2100 whole, then a leap century, the old runtime's last year and
// the very last one.
const std::vector<Tag>& AlleTage() {
    static const std::vector<Tag> tage = [] {
        std::vector<Tag> v;
        for (auto [von, bis] : {std::pair{1900, 2100}, {2400, 2400}, {3000, 3001}, {9999, 9999}})
            for (auto n = orakel::Tagesnummer(von, 1, 1); n <= orakel::Tagesnummer(bis, 12, 31);
                 ++n)
                v.push_back({n, orakel::TagesAnfang(n)});
        return v;
    }();
    return tage;
}

std::optional<Datumswert> Umwandeln(std::int64_t n, std::uint16_t stunde = 0,
                                    std::uint16_t minute = 0) {
    const auto [jahr, monat, tag] = orakel::AusTagesnummer(n);
    try {
        return datum::AusFeldern(
            {std::uint16_t(jahr), std::uint16_t(monat), std::uint16_t(tag), stunde, minute});
    } catch (const CFalscherParameter&) {
        return std::nullopt;
    }
}

std::string Text(std::optional<Datumswert> wert) {
    return wert ? std::to_string(*wert) + " (" + datum::Schluessel(*wert) + ")" : "the error";
}

// A wrong conversion tends to be wrong on thousands of days: name a few.
struct Abweichungen {
    int anzahl = 0;
    void operator()(std::int64_t tag, const std::string& was) {
        if (++anzahl <= 10) ADD_FAILURE() << orakel::Schluessel(tag) << ": " << was;
    }
    ~Abweichungen() { EXPECT_EQ(anzahl, 0) << "days wrong in all"; }
};

void Vergleichen(const Tag& tag, Abweichungen& abw) {
    if (const auto ist = Umwandeln(tag.nummer); ist != tag.anfang)
        abw(tag.nummer, "got " + Text(ist) + ", expected " + Text(tag.anfang));
}

TEST(Tageslauf, VorwaertsJederTagSeinErsterAugenblickMitSchluesselUndNamen) {
    Abweichungen abw;
    CNotizBuch buch;
    for (const Tag& tag : AlleTage()) {
        Vergleichen(tag, abw);
        if (!tag.anfang) continue;
        const Datumswert wert = *tag.anfang;
        const orakel::Datum d = orakel::AusTagesnummer(tag.nummer);
        if (datum::Schluessel(wert) != orakel::Schluessel(tag.nummer) ||
            datum::TagDesMonats(wert) != d.tag || datum::Jahr(wert) != d.jahr ||
            buch.WochentagName(wert) != orakel::kWochentage[orakel::Wochentag(tag.nummer)] ||
            buch.MonatName(wert) != orakel::kMonate[d.monat - 1])
            abw(tag.nummer, "named " + datum::Schluessel(wert) + " " + buch.WochentagName(wert) +
                                " " + buch.MonatName(wert));
    }
}

TEST(Tageslauf, RueckwaertsDieselbenWerte) {
    Abweichungen abw;
    for (auto it = AlleTage().rbegin(); it != AlleTage().rend(); ++it) Vergleichen(*it, abw);
}

TEST(Tageslauf, DurcheinanderNachFremdenUhrzeitenDieselbenWerte) {
    // Before each day, another day at 02:30, which lies in many a gap or
    // repeated hour, to stir up any hidden state.
    const auto& tage = AlleTage();
    std::vector<std::size_t> reihe(tage.size());
    for (std::size_t i = 0; i < reihe.size(); ++i) reihe[i] = i;
    std::mt19937 zufall(20261206);
    std::shuffle(reihe.begin(), reihe.end(), zufall);
    Abweichungen abw;
    for (std::size_t i : reihe) {
        (void)Umwandeln(tage[zufall() % tage.size()].nummer, 2, 30);
        Vergleichen(tage[i], abw);
    }
}

// Fields that name no real day or time, and days outside 1900..9999, raise
// rather than roll over into another day's key.
TEST(Datum, UngueltigeFelderWerfenDenParameterfehler) {
    for (const TagesFelder& f : std::initializer_list<TagesFelder>{{1899, 12, 31},
                                                                   {0, 0, 0},
                                                                   {10000, 1, 1},
                                                                   {65535, 12, 31},
                                                                   {2026, 2, 29},
                                                                   {1900, 2, 29},
                                                                   {2026, 4, 31},
                                                                   {2026, 0, 15},
                                                                   {2026, 13, 1},
                                                                   {2026, 12, 0},
                                                                   {2026, 12, 32},
                                                                   {2026, 12, 6, 24},
                                                                   {2026, 12, 6, 0, 60},
                                                                   {2026, 12, 6, 0, 0, 60}}) {
        EXPECT_THROW(datum::AusFeldern(f), CFalscherParameter)
            << f.jahr << "-" << f.monat << "-" << f.tag << " " << f.stunde << ":" << f.minute << ":"
            << f.sekunde;
    }
}

}  // namespace
