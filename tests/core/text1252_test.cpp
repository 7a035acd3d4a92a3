#include "text1252.h"

#include <gtest/gtest.h>

#include <random>

#include "orakel.h"

namespace {

TEST(Text1252, JedesByteWirdNachDerCodeseiteKleingeschrieben) {
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(static_cast<unsigned char>(text1252::Klein(static_cast<char>(i))),
                  orakel::Klein(static_cast<unsigned char>(i)))
            << "byte 0x" << std::hex << i;
}

// Every letter finds each of its spellings (Ö in "SCHÖN" for "schön"),
// wherever the fast search meets it: in a full block and in the rest.
TEST(Text1252, JederBuchstabeFindetJedeSchreibweise) {
    for (int muster = 0; muster < 256; ++muster)
        for (int gefunden = 0; gefunden < 256; ++gefunden) {
            if (orakel::Klein(muster) != orakel::Klein(gefunden)) continue;
            const char fuellung = orakel::Klein(muster) == '.' ? ',' : '.';
            for (const std::size_t stelle : {5u, 37u}) {
                std::string text(40, fuellung);
                text[stelle] = static_cast<char>(gefunden);
                EXPECT_EQ(
                    text1252::KleinSucher(std::string(1, static_cast<char>(muster))).Finden(text),
                    std::ptrdiff_t(stelle))
                    << "pattern 0x" << std::hex << muster << ", text byte 0x" << gefunden;
            }
        }
}

TEST(Text1252, KleinSucherFindetWasDieNaiveSucheFindet) {
    // Few distinct bytes, in both cases, so that partial matches are
    // frequent; now and then a long text with a long pattern cut from it in
    // mixed case.
    const std::string alphabet = "aAtT\xE4\xC4\xFF\x9F[]\r\n ";  // letters in pairs
    std::mt19937 zufall(1252);
    auto zeichen = [&] {
        return alphabet[zufall() % alphabet.size()];
    };
    for (int fall = 0; fall < 20000; ++fall) {
        const bool lang = fall % 50 == 0;
        std::string text(zufall() % (lang ? 900 : 70), ' '), muster(zufall() % 6, ' ');
        for (char& c : text) c = zeichen();
        for (char& c : muster) c = zeichen();
        if (lang && text.size() > 300) {
            muster = text.substr(zufall() % 300, 1 + zufall() % 300);
            for (char& c : muster)
                if (const auto i = alphabet.find(c); i < 8 && zufall() % 2) c = alphabet[i ^ 1];
        }
        const std::size_t ab = zufall() % (text.size() + 2);
        ASSERT_EQ(text1252::KleinSucher(muster).Finden(text, static_cast<std::ptrdiff_t>(ab)),
                  ab > text.size()
                      ? -1
                      : std::ptrdiff_t(orakel::Klein(text).find(orakel::Klein(muster), ab)))
            << "text '" << text << "', pattern '" << muster << "', from " << ab;
    }
}

}  // namespace
