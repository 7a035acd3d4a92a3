// Every day of long spans, in this run's zone, against the oracle's first
// instant of the day; in order, then shuffled among foreign times of day,
// where a conversion that remembers anything between calls shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "fehler.h"
#include "notizbuch.h"
#include "orakel.h"

namespace {

struct Tag {
    orakel::Datum datum;
    std::optional<Datumswert> anfang;
};

// 1900..2100 whole, then a leap century, the old runtime's last year and
// the very last one.
const std::vector<Tag>& AlleTage() {
    static const std::vector<Tag> tage = [] {
        std::vector<Tag> v;
        for (auto [von, bis] : {std::pair{1900, 2100}, {2400, 2400}, {3000, 3001}, {9999, 9999}})
            for (auto n = orakel::Tagesnummer({von, 1, 1}); n <= orakel::Tagesnummer({bis, 12, 31});
                 ++n)
                v.push_back(
                    {orakel::AusTagesnummer(n), orakel::TagesAnfang(orakel::AusTagesnummer(n))});
        return v;
    }();
    return tage;
}

std::optional<Datumswert> Umwandeln(const orakel::Datum& d, std::uint16_t stunde = 0) {
    try {
        return datum::AusFeldern({std::uint16_t(d.jahr), std::uint16_t(d.monat),
                                  std::uint16_t(d.tag), stunde, std::uint16_t(stunde ? 30 : 0)});
    } catch (const CFalscherParameter&) {
        return std::nullopt;
    }
}

// A wrong conversion tends to be wrong on thousands of days: name a few.
struct Abweichungen {
    int anzahl = 0;
    void operator()(const Tag& tag, const std::string& was) {
        if (++anzahl <= 10) ADD_FAILURE() << orakel::Schluessel(tag.datum) << ": " << was;
    }
    ~Abweichungen() { EXPECT_EQ(anzahl, 0) << "days wrong in all"; }
};

void Vergleichen(const Tag& tag, Abweichungen& abw) {
    auto text = [](std::optional<Datumswert> w) {
        return w ? std::to_string(*w) + " (" + datum::Schluessel(*w) + ")" : "the error";
    };
    if (const auto ist = Umwandeln(tag.datum); ist != tag.anfang)
        abw(tag, "got " + text(ist) + ", expected " + text(tag.anfang));
}

TEST(Tageslauf, JederTagSeinErsterAugenblickMitSchluesselUndNamen) {
    Abweichungen abw;
    CNotizBuch buch;
    for (const Tag& tag : AlleTage()) {
        Vergleichen(tag, abw);
        if (!tag.anfang) continue;
        const Datumswert wert = *tag.anfang;
        const orakel::Datum& d = tag.datum;
        if (datum::Schluessel(wert) != orakel::Schluessel(d) ||
            datum::TagDesMonats(wert) != d.tag || datum::Jahr(wert) != d.jahr ||
            buch.WochentagName(wert) !=
                orakel::kWochentage[orakel::Wochentag(orakel::Tagesnummer(d))] ||
            buch.MonatName(wert) != orakel::kMonate[d.monat - 1])
            abw(tag, "named " + datum::Schluessel(wert) + " " + buch.WochentagName(wert) + " " +
                         buch.MonatName(wert));
    }
}

TEST(Tageslauf, DurcheinanderNachFremdenUhrzeitenDieselbenWerte) {
    // Before each day, another day at 02:30, which lies in many a gap or
    // repeated hour, to stir up any hidden state.
    std::vector<Tag> tage = AlleTage();
    std::mt19937 zufall(20261206);
    std::shuffle(tage.begin(), tage.end(), zufall);
    Abweichungen abw;
    for (const Tag& tag : tage) {
        (void)Umwandeln(tage[zufall() % tage.size()].datum, 2);
        Vergleichen(tag, abw);
    }
}

}  // namespace
