// What the report scenarios cannot show: the appointment report's day count
// on every day around every clock change of the zone, and maps out of step.

#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "dialogtext.h"
#include "notizbuch.h"
#include "orakel.h"

namespace {

// Calendar days from the start-up day, whatever its time and whatever clock
// changes lie between. Every day of spans with the zones' changes (and left
// out days), started at its first and last second, its middle and either
// side of a change; notes from the day before the window to the one after.
TEST(Terminbericht, ZaehltKalendertageUeberJedeUmstellung) {
    int falsch = 0;
    for (auto [von, bis] : {std::pair{orakel::Datum{1994, 10, 1}, orakel::Datum{1995, 1, 31}},
                            {{2011, 3, 1}, {2012, 4, 30}},
                            {{2017, 8, 1}, {2018, 3, 31}}}) {
        std::map<std::int64_t, std::int64_t> anfaenge;  // the days that exist
        for (auto n = orakel::Tagesnummer(von) - 3; n <= orakel::Tagesnummer(bis) + 104; ++n)
            if (const auto a = orakel::TagesAnfang(orakel::AusTagesnummer(n)))
                anfaenge.emplace(n, *a);

        for (auto tag = anfaenge.lower_bound(orakel::Tagesnummer(von));
             tag->first <= orakel::Tagesnummer(bis); ++tag) {
            CNotizBuch buch;
            for (auto n = anfaenge.lower_bound(tag->first - 2); n->first <= tag->first + 102; ++n) {
                const std::string schluessel = orakel::Schluessel(orakel::AusTagesnummer(n->first));
                buch.m_mapNotiz.insert_or_assign(schluessel,
                                                 "Erledigen:\r\n[TERMIN] " + schluessel);
                buch.m_mapDatum.insert_or_assign(schluessel, n->second);
            }
            const std::int64_t anfang = tag->second, ende = std::next(tag)->second;
            std::vector<std::int64_t> momente = {anfang, anfang + (ende - anfang) / 2, ende - 1};
            if (orakel::Versatz(anfang) != orakel::Versatz(ende - 1)) {
                const std::int64_t u = orakel::Umstellung(anfang, ende - 1);
                momente.insert(momente.end(), {u, u + 1});
            }
            for (const std::int64_t heute : momente) {
                const std::int64_t heuteTag = orakel::Tagesnummer(*orakel::LokalesDatum(heute));
                std::string erwartet;
                for (auto n = anfaenge.lower_bound(heuteTag); n->first <= heuteTag + 100; ++n) {
                    const orakel::Datum d = orakel::AusTagesnummer(n->first);
                    erwartet += orakel::Terminzeile(d, n->first - heuteTag, orakel::Schluessel(d));
                }
                buch.m_timeHeute = heute;
                const std::string ist = buch.TermineListe();
                if (ist != erwartet && ++falsch <= 5)
                    ADD_FAILURE() << "start-up at " << heute << ": "
                                  << orakel::Unterschied(ist, erwartet);
            }
        }
    }
    EXPECT_EQ(falsch, 0) << "reports wrong";
}

// Out of step the maps leave a note out; a value beyond any year gets a
// header with zeros and empty names. Neither may bring a report down.
TEST(Berichte, UnstimmigeMapsUndUnzerlegbareWerte) {
    CNotizBuch buch;
    buch.m_timeHeute = *orakel::TagesAnfang({2026, 12, 6}) + 52200;
    buch.m_mapNotiz.insert_or_assign("07.12.2026", "[TERMIN] Zahn ohne Datum");
    buch.m_mapNotiz.insert_or_assign("08.12.2026", "[TERMIN] Zahn unter fremdem Datum");
    buch.m_mapDatum.insert_or_assign("08.12.2026", *orakel::TagesAnfang({2026, 12, 9}));
    buch.m_mapDatum.insert_or_assign("09.12.2026", *orakel::TagesAnfang({2026, 12, 9}));
    buch.m_mapNotiz.insert_or_assign("", "[TERMIN] Zahn jenseits aller Jahre");
    buch.m_mapDatum.insert_or_assign("", std::numeric_limits<Datumswert>::max());
    g_strDialogText = "ZAHN";
    EXPECT_EQ(
        buch.NotizenFinden(),
        "==========\tNotiz f\xFCr 00.  0, \t==========\r\n[TERMIN] Zahn jenseits aller Jahre\r\n");
    EXPECT_EQ(buch.TermineListe(), "");
}

}  // namespace
