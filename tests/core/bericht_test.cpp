// What the report scenarios cannot show: the appointment report's day count
// on every day around every clock change of the zone, that no report
// touches the store, and maps out of step.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>

#include "dialogtext.h"
#include "notizbuch.h"
#include "orakel.h"

namespace {

std::string ErwarteteZeile(std::int64_t tag, std::int64_t abstand) {
    const orakel::Datum d = orakel::AusTagesnummer(tag);
    const char* const namen[] = {"Heute\t\t", "Morgen\t\t",
                                 "\xDC"
                                 "bermorgen\t"};
    char zahl[16], zeile[96];
    std::snprintf(zahl, sizeof zahl, "%03d\t\t", static_cast<int>(abstand));
    std::snprintf(zeile, sizeof zeile, "%02d. %.3s\t%d\t%.4s\t%s", d.tag,
                  orakel::kMonate[d.monat - 1], d.jahr, orakel::kWochentage[orakel::Wochentag(tag)],
                  abstand < 3 ? namen[abstand] : zahl);
    return zeile + orakel::Schluessel(tag) + "\r\n";
}

// Calendar days from the start-up day, whatever its time and whatever clock
// changes lie between. Every day of spans with the zones' changes (and left
// out days), started at its first and last second, its middle and either
// side of a change; notes from the day before the window to the one after.
TEST(Terminbericht, ZaehltKalendertageUeberJedeUmstellung) {
    int falsch = 0;
    for (auto [von, bis] :
         {std::pair{orakel::Tagesnummer(1994, 10, 1), orakel::Tagesnummer(1995, 1, 31)},
          {orakel::Tagesnummer(2011, 3, 1), orakel::Tagesnummer(2012, 4, 30)},
          {orakel::Tagesnummer(2017, 8, 1), orakel::Tagesnummer(2018, 3, 31)}}) {
        std::map<std::int64_t, std::int64_t> anfaenge;  // the days that exist
        for (std::int64_t n = von - 3; n <= bis + 104; ++n)
            if (const auto a = orakel::TagesAnfang(n)) anfaenge.emplace(n, *a);

        for (auto tag = anfaenge.lower_bound(von); tag->first <= bis; ++tag) {
            CNotizBuch buch;
            for (auto n = anfaenge.lower_bound(tag->first - 2); n->first <= tag->first + 102; ++n) {
                const std::string schluessel = orakel::Schluessel(n->first);
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
                const std::int64_t heuteTag = orakel::LokalerTag(heute);
                std::string erwartet;
                for (auto n = anfaenge.lower_bound(heuteTag); n->first <= heuteTag + 100; ++n)
                    erwartet += ErwarteteZeile(n->first, n->first - heuteTag);
                buch.m_timeHeute = heute;
                const std::string ist = buch.TermineListe();
                if (ist != erwartet && ++falsch <= 5)
                    ADD_FAILURE() << "start-up at " << heute << " (" << orakel::Schluessel(heuteTag)
                                  << ")\n--- got:\n"
                                  << ist.substr(0, 300) << "\n--- expected:\n"
                                  << erwartet.substr(0, 300);
            }
        }
    }
    EXPECT_EQ(falsch, 0) << "reports wrong";
}

TEST(Berichte, AendernDasNotizbuchNicht) {
    CNotizBuch buch;
    for (int tag : {6, 15, 24}) {
        const std::string schluessel = orakel::Schluessel(orakel::Tagesnummer(2026, 12, tag));
        buch.m_mapNotiz.insert_or_assign(
            schluessel, "Zahn\r\n[TERMIN] \xC4rztin " + schluessel + " [termin]   ");
        buch.m_mapDatum.insert_or_assign(schluessel, orakel::ErsterAugenblick(2026, 12, tag));
    }
    buch.m_timeAktuell = buch.m_timeHeute = orakel::ErsterAugenblick(2026, 12, 7);
    const CNotizBuch vorher = buch;
    EXPECT_NE(buch.TermineListe(), "");
    for (const char* begriff : {"\xC4RZTIN", ""}) {
        g_strDialogText = begriff;
        EXPECT_NE(buch.NotizenFinden(), "");
    }
    EXPECT_TRUE(std::equal(buch.m_mapNotiz.begin(), buch.m_mapNotiz.end(),
                           vorher.m_mapNotiz.begin(), vorher.m_mapNotiz.end()));
    EXPECT_TRUE(std::equal(buch.m_mapDatum.begin(), buch.m_mapDatum.end(),
                           vorher.m_mapDatum.begin(), vorher.m_mapDatum.end()));
    EXPECT_EQ(buch.m_timeAktuell, vorher.m_timeAktuell);
    EXPECT_EQ(buch.m_timeHeute, vorher.m_timeHeute);
}

// Out of step the maps leave a note out; a value beyond any year gets a
// header with zeros and empty names. Neither may bring a report down.
TEST(Berichte, UnstimmigeMapsUndUnzerlegbareWerte) {
    CNotizBuch buch;
    buch.m_timeHeute = orakel::ErsterAugenblick(2026, 12, 6) + 52200;
    buch.m_mapNotiz.insert_or_assign("07.12.2026", "[TERMIN] Zahn ohne Datum");
    buch.m_mapNotiz.insert_or_assign("08.12.2026", "[TERMIN] Zahn unter fremdem Datum");
    buch.m_mapDatum.insert_or_assign("08.12.2026", orakel::ErsterAugenblick(2026, 12, 9));
    buch.m_mapDatum.insert_or_assign("09.12.2026", orakel::ErsterAugenblick(2026, 12, 9));
    buch.m_mapNotiz.insert_or_assign("", "[TERMIN] Zahn jenseits aller Jahre");
    buch.m_mapDatum.insert_or_assign("", std::numeric_limits<Datumswert>::max());
    g_strDialogText = "ZAHN";
    EXPECT_EQ(
        buch.NotizenFinden(),
        "==========\tNotiz f\xFCr 00.  0, \t==========\r\n[TERMIN] Zahn jenseits aller Jahre\r\n");
    EXPECT_EQ(buch.TermineListe(), "");
}

}  // namespace
