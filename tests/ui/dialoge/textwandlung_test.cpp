#include <QtTest>
#include <stdexcept>
#include <string>

#include "textwandlung.h"

using namespace textwandlung;

class TextwandlungTest : public QObject {
    Q_OBJECT
private slots:
    void umlauteUndEuroWerdenEinzelneBytes() {
        const QString text = QStringLiteral("Grüße an Jörg: 5 € für Öl, ÄÜ ß");
        const std::string bytes = "Gr\xFC\xDF" "e an J\xF6rg: 5 \x80 f\xFCr \xD6l, \xC4\xDC \xDF";
        QCOMPARE(NachKern(text), bytes);
        QCOMPARE(VonKern(bytes), text);
    }

    void jedesByteUebersteht_HinUndZurueck() {
        // Line-end bytes aside, every byte comes back as it was, the five
        // that 1252 leaves undefined included.
        std::string alle;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n')
                alle += char(b);
        QCOMPARE(NachKern(VonKern(alle)), alle);
        QVERIFY(NichtDarstellbar(VonKern(alle)).isEmpty());
        QCOMPARE(VonKern("\x81\x8D\x8F\x90\x9D"), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    }

    void zeilenenden() {
        QCOMPARE(VonKern("a\r\nb\rc\nd\r\n"), QStringLiteral("a\nb\nc\nd\n"));
        QCOMPARE(NachKern(QString::fromUtf16(u"a\nb\r\nc\rd\u2028e\u2029f\r\r\n")),
                 std::string("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n"));
    }

    void nichtDarstellbareZeichen_jedesEinmalInReihenfolge() {
        const QString text = QString::fromUtf16(u"Őrség ő 😀 € ŉ ő 😀\r\n\u2029");
        QCOMPARE(NichtDarstellbar(text), QString::fromUtf16(u"Őő😀ŉ"));
        QCOMPARE(NichtDarstellbar(QStringLiteral("Grüße € «»\t\r\n")), QString());
        QCOMPARE(NichtDarstellbar(QString(QChar(u'\0'))), QString(QChar(u'\0')));
    }

    void nichtDarstellbaresErreichtDenKernNie() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QStringLiteral("Kraków ő")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, NachKern(QString(QChar(u'\0'))));
    }
};

QTEST_GUILESS_MAIN(TextwandlungTest)
#include "textwandlung_test.moc"
