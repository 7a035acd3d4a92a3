#include "notizbuch.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>

#include "fehler.h"
#include "orakel.h"
#include "testhilfe.h"
#include "zonen.h"

namespace {

using Notizen = std::unordered_map<std::string, std::string>;
using Daten = std::unordered_map<std::string, Datumswert>;

TEST(Notizbuch, DerTextWandertBeimTageswechselUnterDenAltenTag) {
    Tagebuch t(2026, 12, 6);

    t.Schreiben("Zahnarzt", 2026, 12, 24);
    EXPECT_EQ(t.buch.m_mapNotiz, (Notizen{{"06.12.2026", "Zahnarzt"}}));
    EXPECT_EQ(t.buch.m_mapDatum, (Daten{{"06.12.2026", Anfang(2026, 12, 6)}}));
    EXPECT_EQ(t.editor.text, "");
    EXPECT_EQ(t.buch.m_timeAktuell, Anfang(2026, 12, 24));

    // Back to the first day, nothing typed on the second.
    t.buch.DatumWechseln(Tag(2026, 12, 6));
    EXPECT_EQ(t.editor.text, "Zahnarzt");
    EXPECT_EQ(t.buch.m_mapNotiz, (Notizen{{"06.12.2026", "Zahnarzt"}}));
    EXPECT_EQ(t.buch.m_mapDatum, (Daten{{"06.12.2026", Anfang(2026, 12, 6)}}));
    EXPECT_EQ(t.buch.m_timeAktuell, Anfang(2026, 12, 6));
}

TEST(Notizbuch, EinGeleerterEditorLoeschtDieNotizDesTages) {
    Tagebuch t(2026, 12, 6);
    t.Schreiben("Zahnarzt", 2026, 12, 7);
    t.Schreiben("Friseur", 2026, 12, 6);
    ASSERT_EQ(t.editor.text, "Zahnarzt");

    t.Schreiben("", 2027, 1, 15);
    EXPECT_EQ(t.buch.m_mapNotiz, (Notizen{{"07.12.2026", "Friseur"}}));
    EXPECT_EQ(t.buch.m_mapDatum, (Daten{{"07.12.2026", Anfang(2026, 12, 7)}}));
    EXPECT_EQ(t.editor.text, "");
}

TEST(Notizbuch, DenAktuellenTagNochmalWaehlenSpeichertUndLaedtIhnNeu) {
    Tagebuch t(2026, 12, 6);
    t.Schreiben("Alt", 2026, 12, 7);
    t.Schreiben("", 2026, 12, 6);
    ASSERT_EQ(t.editor.text, "Alt");

    t.Schreiben("Neu", 2026, 12, 6);
    EXPECT_EQ(t.editor.text, "Neu");
    EXPECT_EQ(t.buch.m_mapNotiz, (Notizen{{"06.12.2026", "Neu"}}));
    EXPECT_EQ(t.buch.m_mapDatum, (Daten{{"06.12.2026", Anfang(2026, 12, 6)}}));
    EXPECT_EQ(t.buch.m_timeAktuell, Anfang(2026, 12, 6));
}

TEST(Notizbuch, NotizLoeschenNimmtDenTagDesWertesAusBeidenMaps) {
    Tagebuch t(2026, 12, 6);
    t.Schreiben("Zahnarzt", 2026, 12, 7);
    t.Schreiben("Friseur", 2026, 12, 8);
    const Notizen notizen = t.buch.m_mapNotiz;
    const Daten daten = t.buch.m_mapDatum;

    t.buch.NotizLoeschen(Anfang(2026, 12, 24));
    EXPECT_EQ(t.buch.m_mapNotiz, notizen);
    EXPECT_EQ(t.buch.m_mapDatum, daten);

    // Any moment of the day names it, not only its midnight.
    t.buch.NotizLoeschen(Anfang(2026, 12, 6) + 15 * 3600);
    EXPECT_EQ(t.buch.m_mapNotiz, (Notizen{{"07.12.2026", "Friseur"}}));
    EXPECT_EQ(t.buch.m_mapDatum, (Daten{{"07.12.2026", Anfang(2026, 12, 7)}}));
    EXPECT_EQ(t.buch.m_timeAktuell, Anfang(2026, 12, 8));
    EXPECT_EQ(t.editor.text, "");
}

TEST(Notizbuch, EinUngueltigerTagAendertNichts) {
    Tagebuch t(2026, 12, 6);
    t.Schreiben("Zahnarzt", 2026, 12, 7);
    t.editor.text = "Getippt, noch nicht gespeichert";
    const int gesetzt = t.editor.gesetzt;
    const Notizen notizen = t.buch.m_mapNotiz;
    const Daten daten = t.buch.m_mapDatum;

    std::vector<TagesFelder> ungueltig = {Tag(2026, 2, 31), Tag(1899, 12, 31), Tag(10000, 1, 1),
                                          Tag(2026, 13, 1), Tag(0, 0, 0)};
    if (const zonen::Zone* zone = zonen::Aktuelle())
        for (const zonen::Merkpunkt& m : zone->merkpunkte)
            if (!m.wert) ungueltig.push_back(Tag(m.jahr, m.monat, m.tag));

    for (const TagesFelder& f : ungueltig) {
        SCOPED_TRACE(testing::Message() << f.tag << "." << f.monat << "." << f.jahr);
        EXPECT_THROW(t.buch.DatumWechseln(f), CFalscherParameter);
        EXPECT_EQ(t.editor.text, "Getippt, noch nicht gespeichert");
        EXPECT_EQ(t.editor.gesetzt, gesetzt);
        EXPECT_EQ(t.buch.m_mapNotiz, notizen);
        EXPECT_EQ(t.buch.m_mapDatum, daten);
        EXPECT_EQ(t.buch.m_timeAktuell, Anfang(2026, 12, 7));
    }
}

TEST(Notizbuch, TexteWerdenByteGenauGespeichert) {
    const std::string texte[] = {
        " ",
        "   ",
        "\r\n",
        "  Zahnarzt  \r\n",
        "\xC4rztin, Stra\xDF" "e 5\r\n\r\n",
        std::string("mit\0Null", 8),
        std::string(20000, 'x') + "\r\nEnde",
    };
    for (const std::string& text : texte) {
        Tagebuch t(2026, 12, 6);
        t.Schreiben(text, 2026, 12, 7);
        EXPECT_EQ(t.buch.m_mapNotiz.at("06.12.2026"), text);
        EXPECT_EQ(t.buch.m_mapDatum.at("06.12.2026"), Anfang(2026, 12, 6));
        t.buch.DatumWechseln(Tag(2026, 12, 6));
        EXPECT_EQ(t.editor.text, text);
    }
}

// A note for every day across daylight-saving changes (and, where the zone
// has them, skipped midnights and left-out days): each lands under its own
// day's key with its own first instant.
TEST(Notizbuch, JederTagBehaeltSeineNotiz) {
    struct Spanne {
        int jahr, monat, tag, bisJahr, bisMonat, bisTag;
    };
    for (const Spanne& s : {Spanne{2011, 3, 1, 2012, 4, 30}, Spanne{2017, 2, 1, 2018, 3, 31}}) {
        const std::int64_t von = orakel::Tagesnummer(s.jahr, s.monat, s.tag);
        const std::int64_t bis = orakel::Tagesnummer(s.bisJahr, s.bisMonat, s.bisTag);
        Tagebuch t(s.jahr, s.monat, s.tag);
        std::int64_t aktuell = von;
        int fehlend = 0;
        for (std::int64_t n = von + 1; n <= bis + 1; ++n) {
            const orakel::Datum d = orakel::AusTagesnummer(n);
            t.editor.text = "Notiz " + orakel::Schluessel(aktuell);
            if (!orakel::TagesAnfang(n)) {
                EXPECT_THROW(t.buch.DatumWechseln(Tag(d.jahr, d.monat, d.tag)), CFalscherParameter);
                ++fehlend;
                continue;
            }
            t.buch.DatumWechseln(Tag(d.jahr, d.monat, d.tag));
            aktuell = n;
        }
        EXPECT_EQ(t.buch.m_mapNotiz.size(), static_cast<std::size_t>(bis - von + 1 - fehlend));
        for (std::int64_t n = von; n <= bis; ++n) {
            const auto anfang = orakel::TagesAnfang(n);
            if (!anfang) continue;
            const std::string schluessel = orakel::Schluessel(n);
            SCOPED_TRACE(schluessel);
            ASSERT_EQ(t.buch.m_mapNotiz.count(schluessel), 1u);
            EXPECT_EQ(t.buch.m_mapNotiz.at(schluessel), "Notiz " + schluessel);
            EXPECT_EQ(t.buch.m_mapDatum.at(schluessel), anfang->wert);
        }
    }
}

}  // namespace
