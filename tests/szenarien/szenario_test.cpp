// The driver's own rules: escapes, the shape of a line, and what a line it
// cannot read does to the run. What the store prints is pinned by the
// *.szenario files beside this one.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "maskierung.h"
#include "szenario.h"

using namespace std::string_literals;

namespace {

struct Ergebnis {
    int status;
    std::string aus;
    std::string fehler;
};

Ergebnis Laufen(const std::string& szenario) {
    std::istringstream ein(szenario);
    std::ostringstream aus, fehler;
    int status = szenario::Ausfuehren(ein, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

TEST(Maskierung, EveryByteFitsOnOnePrintableLineAndReadsBack) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    const std::string zeile = szenario::Maskieren(alle);
    for (char c : zeile) ASSERT_TRUE(c >= 0x20 && c <= 0x7E) << int(c);
    EXPECT_EQ(szenario::Entschluesseln(zeile), alle);
}

TEST(Maskierung, SpellsBytesInTheAgreedWay) {
    EXPECT_EQ(szenario::Maskieren("a\\b\r\n\t ~\x7F\x80\xFC\x00"s),
              R"(a\\b\r\n\t ~\x7f\x80\xfc\x00)");
}

TEST(Maskierung, ArgumentsTakeHexInEitherCaseAndKeepTheirBlanks) {
    EXPECT_EQ(szenario::Entschluesseln(R"(M\xE4rz \xe4 \\n  )"), "M\xE4rz \xE4 \\n  ");
}

TEST(Maskierung, RejectsEscapesItDoesNotKnow) {
    for (const char* falsch : {R"(\q)", R"(ende\)", R"(\x4)", R"(\xg1)", R"(\x)", R"(\X41)"}) {
        EXPECT_THROW(szenario::Entschluesseln(falsch), szenario::Lesefehler) << falsch;
    }
}

TEST(Szenario, UnreadableLineNamesItsNumberAndEndsTheRun) {
    const char* unlesbar[] = {
        "tag 2026-12-6",        "tag 2026-12-06 ",        "tag 26-12-06",
        "tag 2026/12/06",       "tag",                    "loeschen 65536-01-01",
        "start 2026-12-06x",    "heute 2026-12-06",       "heute 2026-12-06 9:00:00",
        "heute 2026-12-06T09:00:00", "termine jetzt",     "zeige x",
        "notizen x",            "suchtext x",             "editor a\\qb",
        "finden \\x4",          "Tag 2026-12-06",         "notiz",
        " zeige",
    };
    for (const char* zeile : unlesbar) {
        const Ergebnis e = Laufen("editor vorher\nzeige\n# Kommentar\n"s + zeile + "\nzeige\n");
        EXPECT_EQ(e.status, 2) << zeile;
        EXPECT_EQ(e.aus, "vorher\n") << zeile;
        EXPECT_EQ(e.fehler.rfind("line 4: ", 0), 0u) << zeile << " -> " << e.fehler;
    }
}

TEST(Szenario, ArgumentIsTheRestAfterOneBlankExactlyAsItStands) {
    const Ergebnis e = Laufen("editor abc\neditor\nzeige\neditor  x \nzeige\neditor \nzeige\n");
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.aus, "\n x \n\n");
}

TEST(Szenario, SkipsEmptyLinesAndCommentsAndReadsALastLineWithoutLineEnd) {
    const Ergebnis e = Laufen("\n   \n\t\n# editor nein\neditor ja\nzeige");
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.aus, "ja\n");
    EXPECT_EQ(e.fehler, "");
}

TEST(Szenario, InvalidDayPrintsTheErrorAndTheRunGoesOn) {
    const Ergebnis e = Laufen("start 2026-12-06\neditor bleibt\ntag 2026-02-30\nzeige\n");
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.aus, "fehler 0x80070057\nbleibt\n");
}

TEST(Szenario, EveryRunStartsWithAFreshStoreAndAnEmptyDialogText) {
    Laufen("start 2026-12-06\neditor Zahnarzt\ntag 2026-12-07\nfinden ZAHN\n");
    const Ergebnis e = Laufen("suchtext\nfinden\nnotizen\nzeige\n");
    EXPECT_EQ(e.aus, "\n\n\n");
}

}  // namespace
