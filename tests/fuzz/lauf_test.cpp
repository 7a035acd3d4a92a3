// The fuzzer's checks are only worth its figures if they hold for a sound
// store and fail for a broken one: this pins both down.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "befehle.h"
#include "lauf.h"
#include "maskierung.h"
#include "modell.h"
#include "szenariozeile.h"

namespace {

using fuzz::Art;
using fuzz::Befehl;
using modell::Kalendertag;

class Zone {
public:
    explicit Zone(const char* name) {
        if (const char* alt = std::getenv("TZ")) m_alt = alt;
        setenv("TZ", name, 1);
        tzset();
    }
    ~Zone() {
        if (m_alt) setenv("TZ", m_alt->c_str(), 1); else unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_alt;
};

constexpr const char* kZonen[] = {"Europe/Berlin", "America/Sao_Paulo", "Pacific/Apia"};

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
    Zone zone("Europe/Berlin");
    const auto notizen = Notizen({
        {{2026, 12, 5}, "[TERMIN] Altpapier"},
        {{2026, 12, 6}, "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr"},
        {{2026, 12, 7}, "[termin]   Friseur 9 Uhr   "},
        {{2026, 12, 8}, "[Termin] Elternabend\r\nKuchen backen"},
        {{2026, 12, 20}, "Weihnachtsfeier"},
        {{2026, 12, 24}, "[TERMIN] Bescherung 18 Uhr [TERMIN] Kirche\r\n[TERMIN] Christmette 22 Uhr"},
        {{2027, 3, 16}, "[TERMIN] Steuerberater"},
        {{2027, 3, 17}, "[TERMIN] Zeugnisse"},
    });
    const std::string bericht = modell::Terminbericht(notizen, {2026, 12, 6});
    EXPECT_EQ(bericht,
              "06. Dez\t2026\tSonn\tHeute\t\tZahnarzt 10 Uhr\r\n"
              "07. Dez\t2026\tMont\tMorgen\t\tFriseur 9 Uhr\r\n"
              "08. Dez\t2026\tDien\t\xDC" "bermorgen\tElternabend\r\n"
              "24. Dez\t2026\tDonn\t018\t\tBescherung 18 Uhr [TERMIN] Kirche\r\n"
              "24. Dez\t2026\tDonn\t018\t\tChristmette 22 Uhr\r\n"
              "16. M\xE4r\t2027\tDien\t100\t\tSteuerberater\r\n");
    EXPECT_EQ(modell::TerminzeilenPruefen(bericht, notizen, {2026, 12, 6}), "");
}

TEST(Modell, BuildsTheSearchReportOfTheWorkedExample) {
    Zone zone("Europe/Berlin");
    const auto notizen = Notizen({
        {{2027, 1, 15}, "Zahnarzt Kontrolle"},
        {{2026, 12, 24}, "[TERMIN] Bescherung 18 Uhr"},
        {{2026, 12, 6}, "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr"},
    });
    EXPECT_EQ(modell::Suchbericht(notizen, "ZAHN"),
              "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n"
              "Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr\r\n"
              "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\n"
              "Zahnarzt Kontrolle\r\n");
    const auto aerztin = Notizen({{{2026, 12, 8}, "Termin bei der \xC4rztin"}});
    EXPECT_EQ(modell::Suchbericht(aerztin, "\xE4RZTIN"),
              "==========\tNotiz f\xFCr 08. Dez 2026, Dien\t==========\r\n"
              "Termin bei der \xC4rztin\r\n");
    EXPECT_EQ(modell::Klein("\xC4RZTIN \xD7 \x8A\x9F"), "\xE4rztin \xD7 \x9A\xFF");
}

TEST(Modell, FindsTheFirstInstantOfEachDayFromTheZone) {
    {
        Zone zone("America/Sao_Paulo");
        EXPECT_EQ(modell::ErsterMoment({2018, 11, 4}), 1541300400);  // 01:00, midnight skipped
        EXPECT_EQ(modell::ErsterMoment({1900, 1, 1}), -2208977612);  // local mean time
    }
    {
        Zone zone("Pacific/Apia");
        EXPECT_EQ(modell::ErsterMoment({2011, 12, 30}), std::nullopt);
        EXPECT_NE(modell::ErsterMoment({2011, 12, 31}), std::nullopt);
    }
    Zone zone("Europe/Berlin");
    EXPECT_EQ(modell::ErsterMoment({2027, 3, 28}), 1806188400);
    EXPECT_EQ(modell::Wochentag({2026, 12, 6}), 0);
    EXPECT_EQ(modell::Wochentag({1900, 1, 1}), 1);
    EXPECT_FALSE(modell::Gueltig({2026, 2, 29}));
    EXPECT_TRUE(modell::Gueltig({2000, 2, 29}));
    EXPECT_FALSE(modell::Gueltig({1900, 2, 29}));
}

TEST(Modell, RejectsAppointmentLinesOutsideTheWindowOrWronglyLabelled) {
    Zone zone("Europe/Berlin");
    const auto notizen = Notizen({{{2027, 3, 17}, "[TERMIN] Zeugnisse"},
                                  {{2026, 12, 7}, "[TERMIN] Friseur"},
                                  {{2026, 12, 8}, "Elternabend"}});
    const Kalendertag heute{2026, 12, 6};
    const auto pruefen = [&](std::string_view bericht) {
        return modell::TerminzeilenPruefen(bericht, notizen, heute);
    };
    EXPECT_EQ(pruefen("07. Dez\t2026\tMont\tMorgen\t\tFriseur\r\n"), "");
    EXPECT_EQ(pruefen("17. M\xE4r\t2027\tMitt\t101\t\tZeugnisse\r\n"),
              "line 1: day 101 lies outside 0..100");
    EXPECT_EQ(pruefen("07. Dez\t2026\tDien\tMorgen\t\tFriseur\r\n"), "line 1: wrong weekday");
    EXPECT_EQ(pruefen("07. Dez\t2026\tMont\tHeute\t\tFriseur\r\n"),
              "line 1: wrong day column for day 1");
    EXPECT_EQ(pruefen("08. Dez\t2026\tDien\t\xDC" "bermorgen\tElternabend\r\n"),
              "line 1: the day holds no marked note");
    EXPECT_EQ(pruefen("07. Dez\t2026\tMont\tMorgen\t\tFriseur\r\n07. Dez"),
              "line 2: not ended by CR LF");
}

TEST(Befehle, ReadBackWhatWasWritten) {
    Befehl findenAus = Schritt(Art::FindenAus);
    findenAus.notiz = 3;
    findenAus.ab = 200;
    findenAus.laenge = 7;
    findenAus.gross = 1;
    Befehl loeschenWert = Schritt(Art::LoeschenWert);
    loeschenWert.wert = INT64_MIN;
    const std::vector<Befehl> befehle = {
        Schritt(Art::Tag, {2026, 12, 6}),
        Schritt(Art::Tag, {0, 13, 0}),
        Schritt(Art::Loeschen, {10000, 2, 31}),
        Schritt(Art::Start, {1899, 12, 31}),
        Schritt(Art::Heute, {2027, 3, 1, 24, 0, 60}),
        Schritt(Art::Editor, {}, std::string("A\0B\r\n[TERMIN] x", 15)),
        Schritt(Art::Editor, {}, std::string(300, '\xE4')),
        Schritt(Art::Anhaengen, {}, "\r"),
        Schritt(Art::Finden, {}, ""),
        findenAus,
        loeschenWert,
        Schritt(Art::Termine),
        Schritt(Art::NotizLeer),
    };
    const std::string bytes = fuzz::Schreiben(befehle);
    EXPECT_EQ(fuzz::Lesen(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
              befehle);
}

TEST(Befehle, PickMostDaysFromAFewYearsAndCutShortInputs) {
    std::set<int> jahre;
    bool februar31 = false;
    for (int k = 0; k < 0xE0; ++k) {
        for (int b = 0; b < 256; ++b) {
            const std::uint8_t bytes[] = {0, static_cast<std::uint8_t>(k),
                                          static_cast<std::uint8_t>(b)};
            const auto befehle = fuzz::Lesen(bytes, 3);
            ASSERT_EQ(befehle.size(), 1u);
            const TagesFelder& f = befehle[0].felder;
            jahre.insert(f.jahr);
            februar31 |= f.monat == 2 && f.tag == 31;
        }
    }
    EXPECT_EQ(jahre, (std::set<int>{1900, 1969, 1970, 2000, 2011, 2018, 2026, 2027, 2038, 2100, 9999}));
    EXPECT_TRUE(februar31);

    const std::uint8_t kurz[] = {5, 10, 'a', 'b', 0, 0x12};
    const auto befehle = fuzz::Lesen(kurz, sizeof kurz);
    ASSERT_EQ(befehle.size(), 1u);  // the day pick lacks its second byte
    EXPECT_EQ(befehle[0].text, std::string("ab\0\x12", 4));
}

TEST(Szenariozeile, ReadsTheScenarioCommandsAndWritesThemBack) {
    const TagesFelder aktuell{2026, 12, 6};
    for (const char* zeile : {"tag 2026-02-31", "loeschen 10000-13-00", "start 1899-12-31",
                              "heute 2026-12-06 14:30:00", "editor Nikolaus\\r\\n[TERMIN] \\xe4\\\\",
                              "finden ZAHN", "termine"}) {
        const auto befehl = fuzz::AusSzenario(zeile);
        ASSERT_TRUE(befehl) << zeile;
        EXPECT_EQ(fuzz::AlsSzenario(*befehl, aktuell), zeile);
    }
    EXPECT_EQ(fuzz::AusSzenario("editor A\\tB")->text, "A\tB");
    for (const char* zeile : {"# Kommentar", "", "zeige", "suchtext", "notizen"})
        EXPECT_EQ(fuzz::AusSzenario(zeile), std::nullopt) << zeile;
    for (const char* zeile : {"tag 2026-12-6", "heute 2026-12-06", "termine x", "editor \\q",
                              "blättern"})
        EXPECT_THROW(fuzz::AusSzenario(zeile), szenario::Lesefehler) << zeile;
    EXPECT_EQ(fuzz::AlsSzenario(Schritt(Art::NotizLeer), aktuell),
              "# the note dialog comes back empty\nloeschen 2026-12-06\neditor");
}

TEST(Lauf, RunsEveryScenarioInEveryZoneWithoutABrokenRule) {
    int szenarien = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(DORVANE_SZENARIEN)) {
        if (eintrag.path().extension() != ".szenario") continue;
        ++szenarien;
        std::vector<Befehl> befehle;
        std::ifstream datei(eintrag.path(), std::ios::binary);
        std::string zeile;
        try {
            while (std::getline(datei, zeile))
                if (auto b = fuzz::AusSzenario(zeile)) befehle.push_back(*b);
        } catch (const szenario::Lesefehler&) {
            // the driver stops here too
        }
        for (const char* name : kZonen) {
            Zone zone(name);
            fuzz::Lauf lauf;
            for (const Befehl& b : befehle)
                ASSERT_NO_THROW(lauf.Ausfuehren(b)) << eintrag.path() << " in " << name;
        }
    }
    EXPECT_GT(szenarien, 0);
}

TEST(Lauf, HoldsForRandomStepsInEveryZone) {
    std::mt19937 zufall(20261206);
    for (const char* name : kZonen) {
        Zone zone(name);
        for (int lauf = 0; lauf < 1000; ++lauf) {
            std::vector<std::uint8_t> bytes(400);
            for (auto& b : bytes) b = static_cast<std::uint8_t>(zufall());
            fuzz::Lauf l;
            for (const Befehl& b : fuzz::Lesen(bytes.data(), bytes.size()))
                ASSERT_NO_THROW(l.Ausfuehren(b)) << name << ", run " << lauf;
        }
    }
}

// A store broken behind the checks' back must be caught at the next step.
TEST(Lauf, CatchesABrokenStore) {
    Zone zone("Europe/Berlin");
    const std::vector<std::pair<const char*, std::function<void(CNotizBuch&)>>> faelle = {
        {"m_mapNotiz holds 1 keys, m_mapDatum 0", [](CNotizBuch& b) { b.m_mapDatum.clear(); }},
        {"the date value of 06.12.2026",
         [](CNotizBuch& b) { b.m_mapDatum["06.12.2026"] += 3600; }},
        {"empty text under", [](CNotizBuch& b) { b.m_mapNotiz["06.12.2026"].clear(); }},
        {"the note of 06.12.2026", [](CNotizBuch& b) { b.m_mapNotiz["06.12.2026"] += "!"; }},
        {"the store holds 2 notes",
         [](CNotizBuch& b) {
             b.m_mapNotiz["08.12.2026"] = "x";
             b.m_mapDatum["08.12.2026"] = 0;
         }},
        {"the editor on 07.12.2026", [](CNotizBuch& b) { b.m_pEditor->TextSetzen("y"); }},
        {"m_timeHeute is", [](CNotizBuch& b) { b.m_timeHeute += 86400; }},
        {"m_timeAktuell is", [](CNotizBuch& b) { b.m_timeAktuell += 86400; }},
    };
    for (const auto& [meldung, brechen] : faelle) {
        fuzz::Lauf lauf;
        lauf.Ausfuehren(Schritt(Art::Editor, {}, "[TERMIN] Zahnarzt"));
        lauf.Ausfuehren(Schritt(Art::Tag, {2026, 12, 7}));
        brechen(lauf.Buch());
        try {
            lauf.Ausfuehren(Schritt(Art::Loeschen, {2026, 12, 25}));  // a day without a note
            ADD_FAILURE() << "not caught: " << meldung;
        } catch (const fuzz::Verstoss& verstoss) {
            EXPECT_NE(std::string(verstoss.what()).find(meldung), std::string::npos)
                << verstoss.what();
        }
    }
}

}  // namespace
