#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "dialogtext.h"
#include "notizbuch.h"
#include "testhilfe.h"

namespace {

// The three notes of the usual example, committed by moving on to 16.01.2027.
void Beispielnotizen(Tagebuch& t) {
    t.buch.DatumWechseln(Tag(2026, 12, 6));
    t.Schreiben("Nikolaus\r\n[TERMIN] Zahnarzt 10 Uhr", 2026, 12, 24);
    t.Schreiben("[TERMIN] Bescherung 18 Uhr", 2027, 1, 15);
    t.Schreiben("Zahnarzt Kontrolle", 2027, 1, 16);
}

const std::string kZahnBericht =
    "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\n"
    "Nikolaus\r\n"
    "[TERMIN] Zahnarzt 10 Uhr\r\n"
    "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\n"
    "Zahnarzt Kontrolle\r\n";

std::string Finden(CNotizBuch& buch, const std::string& begriff) {
    g_strDialogText = begriff;
    return buch.NotizenFinden();
}

TEST(Suchbericht, ZahnFindetZweiNotizenInDatumsfolge) {
    Tagebuch t(2026, 12, 1);
    Beispielnotizen(t);
    EXPECT_EQ(Finden(t.buch, "ZAHN"), kZahnBericht);
    EXPECT_EQ(g_strDialogText, "zahn");
}

TEST(Suchbericht, GrossUndKleinschreibungZaehltNicht) {
    Tagebuch t(2026, 12, 1);
    Beispielnotizen(t);
    for (const char* begriff : {"zahn", "ZaHn", "ZAHNARZT"}) {
        SCOPED_TRACE(begriff);
        EXPECT_EQ(Finden(t.buch, begriff), kZahnBericht);
    }

    t.Schreiben("Termin bei der \xC4rztin", 2026, 12, 1);
    const std::string aerztin =
        "==========\tNotiz f\xFCr 16. Jan 2027, Sams\t==========\r\n"
        "Termin bei der \xC4rztin\r\n";
    EXPECT_EQ(Finden(t.buch, "\xC4RZTIN"), aerztin);
    EXPECT_EQ(g_strDialogText, "\xE4rztin");
    EXPECT_EQ(Finden(t.buch, "\xE4rztin"), aerztin);
}

TEST(Suchbericht, LeererBegriffListetAllesNachDatumNichtNachSchluesseltext) {
    // Key text order would be 01.01.2040, 02.03.2100, 06.12.2026, ...
    Tagebuch t(2040, 1, 1);
    t.Schreiben("Neujahr", 2039, 12, 31);
    t.Schreiben("Silvester", 2100, 3, 2);
    t.Schreiben("Fern", 2026, 12, 6);
    t.Schreiben("Nikolaus", 2027, 1, 15);
    t.Schreiben("Kontrolle", 2038, 1, 19);
    t.Schreiben("Nach der Grenze", 2038, 1, 20);

    EXPECT_EQ(Finden(t.buch, ""),
              "==========\tNotiz f\xFCr 06. Dez 2026, Sonn\t==========\r\nNikolaus\r\n"
              "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\nKontrolle\r\n"
              "==========\tNotiz f\xFCr 19. Jan 2038, Dien\t==========\r\nNach der Grenze\r\n"
              "==========\tNotiz f\xFCr 31. Dez 2039, Sams\t==========\r\nSilvester\r\n"
              "==========\tNotiz f\xFCr 01. Jan 2040, Sonn\t==========\r\nNeujahr\r\n"
              "==========\tNotiz f\xFCr 02. M\xE4r 2100, Dien\t==========\r\nFern\r\n");
    EXPECT_EQ(g_strDialogText, "");
}

TEST(Suchbericht, GesuchtWirdNurImNotiztextUndJedeNotizEinmal) {
    Tagebuch t(2026, 12, 6);
    t.Schreiben("Nikolaus", 2026, 12, 24);
    t.Schreiben("Rechnung 2026 zahlen, 2026 war teuer", 2027, 1, 15);
    t.Schreiben("Zahn, zahn, ZAHN", 2027, 1, 16);

    EXPECT_EQ(Finden(t.buch, "2026"),
              "==========\tNotiz f\xFCr 24. Dez 2026, Donn\t==========\r\n"
              "Rechnung 2026 zahlen, 2026 war teuer\r\n");
    EXPECT_EQ(Finden(t.buch, "zahn"),
              "==========\tNotiz f\xFCr 15. Jan 2027, Frei\t==========\r\n"
              "Zahn, zahn, ZAHN\r\n");
    // Neither the keys nor the header lines are searched.
    EXPECT_EQ(Finden(t.buch, "12.2026"), "");
    EXPECT_EQ(Finden(t.buch, "notiz f\xFCr"), "");
    EXPECT_EQ(Finden(t.buch, "Zahnarzt"), "");
}

TEST(Suchbericht, UnstimmigeMapsLassenDieNotizWeg) {
    CNotizBuch buch;
    buch.m_mapNotiz["06.12.2026"] = "Zahn ohne Datum";
    buch.m_mapNotiz["07.12.2026"] = "Zahn unter fremdem Datum";
    buch.m_mapDatum["07.12.2026"] = Anfang(2026, 12, 9);
    buch.m_mapNotiz["08.12.2026"] = "Hier stimmt alles";
    buch.m_mapDatum["08.12.2026"] = Anfang(2026, 12, 8) + 3600;  // any moment of the day
    EXPECT_EQ(Finden(buch, "zahn"), "");
    EXPECT_EQ(Finden(buch, "alles"),
              "==========\tNotiz f\xFCr 08. Dez 2026, Dien\t==========\r\nHier stimmt alles\r\n");
}

TEST(Suchbericht, OhneZerlegungBleibtDerKopfLeer) {
    // A value beyond any year has the empty key, which finds its note.
    CNotizBuch buch;
    buch.m_mapNotiz[""] = "Zahn";
    buch.m_mapDatum[""] = std::numeric_limits<Datumswert>::max();
    EXPECT_EQ(Finden(buch, "zahn"), "==========\tNotiz f\xFCr 00.  0, \t==========\r\nZahn\r\n");
}

}  // namespace
