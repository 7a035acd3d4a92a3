// The fuzzer's figures are only worth something if its model reproduces the
// known reports and its checks fail for a broken store.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <tuple>

#include "lauf.h"

namespace {

using fuzz::Art;
using fuzz::Befehl;
using modell::Kalendertag;

// The zone stays set for the next test, which sets its own.
void Zone(const char* name) {
    setenv("TZ", name, 1);
    tzset();
}

modell::Notizen Notizen(std::initializer_list<std::pair<Kalendertag, std::string>> liste) {
    modell::Notizen n;
    for (const auto& [tag, text] : liste) n[tag] = {*modell::ErsterMoment(tag), text};
    return n;
}

Befehl Schritt(Art art, TagesFelder felder = {}, std::string text = {}) {
    Befehl b;
    b.art = art;
    b.felder = felder;
    b.text = std::move(text);
    return b;
}

TEST(Modell, BuildsTheAppointmentReportOfTheWorkedExample) {
    Zone("Europe/Berlin");
    const auto notizen = Notizen({
        {{2026, 12, 5}, "[TERMIN] Altpapier"},
        {{2026, 12, 6}, "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr"},
        {{2026, 12, 7}, "[termin]   Friseur 9 Uhr   "},
        {{2026, 12, 8}, "[Termin] Elternabend\r\nKuchen backen"},
        {{2026, 12, 20}, "Weihnachtsfeier"},
        {{2026, 12, 24},
         "[TERMIN] Bescherung 18 Uhr [TERMIN] Kirche\r\n[TERMIN] Christmette 22 Uhr"},
        {{2027, 3, 16}, "[TERMIN] Steuerberater"},
        {{2027, 3, 17}, "[TERMIN] Zeugnisse"},
    });
    EXPECT_EQ(modell::Terminbericht(notizen, {2026, 12, 6}),
              "06. Dez\t2026\tSonn\tHeute\t\tZahnarzt 10 Uhr\r\n"
              "07. Dez\t2026\tMont\tMorgen\t\tFriseur 9 Uhr\r\n"
              "08. Dez\t2026\tDien\t\xDC"
              "bermorgen\tElternabend\r\n"
              "24. Dez\t2026\tDonn\t018\t\tBescherung 18 Uhr [TERMIN] Kirche\r\n"
              "24. Dez\t2026\tDonn\t018\t\tChristmette 22 Uhr\r\n"
              "16. M\xE4r\t2027\tDien\t100\t\tSteuerberater\r\n");
}

TEST(Modell, BuildsTheSearchReportOfTheWorkedExample) {
    Zone("Europe/Berlin");
    const auto notizen = Notizen({
        {{2027, 1, 15}, "Zahnarzt Kontrolle"},
        {{2026, 12, 24}, "[TERMIN] Bescherung 18 Uhr"},
        {{2026, 12, 6}, "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr"},
        {{2026, 12, 8}, "Termin bei der \xC4rztin"},
    });
    EXPECT_EQ(modell::Suchbericht(notizen, "ZAHN"),
              "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n"
              "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr\r\n"
              "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\n"
              "Zahnarzt Kontrolle\r\n");
    EXPECT_EQ(modell::Suchbericht(notizen, "\xE4RZTIN"),
              "==========\tNotiz f\xFCr 08. Dez 2026, Dien\t==========\r\n"
              "Termin bei der \xC4rztin\r\n");
}

TEST(Modell, KnowsTheDaysTheZonesSkipOrStartLate) {
    Zone("America/Sao_Paulo");
    EXPECT_EQ(modell::ErsterMoment({2018, 11, 4}), 1541300400);  // 01:00, midnight skipped
    Zone("Pacific/Apia");
    EXPECT_EQ(modell::ErsterMoment({2011, 12, 30}), std::nullopt);
    EXPECT_NE(modell::ErsterMoment({2011, 12, 31}), std::nullopt);
}

// A store broken behind the checks' back is caught by the next step.
TEST(Lauf, CatchesABrokenStore) {
    Zone("Europe/Berlin");
    const Befehl loeschen = Schritt(Art::Loeschen, {2026, 12, 25});  // a day without a note
    const Befehl termine = Schritt(Art::Termine);
    const Befehl finden = Schritt(Art::Finden, {}, "ZAHN");
    const std::vector<std::tuple<const char*, Befehl, std::function<void(CNotizBuch&)>>> faelle = {
        {"m_mapNotiz holds 1 keys, m_mapDatum 0", loeschen,
         [](CNotizBuch& b) {
             b.m_mapDatum = {};
         }},
        {"the date value of 06.12.2026", loeschen,
         [](CNotizBuch& b) {
             b.m_mapDatum.insert_or_assign("06.12.2026",
                                           b.m_mapDatum.find("06.12.2026")->second + 3600);
         }},
        {"empty text under", loeschen,
         [](CNotizBuch& b) {
             b.m_mapNotiz.insert_or_assign("06.12.2026", "");
         }},
        {"the note of 06.12.2026", loeschen,
         [](CNotizBuch& b) {
             b.m_mapNotiz.insert_or_assign("06.12.2026",
                                           b.m_mapNotiz.find("06.12.2026")->second + "!");
         }},
        {"the store holds 2 notes", loeschen,
         [](CNotizBuch& b) {
             b.m_mapNotiz.insert_or_assign("08.12.2026", "x");
             b.m_mapDatum.insert_or_assign("08.12.2026", 0);
         }},
        {"the editor on 07.12.2026", loeschen,
         [](CNotizBuch& b) {
             b.m_pEditor->TextSetzen("y");
         }},
        {"m_timeHeute is", loeschen,
         [](CNotizBuch& b) {
             b.m_timeHeute += 86400;
         }},
        {"m_timeAktuell is", loeschen,
         [](CNotizBuch& b) {
             b.m_timeAktuell += 86400;
         }},
        // the reports are checked before the store
        {"search report for \"ZAHN\"", finden,
         [](CNotizBuch& b) {
             b.m_mapNotiz.insert_or_assign("06.12.2026",
                                           b.m_mapNotiz.find("06.12.2026")->second + "!");
         }},
        {"appointment report, at line", termine,
         [](CNotizBuch& b) {
             b.m_mapDatum.insert_or_assign("06.12.2026",
                                           b.m_mapDatum.find("06.12.2026")->second + 101 * 86400);
         }},
    };
    for (const auto& [meldung, pruefschritt, brechen] : faelle) {
        fuzz::Lauf lauf;
        lauf.Ausfuehren(Schritt(Art::Editor, {}, "[TERMIN] Zahnarzt"));
        lauf.Ausfuehren(Schritt(Art::Tag, {2026, 12, 7}));
        brechen(lauf.Buch());
        try {
            lauf.Ausfuehren(pruefschritt);
            ADD_FAILURE() << "not caught: " << meldung;
        } catch (const fuzz::Verstoss& verstoss) {
            EXPECT_NE(std::string(verstoss.what()).find(meldung), std::string::npos)
                << verstoss.what();
        }
    }
}

}  // namespace
