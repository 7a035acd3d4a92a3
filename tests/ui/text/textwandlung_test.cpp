#include <QtTest>
#include <stdexcept>

#include "textwandlung.h"

using namespace textwandlung;

class TextwandlungTest : public QObject {
    Q_OBJECT
private slots:
    // Line ends aside, every byte comes back as it was, the five that
    // Windows-1252 leaves open included: nothing a note holds can change.
    void jedesByteKommtUnveraendertZurueck() {
        std::string alle;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n') alle += char(b);
        QCOMPARE(NachKern(VonKern(alle)), alle);
        QVERIFY(NichtDarstellbar(VonKern(alle)).isEmpty());
    }

    void zeilenenden() {
        QCOMPARE(VonKern("a\r\nb\rc\nd\r\n"), QStringLiteral("a\nb\nc\nd\n"));
        QCOMPARE(NachKern(QString::fromUtf16(u"a\nb\r\nc\rd\u2028e\u2029f\r\r\n")),
                 std::string("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n"));
    }

    // A long text comes in paragraphs of 64 lines, the same whether it is
    // decoded or pasted, and goes back to the core byte for byte.
    void langeTexteInAbsaetzen() {
        for (int zeilen : {64, 65, 129}) {
            std::string bytes, kern;
            for (int i = 1; i <= zeilen; ++i) {
                bytes += "Zeile\xE4" + std::string(i % 3 ? "\r\n" : "\r");
                kern += "Zeile\xE4\r\n";
            }
            QString gruppiert = VonKern(bytes, 64);
            QString eingefuegt = QString::fromLatin1(bytes);  // CR LF and CR as pasted
            InAbsaetze(eingefuegt, 64);
            QCOMPARE(gruppiert, eingefuegt);
            QCOMPARE(gruppiert.count(u'\n'), zeilen > 64 ? zeilen / 64 : zeilen);
            QCOMPARE(gruppiert.indexOf(u'\n'), zeilen > 64 ? 64 * 7 - 1 : 6);
            QCOMPARE(NachKern(gruppiert), kern);
        }
    }

    // Refused rather than stored changed.
    void nichtDarstellbares() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QStringLiteral("Kraków ő")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QString(QChar(u'\0'))));
    }
};

QTEST_GUILESS_MAIN(TextwandlungTest)
#include "textwandlung_test.moc"
