// Every kind of character pasted and typed into the note editor and the
// find box, and the days at the edges of the calendar. Each input is
// either held exactly (the same bytes come back from the store and the
// reports) or refused visibly with nothing inserted; a note already filed
// never changes.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "erwartung.h"
#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "testhilfen.h"

using namespace erwartung;

namespace {

const QDate kHeute(2026, 12, 6);
const QDate kAbend(2026, 12, 24);
const std::string kBestand = "[TERMIN] Bescherung";  // filed before every input
const std::string kVorher = "[TERMIN] vorher ";      // filed, and in the editor

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

// One megabyte of Windows-1252 letters in one line.
void LangeZeile(QString& zeichen, QByteArray& bytes) {
    const Alphabet abc = Druckbar1252();
    while (zeichen.size() < (1 << 20)) {
        zeichen += abc.zeichen;
        bytes += QByteArray::fromStdString(abc.bytes);
    }
}

// The appointment text the report shows for a note: after the marker up
// to the first CR, without white space at either end.
std::string Termintext(const std::string& notiz) {
    const std::size_t ende = notiz.find('\r');
    const std::string text = notiz.substr(8, ende == std::string::npos ? ende : ende - 8);
    const char* leer = " \t\n\v\f\r";
    const std::size_t anfang = text.find_first_not_of(leer);
    return anfang == std::string::npos
               ? std::string()
               : text.substr(anfang, text.find_last_not_of(leer) + 1 - anfang);
}

bool AblehnungGezeigt() {
    return TippSeitWache().startsWith(QStringLiteral("Diese"));
}

void Einfuegen(QWidget* pFeld, const QString& text) {
    QApplication::clipboard()->setText(text);
    pFeld->setFocus();
    QTest::keyClick(pFeld, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

class TestEingaben : public Fenstertest {
    Q_OBJECT

    void Taste(Qt::Key taste) { QTest::keyClick(m_f->Kalender(), taste); }

    // "&Finden" with `eingabe` pasted or typed into the box after "zahn":
    // what the box then held, whether it showed the refusal, and the report.
    QString SuchenMit(const QString& eingabe, bool tippen, bool& abgelehnt) {
        QString box;
        ModalFolge folge(&m_f->m_dlg);
        folge
            .Dann([&](QWidget* pFinden) {
                auto* pSuche = pFinden->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE"));
                ::Tippen(pSuche, QStringLiteral("zahn"));
                TippWacheStellen(pSuche);
                if (tippen)
                    ::Tippen(pSuche, eingabe);
                else
                    Einfuegen(pSuche, eingabe);
                box = pSuche->text();
                abgelehnt = AblehnungGezeigt();
                Klicken(pFinden, "IDOK");
            })
            .Dann([&](QWidget* pBericht) {
                m_titel = pBericht->windowTitle();
                m_bericht =
                    pBericht->findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"))->KernText();
                Klicken(pBericht, "IDOK");
            });
        Klicken(&m_f->m_dlg, "ID_FINDEN");
        [&] {
            QVERIFY(folge.AlleBeantwortet());
        }();
        return box;
    }

private slots:
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        m_f->NotizenAnlegen(
            {{kAbend, QString::fromLatin1(kBestand)}, {kHeute, QString::fromLatin1(kVorher)}},
            QDate(2026, 12, 7));
        Taste(Qt::Key_Left);
        m_f->Editor()->moveCursor(QTextCursor::End);
    }
    void cleanup() { Schliessen(); }

    void editor_data() {
        QTest::addColumn<bool>("tippen");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QByteArray>("gehalten");  // bytes that reach the store
        QTest::addColumn<QString>("abgelehnt");    // named in the refusals, in order

        const Alphabet abc = Druckbar1252();
        const QByteArray abcBytes = QByteArray::fromStdString(abc.bytes);
        QTest::newRow("1252 letters pasted") << false << abc.zeichen << abcBytes << QString();
        QTest::newRow("1252 letters typed") << true << abc.zeichen << abcBytes << QString();
        QTest::newRow("tab and C0 controls pasted")
            << false << U(u"a\tb\u0001c\u001Bd\u007Fe\u000Bf\u000Cg")
            << QByteArray(
                   "a\tb\x01"
                   "c\x1B"
                   "d\x7F"
                   "e\x0B"
                   "f\x0C"
                   "g")
            << QString();
        QTest::newRow("bytes 1252 leaves undefined")
            << false << U(u"\u0081\u008D\u008F\u0090\u009D") << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QString();
        QTest::newRow("every line end")
            << false << U(u"a\rb\nc\r\nd\u2028e\u2029f\n\n")
            << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n") << QString();
        QString lang;
        QByteArray langBytes;
        LangeZeile(lang, langBytes);
        QTest::newRow("1 MB in one line") << false << lang << langBytes << QString();

        QTest::newRow("Polish") << false << U(u"Grüße aus Łódź") << QByteArray() << U(u"Łź");
        QTest::newRow("Cyrillic") << false << U(u"Привет") << QByteArray() << U(u"Привет");
        QTest::newRow("emoji") << false << U(u"a😀b🎄c😀") << QByteArray() << U(u"😀🎄");
        QTest::newRow("lone surrogate") << false
                                        << U(u"a\xD83D"
                                             u"b")
                                        << QByteArray() << U(u"\xD83D");
        QTest::newRow("U+FFFD, BOM")
            << false << U(u"\uFFFD\uFEFF") << QByteArray() << U(u"\uFFFD\uFEFF");
        QTest::newRow("NUL") << false << QString(QChar(u'\0')) << QByteArray()
                             << QString(QChar(u'\0'));
        QTest::newRow("C1 controls 1252 gives other letters")
            << false << U(u"\u0080\u0085\u009F") << QByteArray() << U(u"\u0080\u0085\u009F");
        QTest::newRow("typed, key by key")
            << true << U(u"Kraków ł 😀!") << QByteArray("Krak\xF3w  !") << U(u"ł😀");
    }
    void editor() {
        QFETCH(bool, tippen);
        QFETCH(QString, eingabe);
        QFETCH(QByteArray, gehalten);
        QFETCH(QString, abgelehnt);
        QSignalSpy spy(m_f->Editor(), &CNotizEdit::Abgelehnt);
        TippWacheStellen(m_f->Editor());
        if (tippen)
            m_f->Tippen(eingabe);
        else
            Einfuegen(m_f->Editor(), eingabe);

        QString gemeldet;
        for (const QList<QVariant>& meldung : spy) gemeldet += meldung.at(0).toString();
        QCOMPARE(gemeldet, abgelehnt);
        QCOMPARE(AblehnungGezeigt(), !abgelehnt.isEmpty());
        const std::string notiz = kVorher + gehalten.toStdString();
        BYTEGLEICH(m_f->Editor()->KernText(), notiz);

        Taste(Qt::Key_Right);
        Suchen(QString());
        BYTEGLEICH(m_bericht, Abschnitt(kHeute, notiz) + Abschnitt(kAbend, kBestand));
        Termine();
        BYTEGLEICH(m_bericht, Terminzeile(kHeute, 0, Termintext(notiz)) +
                                  Terminzeile(kAbend, 18, "Bescherung"));
        Taste(Qt::Key_Left);
        BYTEGLEICH(m_f->Editor()->KernText(), notiz);
    }

    // The box holds the term as given (line ends as in a note, CR LF);
    // what 1252 cannot hold is refused and the box keeps "zahn".
    void suchbegriff_data() {
        QTest::addColumn<bool>("tippen");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QByteArray>("notiz");  // filed on 6 December, found by the term
        QTest::addColumn<bool>("abgelehnt");

        const Alphabet abc = Druckbar1252();
        QTest::newRow("1252 letters pasted")
            << false << abc.zeichen << QByteArray::fromStdString("zahn" + abc.bytes) << false;
        QTest::newRow("1252 letters typed")
            << true << U(u"ÄÖÜß€ŠŸŽŒ") << QByteArray("ZAHN\xE4\xF6\xFC\xDF\x80\x9A\xFF\x9E\x9C")
            << false;
        QTest::newRow("tab and controls")
            << false << U(u"\t\u0001\u007F") << QByteArray("Zahn\t\x01\x7F") << false;
        QTest::newRow("line ends") << false << U(u"arzt\r10 Uhr\nab\r\nb")
                                   << QByteArray("Zahnarzt\r\n10 Uhr\r\nab\r\nb") << false;
        QString lang;
        QByteArray langBytes;
        LangeZeile(lang, langBytes);
        QTest::newRow("1 MB in one line")
            << false << lang << "Zahn" + langBytes + "\r\nEnde" << false;

        QTest::newRow("Polish pasted") << false << U(u"ł") << QByteArray("Zahnarzt") << true;
        QTest::newRow("emoji typed") << true << U(u"😀") << QByteArray("Zahnarzt") << true;
        QTest::newRow("NUL") << false << QString(QChar(u'\0')) << QByteArray("Zahnarzt") << true;
        QTest::newRow("C1 control") << false << U(u"\u0085") << QByteArray("Zahnarzt") << true;
    }
    void suchbegriff() {
        QFETCH(bool, tippen);
        QFETCH(QString, eingabe);
        QFETCH(QByteArray, notiz);
        QFETCH(bool, abgelehnt);
        QTest::keyClick(m_f->Editor(), Qt::Key_A, Qt::ControlModifier);
        Einfuegen(m_f->Editor(), Aus1252(notiz.toStdString()));
        Taste(Qt::Key_Right);

        bool gezeigt = false;
        const QString box = SuchenMit(eingabe, tippen, gezeigt);
        QCOMPARE(gezeigt, abgelehnt);
        const QString begriff = QStringLiteral("zahn") + (abgelehnt ? QString() : eingabe);
        QCOMPARE(box, begriff);
        QString klein = begriff.toLower();
        klein.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        QCOMPARE(m_titel, QStringLiteral("Gefundene Notizen mit \"%1\"").arg(klein));
        BYTEGLEICH(m_bericht, Abschnitt(kHeute, notiz.toStdString()));
    }

    // 1 January 1900 and 31 December 9999 are filed and reported like any
    // day; the keys that would leave the range change nothing.
    void raenderDesKalenders_data() {
        QTest::addColumn<QDate>("rand");
        QTest::addColumn<int>("hinein");  // the arrow back into the range
        QTest::addColumn<QList<int>>("hinaus");
        QTest::newRow("1900-01-01") << QDate(1900, 1, 1) << int(Qt::Key_Right)
                                    << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp};
        QTest::newRow("9999-12-31") << QDate(9999, 12, 31) << int(Qt::Key_Left)
                                    << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown};
    }
    void raenderDesKalenders() {
        QFETCH(QDate, rand);
        QFETCH(int, hinein);
        QFETCH(QList<int>, hinaus);
        const int zurueck = hinein == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
        Oeffnen(Moment(rand.year(), rand.month(), rand.day(), 12));
        m_f->Tippen(QStringLiteral("[TERMIN] am Rand"));
        Taste(Qt::Key(hinein));
        Suchen(QString());
        BYTEGLEICH(m_bericht, Abschnitt(rand, "[TERMIN] am Rand"));
        Termine();
        BYTEGLEICH(m_bericht, Terminzeile(rand, 0, "am Rand"));

        Taste(Qt::Key(zurueck));
        ModalFolge keinFenster(&m_f->m_dlg);
        for (int taste : hinaus) {
            Taste(Qt::Key(taste));
            QCOMPARE(m_f->Kalender()->Auswahl(), rand);
            QCOMPARE(m_f->Tag(), Beschriftung(rand));
            QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("[TERMIN] am Rand"));
        }
    }

    // Samoa skipped 30 December 2011. Clicking it shows the error; the
    // editor, the label and every filed note stay as they were.
    void tagDenDieZoneAuslaesst() {
        qputenv("TZ", "Pacific/Apia");
        Oeffnen(Moment(2011, 12, 29, 12));
        m_f->NotizenAnlegen({{QDate(2011, 12, 31), QStringLiteral("Silvester")},
                             {QDate(2011, 12, 29), QStringLiteral("Donnerstag")}},
                            QDate(2011, 12, 28));
        m_f->MitMausWaehlen(QDate(2011, 12, 29));
        m_f->Editor()->moveCursor(QTextCursor::End);
        m_f->Tippen(QStringLiteral(", dann Samstag"));
        const std::string gefiled = Abschnitt(QDate(2011, 12, 29), "Donnerstag") +
                                    Abschnitt(QDate(2011, 12, 31), "Silvester");

        QString fehler;
        {
            ModalFolge folge(&m_f->m_dlg);
            folge.Dann([&fehler](QWidget* pBox) {
                fehler = qobject_cast<QMessageBox*>(pBox)->text();
                QTest::keyClick(pBox, Qt::Key_Return);
            });
            m_f->MitMausWaehlen(QDate(2011, 12, 30));
            QVERIFY(folge.AlleBeantwortet());
        }
        QCOMPARE(fehler, QStringLiteral("Falscher Parameter."));
        QCOMPARE(m_f->Kalender()->Auswahl(), QDate(2011, 12, 29));
        QCOMPARE(m_f->Tag(), Beschriftung(QDate(2011, 12, 29)));
        QCOMPARE(m_f->Editor()->toPlainText(), QStringLiteral("Donnerstag, dann Samstag"));
        Suchen(QString());
        BYTEGLEICH(m_bericht, gefiled);
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestEingaben test;
    return FenstertestAusfuehren(test, argc, argv);
}

#include "tst_eingaben.moc"
