#include "text1252.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using text1252::Finden;

// The capitals of Windows-1252 and their small letters, typed from the code
// page chart.
unsigned char KleinLautTabelle(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    switch (c) {
        case 0x8A: return 0x9A;  // Š š
        case 0x8C: return 0x9C;  // Œ œ
        case 0x8E: return 0x9E;  // Ž ž
        case 0x9F: return 0xFF;  // Ÿ ÿ
        case 0xD7: return 0xD7;  // × is no letter
        default: break;
    }
    if (c >= 0xC0 && c <= 0xDE) return c + 32;  // À..Þ
    return c;
}

TEST(Text1252, JedesByteWirdNachDerCodeseiteKleingeschrieben) {
    for (int i = 0; i < 256; ++i) {
        const unsigned char c = static_cast<unsigned char>(i);
        EXPECT_EQ(static_cast<unsigned char>(text1252::Klein(static_cast<char>(c))),
                  KleinLautTabelle(c))
            << "byte 0x" << std::hex << i;
    }
}

TEST(Text1252, KleinschreibungEinesTextesBehaeltLaengeUndNichtbuchstaben) {
    const std::string text = "\xC4RZTIN \xD6L \xDC" "BER Stra\xDF" "E \x8C" "UVRE 1\xD7" "2 \x9F";
    const std::string klein = "\xE4rztin \xF6l \xFC" "ber stra\xDF" "e \x9C" "uvre 1\xD7" "2 \xFF";

    EXPECT_EQ(text1252::Klein(text), klein);

    std::string inPlace = text;
    text1252::KleinInPlace(inPlace);
    EXPECT_EQ(inPlace, klein);

    // The target held a longer text before: none of it may survive.
    std::string nach = "ein viel l\xE4ngerer alter Inhalt, der ganz verschwinden muss";
    text1252::KleinKopieren(text, nach);
    EXPECT_EQ(nach, klein);
    text1252::KleinKopieren("", nach);
    EXPECT_EQ(nach, "");
}

TEST(Text1252, TrimmenEntferntGenauDieSechsLeerraumzeichen) {
    EXPECT_EQ(text1252::Trimmen(" \t\n\v\f\rZahnarzt  10 Uhr\r\n\f\v\t "), "Zahnarzt  10 Uhr");
    EXPECT_EQ(text1252::Trimmen(" \r\n\t"), "");
    EXPECT_EQ(text1252::Trimmen(""), "");
    // No-break space, NEL and NUL are not white space here, whatever a
    // locale might say.
    EXPECT_EQ(text1252::Trimmen("\xA0Zahn\xA0"), "\xA0Zahn\xA0");
    EXPECT_EQ(text1252::Trimmen("\x85Zahn\x85"), "\x85Zahn\x85");
    EXPECT_EQ(text1252::Trimmen(std::string("\0x\0", 3)), std::string("\0x\0", 3));
    EXPECT_EQ(text1252::Trimmen("  \xC4rztin "), "\xC4rztin");
}

TEST(Text1252, LinksNimmtDieErstenBytes) {
    EXPECT_EQ(text1252::Links("M\xE4rz", 3), "M\xE4r");
    EXPECT_EQ(text1252::Links("Donnerstag", 4), "Donn");
    EXPECT_EQ(text1252::Links("Mai", 3), "Mai");
    EXPECT_EQ(text1252::Links("Mai", 10), "Mai");
    EXPECT_EQ(text1252::Links("", 3), "");
}

TEST(Text1252, FindenSuchtAbEinerPosition) {
    const std::string text = "[termin] a\r\n[termin] b";
    EXPECT_EQ(Finden(text, "[termin]"), 0);
    EXPECT_EQ(Finden(text, "[termin]", 1), 12);
    EXPECT_EQ(Finden(text, "[termin]", 12), 12);
    EXPECT_EQ(Finden(text, "[termin]", 13), -1);
    EXPECT_EQ(Finden(text, "\r", 0), 10);
    EXPECT_EQ(Finden(text, "fehlt"), -1);
    EXPECT_EQ(Finden("ab", "abc"), -1);
    EXPECT_EQ(Finden("aaa", "aa", 1), 1);
    // Bytes above 0x7F are ordinary bytes.
    EXPECT_EQ(Finden("Stra\xDF" "e \xE4rztin", "\xE4r"), 7);
    EXPECT_EQ(Finden("\xFF\xFE", "\xFE"), 1);
}

TEST(Text1252, DasLeereMusterStehtAnDerStartposition) {
    EXPECT_EQ(Finden("Zahn", ""), 0);
    EXPECT_EQ(Finden("Zahn", "", 2), 2);
    EXPECT_EQ(Finden("Zahn", "", 4), 4);
    EXPECT_EQ(Finden("", ""), 0);
    EXPECT_EQ(Finden("Zahn", "", 5), -1);
    EXPECT_EQ(Finden("Zahn", "n", 5), -1);
}

TEST(Text1252, KleinSucherFindetWasDieSucheImKleinenTextFindet) {
    // Few distinct bytes, in both cases, so that partial matches and the
    // skips after them are frequent.
    const std::string alphabet = "aAtT\xE4\xC4\xFF\x9F[]\r\n ";
    std::mt19937 zufall(1252);
    auto zeichen = [&] { return alphabet[zufall() % alphabet.size()]; };
    for (int fall = 0; fall < 20000; ++fall) {
        std::string text(zufall() % 24, ' '), muster(zufall() % 5, ' ');
        for (char& c : text) c = zeichen();
        for (char& c : muster) c = zeichen();
        const std::ptrdiff_t ab = static_cast<std::ptrdiff_t>(zufall() % (text.size() + 2));
        const text1252::KleinSucher sucher(muster);
        ASSERT_EQ(sucher.Finden(text, ab), Finden(text1252::Klein(text), text1252::Klein(muster), ab))
            << "text '" << text << "', pattern '" << muster << "', from " << ab;
        EXPECT_EQ(sucher.Laenge(), muster.size());
    }
    EXPECT_EQ(text1252::KleinSucher("[TERMIN]").Finden("x\r\n[Termin] \xC4rztin [termin]", 4), 19);
}

TEST(Text1252, FormatWiePrintf) {
    EXPECT_EQ(text1252::Format("%02d. %s %d, %s", 6, "Dez", 2026, "Sonn"), "06. Dez 2026, Sonn");
    EXPECT_EQ(text1252::Format("%02d. %s %d, %s", 0, "", 0, ""), "00.  0, ");
    EXPECT_EQ(text1252::Format("%03d|%03d", 7, 100), "007|100");
    EXPECT_EQ(text1252::Format("Notiz f\xFCr %s", "M\xE4r"), "Notiz f\xFCr M\xE4r");
    EXPECT_EQ(text1252::Format("%s", ""), "");

    // Long notes pass through whole.
    const std::string lang(100000, 'x');
    const std::string ergebnis = text1252::Format("<%s>\r\n", lang.c_str());
    EXPECT_EQ(ergebnis, "<" + lang + ">\r\n");
}

}  // namespace
