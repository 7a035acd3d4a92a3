#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogtext.h"
#include "notizbuch.h"
#include "orakel.h"
#include "testhilfe.h"

namespace {

// Start-up on Sunday 06.12.2026 at 14:30:00 local time.
Datumswert NikolausNachmittag() {
    const Datumswert heute = Anfang(2026, 12, 6) + 14 * 3600 + 30 * 60;
    const auto tm = orakel::Lokal(heute);
    if (!tm || tm->tm_mday != 6 || tm->tm_hour != 14 || tm->tm_min != 30)
        throw std::logic_error("06.12.2026 14:30 is not 14.5 hours after midnight here");
    return heute;
}

void Beispielnotizen(Tagebuch& t) {
    t.Eintragen(2026, 12, 5, "[TERMIN] Altpapier");
    t.Eintragen(2026, 12, 6, "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr");
    t.Eintragen(2026, 12, 7, "[termin]   Friseur 9 Uhr   ");
    t.Eintragen(2026, 12, 8, "[Termin] Elternabend\r\nKuchen backen");
    t.Eintragen(2026, 12, 20, "Weihnachtsfeier");
    t.Eintragen(2026, 12, 24,
                "[TERMIN] Bescherung 18 Uhr [TERMIN] Kirche\r\n[TERMIN] Christmette 22 Uhr");
    t.Eintragen(2027, 3, 16, "[TERMIN] Steuerberater");
    t.Eintragen(2027, 3, 17, "[TERMIN] Zeugnisse");
}

TEST(Terminbericht, HeuteBisHundertTageVoraus) {
    Tagebuch t(2026, 12, 1);
    Beispielnotizen(t);
    t.buch.m_timeHeute = NikolausNachmittag();
    EXPECT_EQ(t.buch.TermineListe(),
              "06. Dez\t2026\tSonn\tHeute\t\tZahnarzt 10 Uhr\r\n"
              "07. Dez\t2026\tMont\tMorgen\t\tFriseur 9 Uhr\r\n"
              "08. Dez\t2026\tDien\t\xDC" "bermorgen\tElternabend\r\n"
              "24. Dez\t2026\tDonn\t018\t\tBescherung 18 Uhr [TERMIN] Kirche\r\n"
              "24. Dez\t2026\tDonn\t018\t\tChristmette 22 Uhr\r\n"
              "16. M\xE4r\t2027\tDien\t100\t\tSteuerberater\r\n");
}

TEST(Terminbericht, WasEinenTerminAusmachtUndWoSeinTextEndet) {
    Tagebuch t(2026, 12, 1);
    t.Eintragen(2026, 12, 9, "Vormittag\r\n[TERMIN] Ende ohne Zeilenende");
    t.Eintragen(2026, 12, 10, "[TERMIN] eins\nzwei\r\ndrei");
    t.Eintragen(2026, 12, 11, "[TERMIN]\r\nWeiter unten");
    t.Eintragen(2026, 12, 12, "[TERMIN]\t \v\f Trimmen \t\f\v \r\n");
    t.Eintragen(2026, 12, 13, "Text[termin]Arzt [TERMIN] doppelt\r\nx[Termin] \xC4rztin");
    t.Eintragen(2026, 12, 14, "[TERMIN]");
    t.Eintragen(2026, 12, 15, "TERMIN und [TERMIN ohne Klammer\r\n[ TERMIN ]");
    t.buch.m_timeHeute = NikolausNachmittag();
    EXPECT_EQ(t.buch.TermineListe(),
              "09. Dez\t2026\tMitt\t003\t\tEnde ohne Zeilenende\r\n"
              "10. Dez\t2026\tDonn\t004\t\teins\nzwei\r\n"
              "11. Dez\t2026\tFrei\t005\t\t\r\n"
              "12. Dez\t2026\tSams\t006\t\tTrimmen\r\n"
              "13. Dez\t2026\tSonn\t007\t\tArzt [TERMIN] doppelt\r\n"
              "13. Dez\t2026\tSonn\t007\t\t\xC4rztin\r\n"
              "14. Dez\t2026\tMont\t008\t\t\r\n");
}

TEST(Terminbericht, LeerWennNichtsImFensterLiegt) {
    {
        CNotizBuch leer;
        leer.m_timeHeute = NikolausNachmittag();
        EXPECT_EQ(leer.TermineListe(), "");
    }
    Tagebuch t(2026, 12, 1);
    t.buch.m_timeHeute = NikolausNachmittag();
    t.Eintragen(2026, 12, 6, "Nikolaus");
    t.Eintragen(2026, 12, 7, "TERMIN ohne Marke");
    EXPECT_EQ(t.buch.TermineListe(), "");
    t.Eintragen(2026, 12, 5, "[TERMIN] gestern");
    t.Eintragen(2027, 3, 17, "[TERMIN] Tag 101");
    EXPECT_EQ(t.buch.TermineListe(), "");
}

TEST(Terminbericht, NachDemJahr2038WieSonst) {
    Tagebuch t(2038, 1, 1);
    t.Eintragen(2038, 1, 19, "[TERMIN] Nach der Grenze");
    t.Eintragen(2038, 4, 20, "[TERMIN] Hundert");
    t.Eintragen(2038, 4, 21, "[TERMIN] Zu weit");
    t.buch.m_timeHeute = Anfang(2038, 1, 10) + 9 * 3600;
    EXPECT_EQ(t.buch.TermineListe(),
              "19. Jan\t2038\tDien\t009\t\tNach der Grenze\r\n"
              "20. Apr\t2038\tDien\t100\t\tHundert\r\n");

    t.Eintragen(2099, 12, 31, "[TERMIN] Silvester");
    t.Eintragen(2100, 1, 2, "[TERMIN] Neues Jahrhundert");
    t.buch.m_timeHeute = Anfang(2099, 12, 31) + 20 * 3600;
    EXPECT_EQ(t.buch.TermineListe(),
              "31. Dez\t2099\tDonn\tHeute\t\tSilvester\r\n"
              "02. Jan\t2100\tSams\t\xDC" "bermorgen\tNeues Jahrhundert\r\n");
}

TEST(Terminbericht, StartGenauUmMitternachtIstTrotzdemHeute) {
    Tagebuch t(2026, 12, 1);
    t.Eintragen(2026, 12, 6, "[TERMIN] a");
    t.Eintragen(2026, 12, 7, "[TERMIN] b");
    t.Eintragen(2026, 12, 8, "[TERMIN] c");
    t.Eintragen(2026, 12, 9, "[TERMIN] d");
    t.buch.m_timeHeute = Anfang(2026, 12, 6);
    EXPECT_EQ(t.buch.TermineListe(),
              "06. Dez\t2026\tSonn\tHeute\t\ta\r\n"
              "07. Dez\t2026\tMont\tMorgen\t\tb\r\n"
              "08. Dez\t2026\tDien\t\xDC" "bermorgen\tc\r\n"
              "09. Dez\t2026\tMitt\t003\t\td\r\n");
}

TEST(Terminbericht, UnstimmigeMapsUndUnzerlegbareWerteGebenKeineZeile) {
    CNotizBuch buch;
    buch.m_timeHeute = NikolausNachmittag();
    buch.m_mapNotiz["07.12.2026"] = "[TERMIN] ohne Datum";
    buch.m_mapNotiz["08.12.2026"] = "[TERMIN] unter fremdem Datum";
    buch.m_mapDatum["08.12.2026"] = Anfang(2026, 12, 9);
    buch.m_mapNotiz[""] = "[TERMIN] jenseits aller Jahre";
    buch.m_mapDatum[""] = std::numeric_limits<Datumswert>::max();
    EXPECT_EQ(buch.TermineListe(), "");
}

TEST(Terminbericht, BerichteAendernDasNotizbuchNicht) {
    Tagebuch t(2026, 12, 1);
    Beispielnotizen(t);
    t.buch.m_timeHeute = NikolausNachmittag();
    t.editor.text = "Getippt, noch nicht gespeichert [TERMIN] Zahn";
    const auto notizen = t.buch.m_mapNotiz;
    const auto daten = t.buch.m_mapDatum;
    const Datumswert aktuell = t.buch.m_timeAktuell;
    const int gesetzt = t.editor.gesetzt;

    const std::string termine = t.buch.TermineListe();
    g_strDialogText = "Getippt";
    EXPECT_EQ(t.buch.NotizenFinden(), "");  // the editor's text is not filed yet
    g_strDialogText = "";
    (void)t.buch.NotizenFinden();

    EXPECT_EQ(t.buch.m_mapNotiz, notizen);
    EXPECT_EQ(t.buch.m_mapDatum, daten);
    EXPECT_EQ(t.buch.m_timeAktuell, aktuell);
    EXPECT_EQ(t.buch.m_timeHeute, NikolausNachmittag());
    EXPECT_EQ(t.editor.text, "Getippt, noch nicht gespeichert [TERMIN] Zahn");
    EXPECT_EQ(t.editor.gesetzt, gesetzt);
    EXPECT_EQ(t.buch.TermineListe(), termine);
}

// The label counts calendar days from the start-up day, whatever the time
// of start-up and whatever clock changes lie in between. Walked over every
// day of spans with daylight-saving changes (and the zones' other oddities),
// with start-up at several moments of each day.

std::string ErwarteteZeile(std::int64_t tag, std::int64_t abstand) {
    const orakel::Datum d = orakel::AusTagesnummer(tag);
    char kopf[64];
    std::snprintf(kopf, sizeof kopf, "%02d. %.3s\t%d\t%.4s\t", d.tag, orakel::kMonate[d.monat - 1],
                  d.jahr, orakel::kWochentage[orakel::Wochentag(tag)]);
    std::string spalte;
    if (abstand == 0) {
        spalte = "Heute\t\t";
    } else if (abstand == 1) {
        spalte = "Morgen\t\t";
    } else if (abstand == 2) {
        spalte = "\xDC" "bermorgen\t";
    } else {
        char zahl[16];
        std::snprintf(zahl, sizeof zahl, "%03d\t\t", static_cast<int>(abstand));
        spalte = zahl;
    }
    return kopf + spalte + orakel::Schluessel(tag) + "\r\n";
}

// The last second of the old offset, when the offset changes in [von, bis).
std::optional<std::int64_t> Umstellung(std::int64_t von, std::int64_t bis) {
    const long vorher = orakel::Versatz(von);
    if (orakel::Versatz(bis - 1) == vorher) return std::nullopt;
    std::int64_t lo = von, hi = bis - 1;
    while (hi - lo > 1) {
        const std::int64_t m = lo + (hi - lo) / 2;
        (orakel::Versatz(m) == vorher ? lo : hi) = m;
    }
    return lo;
}

TEST(Terminbericht, TageszaehlungUeberJedeUmstellung) {
    struct Spanne {
        int jahr, monat, tag, bisJahr, bisMonat, bisTag;
    };
    const Spanne spannen[] = {{1994, 10, 1, 1995, 1, 31},
                              {2011, 3, 1, 2012, 4, 30},
                              {2017, 8, 1, 2018, 3, 31}};
    int berichte = 0, mitUmstellung = 0;
    int fehler = 0;
    for (const Spanne& s : spannen) {
        const std::int64_t von = orakel::Tagesnummer(s.jahr, s.monat, s.tag);
        const std::int64_t bis = orakel::Tagesnummer(s.bisJahr, s.bisMonat, s.bisTag);
        std::map<std::int64_t, orakel::Anfang> anfaenge;  // days that exist
        for (std::int64_t n = von - 3; n <= bis + 104; ++n)
            if (auto a = orakel::TagesAnfang(n)) anfaenge.emplace(n, *a);

        for (std::int64_t h = von; h <= bis; ++h) {
            const auto it = anfaenge.find(h);
            if (it == anfaenge.end()) continue;
            const std::int64_t anfang = it->second.wert;
            const std::int64_t ende = std::next(it)->second.wert;

            // Notes on the day before the window, through the day after it.
            CNotizBuch buch;
            for (auto n = anfaenge.lower_bound(h - 2); n != anfaenge.end() && n->first <= h + 102; ++n) {
                const std::string schluessel = orakel::Schluessel(n->first);
                buch.m_mapNotiz[schluessel] = "Erledigen:\r\n[TERMIN] " + schluessel;
                buch.m_mapDatum[schluessel] = n->second.wert;
            }

            std::vector<std::int64_t> momente = {anfang, anfang + (ende - anfang) / 2, ende - 1};
            if (auto u = Umstellung(anfang, ende)) {
                momente.push_back(*u);
                momente.push_back(*u + 1);
                ++mitUmstellung;
            }
            for (std::int64_t heute : momente) {
                const std::int64_t heuteTag = *orakel::LokalerTag(heute);
                std::string erwartet;
                for (auto n = anfaenge.lower_bound(heuteTag); n != anfaenge.end() && n->first <= heuteTag + 100; ++n)
                    erwartet += ErwarteteZeile(n->first, n->first - heuteTag);

                buch.m_timeHeute = heute;
                const std::string ist = buch.TermineListe();
                ++berichte;
                if (ist != erwartet && ++fehler <= 5) {
                    ADD_FAILURE() << "start-up at " << heute << " (" << orakel::Schluessel(heuteTag)
                                  << ", offset " << orakel::Versatz(heute) << " s)\n--- got:\n"
                                  << ist.substr(0, 400) << "\n--- expected:\n" << erwartet.substr(0, 400);
                }
            }
        }
    }
    EXPECT_EQ(fehler, 0) << "reports wrong of " << berichte;
    RecordProperty("reports", berichte);
    RecordProperty("days_with_clock_change", mitUmstellung);
}

}  // namespace
