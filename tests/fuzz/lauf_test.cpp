// The fuzzer finds only what its checks can see: a store broken behind
// their back must be caught by the next line.

#include <gtest/gtest.h>

#include "lauf.h"
#include "orakel.h"

namespace {

// Breaks the store in way `fall`; returns what the check must say.
const char* Brechen(int fall, CNotizBuch& b) {
    const std::string sechster = "06.12.2026";
    const Datumswert wert = b.m_mapDatum.find(sechster)->second;
    switch (fall) {
        case 0:
            return b.m_mapDatum.erase(sechster), "the maps hold 1 and 0 keys";
        case 1:
            return b.m_mapDatum.insert_or_assign(sechster, wert + 3600), "the date value of";
        default:  // the reports are checked before the store
            return b.m_mapDatum.insert_or_assign(sechster, wert + 101 * 86400), "termine report";
    }
}

TEST(Lauf, FaengtEinenKaputtenSpeicher) {
    orakel::Zone zone("Europe/Berlin");
    for (int fall = 0; fall < 3; ++fall) {
        fuzz::Lauf lauf;
        lauf.Ausfuehren("editor [TERMIN] Zahnarzt");
        lauf.Ausfuehren("tag 2026-12-07");
        const std::string meldung = Brechen(fall, lauf.Buch());
        try {
            lauf.Ausfuehren(fall == 2 ? "termine" : "editor");
            ADD_FAILURE() << "not caught: " << meldung;
        } catch (const fuzz::Verstoss& verstoss) {
            EXPECT_NE(std::string(verstoss.what()).find(meldung), std::string::npos)
                << verstoss.what();
        }
    }
}

}  // namespace
