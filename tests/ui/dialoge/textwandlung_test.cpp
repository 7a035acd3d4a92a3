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

    // Refused rather than stored changed.
    void nichtDarstellbares() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QStringLiteral("Kraków ő")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QString(QChar(u'\0'))));
    }
};

QTEST_GUILESS_MAIN(TextwandlungTest)
#include "textwandlung_test.moc"
