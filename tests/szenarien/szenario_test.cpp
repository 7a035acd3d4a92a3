// The driver's own rules: escapes, the shape of a line, and what a line it
// cannot read does to the run. What the store prints is pinned by the
// *.szenario files beside this one.

#include <gtest/gtest.h>

#include <sstream>

#include "maskierung.h"
#include "szenario.h"

using namespace std::string_literals;

namespace {

int Laufen(const std::string& szenario, std::string& aus, std::string& fehler) {
    std::istringstream ein(szenario);
    std::ostringstream a, f;
    const int status = szenario::Ausfuehren(ein, a, f);
    aus = a.str(), fehler = f.str();
    return status;
}

TEST(Maskierung, JedesByteAufEinerDruckbarenZeileUndZurueck) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    const std::string zeile = szenario::Maskieren(alle);
    for (char c : zeile) ASSERT_TRUE(c >= 0x20 && c <= 0x7E) << int(c);
    EXPECT_EQ(szenario::Entschluesseln(zeile), alle);
    EXPECT_EQ(szenario::Maskieren("a\\b\r\n\t ~\x7F\xFC\x00"s), R"(a\\b\r\n\t ~\x7f\xfc\x00)");
    EXPECT_EQ(szenario::Entschluesseln(R"(M\xE4rz \xe4 \\n  )"), "M\xE4rz \xE4 \\n  ");
    for (const char* falsch : {R"(\q)", R"(ende\)", R"(\x4)", R"(\xg1)", R"(\x)", R"(\X41)"})
        EXPECT_THROW(szenario::Entschluesseln(falsch), szenario::Lesefehler) << falsch;
}

TEST(Szenario, UnlesbareZeileNenntIhreNummerUndBeendetDenLauf) {
    std::string aus, fehler;
    for (const char* zeile :
         {"tag 2026-12-6", "tag 2026-12-06 ", "tag 26-12-06", "tag 2026/12/06", "tag",
          "start 2026-12-06x", "loeschen 65536-01-01", "heute 2026-12-06",
          "heute 2026-12-06 9:00:00", "heute 2026-12-06T09:00:00", "termine jetzt", "zeige x",
          "notizen x", "suchtext x", "editor a\\qb", "finden \\x4", "Tag 2026-12-06", "notiz",
          " zeige"}) {
        EXPECT_EQ(Laufen("editor vorher\nzeige\n# Kommentar\n"s + zeile + "\nzeige\n", aus, fehler),
                  2)
            << zeile;
        EXPECT_EQ(aus, "vorher\n") << zeile;
        EXPECT_EQ(fehler.rfind("line 4: ", 0), 0u) << zeile << " -> " << fehler;
    }
    // The argument is the rest after one blank, exactly as it stands; empty
    // lines and comments are skipped, a last line needs no line end.
    EXPECT_EQ(Laufen("\n  \n# editor nein\neditor  x \nzeige\neditor\nzeige", aus, fehler), 0);
    EXPECT_EQ(aus, " x \n\n");
    EXPECT_EQ(fehler, "");
}

}  // namespace
