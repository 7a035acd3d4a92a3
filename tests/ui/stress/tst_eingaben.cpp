// Every kind of character pasted and typed into the note editor (what
// other programs leave on the clipboard is tst_einfuegen's). Each input is
// either held exactly (the same bytes come back from the store and the
// reports) or refused visibly with nothing inserted; a note already filed
// never changes.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "fenstertreiber.h"
#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"

using namespace fenster;

namespace {

const QDate kHeute(2026, 12, 6);
const std::string kBestand = "[TERMIN] Bescherung";  // filed on the 24th before every input
const std::string kVorher = "[TERMIN] vorher ";      // filed, and in the editor

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}
QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

void Eingeben(QWidget* pFeld, const QString& text, bool tippen) {
    TippWacheStellen(pFeld);
    if (tippen) return Tippen(pFeld, text);
    QApplication::clipboard()->setText(text);
    pFeld->setFocus();
    QTest::keyClick(pFeld, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

class TestEingaben : public Fenstertest {
    Q_OBJECT

    void Taste(Qt::Key taste) { QTest::keyClick(m_f->Kalender(), taste); }

private slots:
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        m_f->NotizenAnlegen({{QDate(2026, 12, 24), QString::fromLatin1(kBestand)},
                             {kHeute, QString::fromLatin1(kVorher)}},
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

        const orakel::Alphabet abc = orakel::Druckbar1252();
        const QByteArray abcBytes = QByteArray::fromStdString(abc.bytes);
        QTest::newRow("1252 letters pasted") << false << Q(abc.zeichen) << abcBytes << QString();
        QTest::newRow("1252 letters typed") << true << Q(abc.zeichen) << abcBytes << QString();
        QTest::newRow("controls and the bytes 1252 leaves open")
            << false << U(u"a\tb\u0001c\u001Bd\u007F\u000B\u000C\u0081\u008D\u008F\u0090\u009D")
            << QByteArray(
                   "a\tb\x01"
                   "c\x1B"
                   "d\x7F\x0B\x0C\x81\x8D\x8F\x90\x9D")
            << QString();
        QTest::newRow("lone surrogate") << false
                                        << U(u"a\xD83D"
                                             u"b")
                                        << QByteArray() << U(u"\xD83D");
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
        Eingeben(m_f->Editor(), eingabe, tippen);

        QString gemeldet;
        for (const QList<QVariant>& meldung : spy) gemeldet += meldung.at(0).toString();
        QCOMPARE(gemeldet, abgelehnt);
        QCOMPARE(!TippSeitWache().isEmpty(), !abgelehnt.isEmpty());
        const std::string notiz = kVorher + gehalten.toStdString();
        BYTEGLEICH(m_f->Editor()->KernText(), notiz);
        Taste(Qt::Key_Right);
        const orakel::Notizen notizen = {{{2026, 12, 6}, notiz}, {{2026, 12, 24}, kBestand}};
        BYTEGLEICH(m_f->Suchen(QString()).text, orakel::Suchbericht(notizen, ""));
        BYTEGLEICH(m_f->Termine().text, orakel::Terminbericht(notizen, {2026, 12, 6}));
        Taste(Qt::Key_Left);
        BYTEGLEICH(m_f->Editor()->KernText(), notiz);
    }
};

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    TestEingaben test;
    return FenstertestAusfuehren(test, argc, argv);
}

#include "tst_eingaben.moc"
