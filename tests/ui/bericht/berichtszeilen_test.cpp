#include <QtTest>
#include <string>

#include "berichtszeilen.h"

// The report box's lines over the core's bytes. A report's lines end in
// CR LF; any other line end, lone CR or LF, is still one character shown.
class BerichtszeilenTest : public QObject {
    Q_OBJECT
private slots:
    void zeilenendenJederArt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<qsizetype>>("anfaenge");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<QByteArray>("kern");
        QTest::newRow("nur CR LF")
            << QByteArray("ab\r\n\r\n\xE4g\r\n") << QList<qsizetype>{0, 3, 4, 7}
            << QStringLiteral("ab\n\näg\n") << QByteArray("ab\r\n\r\n\xE4g\r\n");
        QTest::newRow("CR, LF, CR LF")
            << QByteArray("ab\r\nc\rde\nf\r\n\xE4g") << QList<qsizetype>{0, 3, 5, 8, 10}
            << QStringLiteral("ab\nc\nde\nf\näg") << QByteArray("ab\r\nc\r\nde\r\nf\r\n\xE4g");
        QTest::newRow("LF zuerst") << QByteArray("a\nb\r\nc") << QList<qsizetype>{0, 2, 4}
                                   << QStringLiteral("a\nb\nc") << QByteArray("a\r\nb\r\nc");
    }
    void zeilenendenJederArt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<qsizetype>, anfaenge);
        QFETCH(QString, gezeigt);
        QFETCH(QByteArray, kern);
        const Berichtszeilen zeilen(bytes.toStdString());

        QCOMPARE(zeilen.Zeichen(), gezeigt.size());
        QCOMPARE(zeilen.Text(0, zeilen.Zeichen()), gezeigt);
        QCOMPARE(QByteArray::fromStdString(zeilen.KernText()), kern);
        QCOMPARE(zeilen.Zeilen(), anfaenge.size());
        for (qsizetype z = 0; z < anfaenge.size(); ++z) {
            QCOMPARE(zeilen.Anfang(z), anfaenge[z]);
            QCOMPARE(zeilen.Zeile(z), gezeigt.section(u'\n', int(z), int(z)));
            // each of its characters and its end lies in it, the next line's
            // first character in the next
            for (qsizetype pos = anfaenge[z]; pos <= anfaenge[z] + zeilen.Laenge(z); ++pos)
                QCOMPARE(zeilen.ZeileBei(pos), z);
        }
        // a piece across line ends, as a selection copies it
        QCOMPARE(zeilen.Text(1, zeilen.Zeichen() - 1), gezeigt.mid(1, gezeigt.size() - 2));
    }
};

QTEST_GUILESS_MAIN(BerichtszeilenTest)
#include "berichtszeilen_test.moc"
