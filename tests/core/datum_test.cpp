#include "datum.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fehler.h"
#include "notizbuch.h"
#include "orakel.h"
#include "testhilfe.h"
#include "text1252.h"

namespace {

TagesFelder Felder(int jahr, int monat, int tag, int stunde = 0, int minute = 0, int sekunde = 0) {
    TagesFelder f;
    f.jahr = static_cast<std::uint16_t>(jahr);
    f.monat = static_cast<std::uint16_t>(monat);
    f.tag = static_cast<std::uint16_t>(tag);
    f.stunde = static_cast<std::uint16_t>(stunde);
    f.minute = static_cast<std::uint16_t>(minute);
    f.sekunde = static_cast<std::uint16_t>(sekunde);
    return f;
}

// The fields must raise the invalid-argument error, with its code and text.
void ErwarteFalscherParameter(const TagesFelder& f) {
    SCOPED_TRACE(testing::Message() << f.tag << "." << f.monat << "." << f.jahr << " " << f.stunde
                                    << ":" << f.minute << ":" << f.sekunde);
    try {
        Datumswert wert = datum::AusFeldern(f);
        ADD_FAILURE() << "converted to " << wert << " (" << datum::Schluessel(wert) << ")";
    } catch (const CFalscherParameter& e) {
        EXPECT_EQ(e.HResult(), 0x80070057u);
        EXPECT_STREQ(e.what(), "Falscher Parameter.");
    }
}

TEST(Datum, Nikolaus2026NachSchluesselNamenWocheUndJahrestag) {
    const Datumswert wert = datum::AusFeldern(Felder(2026, 12, 6));
    EXPECT_EQ(wert, Anfang(2026, 12, 6));
    EXPECT_EQ(datum::Schluessel(wert), "06.12.2026");
    EXPECT_EQ(datum::Format(wert, "%U"), "49");
    EXPECT_EQ(datum::Format(wert, "%j"), "340");
    EXPECT_EQ(datum::TagDesMonats(wert), 6);
    EXPECT_EQ(datum::Jahr(wert), 2026);

    CNotizBuch buch;
    EXPECT_EQ(buch.WochentagName(wert), "Sonntag");
    EXPECT_EQ(buch.m_strPuffer, "Sonntag");
    EXPECT_EQ(buch.MonatName(wert), "Dezember");
    EXPECT_EQ(buch.m_strPuffer, "Dezember");

    // The last second of the day still belongs to it.
    const Datumswert spaet = Anfang(2026, 12, 7) - 1;
    EXPECT_EQ(datum::Schluessel(spaet), "06.12.2026");
    EXPECT_EQ(buch.WochentagName(spaet), "Sonntag");
}

TEST(Datum, MaerzHatEinEinzelnesUmlautByte) {
    const Datumswert wert = datum::AusFeldern(Felder(2027, 3, 1));
    EXPECT_EQ(datum::Schluessel(wert), "01.03.2027");
    CNotizBuch buch;
    const std::string name = buch.MonatName(wert);
    EXPECT_EQ(name, "M\xE4rz");
    ASSERT_EQ(name.size(), 4u);
    EXPECT_EQ(text1252::Links(name, 3), "M\xE4r");
}

TEST(Datum, AlleWochentagsUndMonatsnamen) {
    CNotizBuch buch;
    // 06.12.2026 is a Sunday; the week runs through the table once.
    for (int i = 0; i < 7; ++i) {
        const Datumswert wert = datum::AusFeldern(Felder(2026, 12, 6 + i));
        EXPECT_EQ(buch.WochentagName(wert), orakel::kWochentage[i]);
        EXPECT_EQ(buch.m_strPuffer, orakel::kWochentage[i]);
        EXPECT_EQ(datum::WochentagName(i), orakel::kWochentage[i]);
    }
    for (int m = 0; m < 12; ++m) {
        const Datumswert wert = datum::AusFeldern(Felder(2027, m + 1, 15));
        EXPECT_EQ(buch.MonatName(wert), orakel::kMonate[m]);
        EXPECT_EQ(buch.m_strPuffer, orakel::kMonate[m]);
        EXPECT_EQ(datum::MonatName(m), orakel::kMonate[m]);
    }
    EXPECT_EQ(datum::WochentagName(-1), "");
    EXPECT_EQ(datum::WochentagName(7), "");
    EXPECT_EQ(datum::MonatName(-1), "");
    EXPECT_EQ(datum::MonatName(12), "");
}

TEST(Datum, OhneZerlegungLeereTexteUndNullfelder) {
    for (Datumswert wert : {std::numeric_limits<Datumswert>::max(), std::numeric_limits<Datumswert>::min()}) {
        SCOPED_TRACE(wert);
        EXPECT_FALSE(datum::Zerlegen(wert).has_value());
        EXPECT_EQ(datum::Schluessel(wert), "");
        EXPECT_EQ(datum::Format(wert, "%j"), "");
        EXPECT_EQ(datum::TagDesMonats(wert), 0);
        EXPECT_EQ(datum::Jahr(wert), 0);
        EXPECT_FALSE(datum::Kalendertage(0, wert).has_value());
        EXPECT_FALSE(datum::Kalendertage(wert, 0).has_value());

        CNotizBuch buch;
        buch.m_strPuffer = "alter Inhalt";
        EXPECT_EQ(buch.WochentagName(wert), "");
        EXPECT_EQ(buch.m_strPuffer, "");
        buch.m_strPuffer = "alter Inhalt";
        EXPECT_EQ(buch.MonatName(wert), "");
        EXPECT_EQ(buch.m_strPuffer, "");
    }
}

TEST(Datum, FormatIst128BytesMitEndnullBreit) {
    const Datumswert wert = Anfang(2026, 12, 6);
    EXPECT_EQ(datum::Format(wert, "%d.%m.%Y"), "06.12.2026");
    EXPECT_EQ(datum::Format(wert, std::string(127, 'x').c_str()), std::string(127, 'x'));
    EXPECT_EQ(datum::Format(wert, std::string(128, 'x').c_str()), "");
    EXPECT_EQ(datum::Format(wert, ""), "");
}

TEST(Datum, ZerlegenLiefertDieOrtszeit) {
    const Datumswert wert = Anfang(2027, 1, 15) + 12 * 3600 + 34 * 60 + 56;
    const auto erwartet = orakel::Lokal(wert);
    const auto z = datum::Zerlegen(wert);
    ASSERT_TRUE(z.has_value());
    EXPECT_EQ(z->jahr, erwartet->tm_year + 1900);
    EXPECT_EQ(z->monat, erwartet->tm_mon);
    EXPECT_EQ(z->tag, erwartet->tm_mday);
    EXPECT_EQ(z->wochentag, 5);  // a Friday
    EXPECT_EQ(z->stunde, erwartet->tm_hour);
    EXPECT_EQ(z->minute, erwartet->tm_min);
    EXPECT_EQ(z->sekunde, erwartet->tm_sec);
}

TEST(Datum, BereichIstInJederZone1900Bis9999) {
    ErwarteFalscherParameter(Felder(1899, 12, 31));
    ErwarteFalscherParameter(Felder(1899, 1, 1));
    ErwarteFalscherParameter(Felder(1, 1, 1));
    ErwarteFalscherParameter(Felder(0, 0, 0));
    ErwarteFalscherParameter(Felder(10000, 1, 1));
    ErwarteFalscherParameter(Felder(65535, 12, 31));

    const Datumswert erster = datum::AusFeldern(Felder(1900, 1, 1));
    EXPECT_EQ(erster, Anfang(1900, 1, 1));
    EXPECT_EQ(datum::Schluessel(erster), "01.01.1900");

    const Datumswert letzter = datum::AusFeldern(Felder(9999, 12, 31));
    EXPECT_EQ(letzter, Anfang(9999, 12, 31));
    EXPECT_EQ(datum::Schluessel(letzter), "31.12.9999");

    const Datumswert epoche = datum::AusFeldern(Felder(1970, 1, 1));
    EXPECT_EQ(epoche, Anfang(1970, 1, 1));
    EXPECT_EQ(datum::Schluessel(epoche), "01.01.1970");
}

TEST(Datum, FelderOhneEchtenTagRollenNichtUeber) {
    ErwarteFalscherParameter(Felder(2026, 2, 31));
    ErwarteFalscherParameter(Felder(2026, 2, 29));
    ErwarteFalscherParameter(Felder(1900, 2, 29));  // 1900 was no leap year
    ErwarteFalscherParameter(Felder(2026, 4, 31));
    ErwarteFalscherParameter(Felder(2026, 0, 15));
    ErwarteFalscherParameter(Felder(2026, 13, 1));
    ErwarteFalscherParameter(Felder(2026, 12, 0));
    ErwarteFalscherParameter(Felder(2026, 12, 32));
    ErwarteFalscherParameter(Felder(2026, 12, 6, 24, 0, 0));
    ErwarteFalscherParameter(Felder(2026, 12, 6, 0, 60, 0));
    ErwarteFalscherParameter(Felder(2026, 12, 6, 0, 0, 60));

    EXPECT_EQ(datum::Schluessel(datum::AusFeldern(Felder(2000, 2, 29))), "29.02.2000");
    EXPECT_EQ(datum::Schluessel(datum::AusFeldern(Felder(2028, 2, 29))), "29.02.2028");
}

TEST(Datum, KalendertageZaehlenDatumswechsel) {
    const Datumswert nikolaus = Anfang(2026, 12, 6);
    EXPECT_EQ(datum::Kalendertage(nikolaus, nikolaus), 0);
    EXPECT_EQ(datum::Kalendertage(nikolaus + 52200, nikolaus), 0);
    EXPECT_EQ(datum::Kalendertage(nikolaus, Anfang(2026, 12, 7) - 1), 0);
    EXPECT_EQ(datum::Kalendertage(Anfang(2026, 12, 7) - 1, Anfang(2026, 12, 7)), 1);
    EXPECT_EQ(datum::Kalendertage(nikolaus + 52200, Anfang(2027, 3, 16)), 100);
    EXPECT_EQ(datum::Kalendertage(nikolaus + 52200, Anfang(2026, 12, 5)), -1);
    EXPECT_EQ(datum::Kalendertage(Anfang(1900, 1, 1), Anfang(9999, 12, 31)),
              orakel::Tagesnummer(9999, 12, 31) - orakel::Tagesnummer(1900, 1, 1));
}

}  // namespace
