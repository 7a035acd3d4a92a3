// Input as it reaches the boxes on X11. Every kind of character typed or
// pasted into the note editor is either held exactly (the same bytes come
// back from the store and the reports) or refused visibly with nothing
// inserted, and a note already filed never changes. Foreign data comes from
// the clipboard (Ctrl+V, Shift+Insert, the context menu's "Einfügen"), from
// the selection (middle click), from a drop and from an input method, in the
// states other programs leave it in. Whatever comes, the program keeps
// running and keeps what was typed; text Windows-1252 can hold goes in
// exactly, any other text is refused whole with the tooltip, data without
// text brings in nothing, and the report box takes nothing at all.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "berichtsansicht.h"
#include "bestand.h"
#include "fenstertreiber.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "textwandlung.h"

using namespace Qt::StringLiterals;
using namespace fenster;

namespace {

enum Feld { Editor, Notiz, Bericht, Suche };
const char* const kFeldname[] = {"Hauptfenster", "Notiz", "Bericht", "Finden"};

enum Weg { StrgV, UmschaltEinfg, Kontextmenue, Mittelklick, Ablegen, Eingabemethode };
const char* const kWegname[] = {"Strg+V",      "Umschalt+Einfg", "Kontextmenue",
                                "Mittelklick", "Ablegen",        "Eingabemethode"};

// What another program offers, and what the box must make of it.
struct Zustand {
    const char* name;
    QByteArray typ;  // the X11 target offered; empty: nobody owns the selection
    QByteArray daten;
    bool einmal;    // the owner leaves after its first hand-over (xclip -loops 1)
    QString text;   // what goes in, lines ending in "\n"; with `einmal` it may be nothing
    QString tipp;   // the refusal's tooltip; empty: none
    bool alleWege;  // tried on every way, not only Ctrl+V
};

const std::vector<Zustand>& Zustaende() {
    static const std::vector<Zustand> alle = [] {
        // 20 MB in lines, as a long web page copied whole.
        QByteArray gross;
        QString grossText;
        for (int i = 0; gross.size() < 20 * 1024 * 1024; ++i) {
            const QString zeile =
                QStringLiteral("Zeile %1: Grüße aus der Zwischenablage, 5 €\n").arg(i, 7);
            grossText += zeile;
            gross += zeile.toUtf8();
        }
        const QString web = QString::fromUtf16(u"Am 24.\u202FDezember\u200B um 18\u202FUhr");
        const QString ab = QStringLiteral("Eine Notiz kann diese Zeichen nicht aufnehmen: ");
        const QString nul =
            QStringLiteral("Eine Notiz kann dieses Zeichen nicht aufnehmen: U+0000");
        const QByteArray png("\x89PNG\r\n\x1A\n");
        const QString url = QStringLiteral("file:///tmp/brief.txt");
        const QString zeilen = QStringLiteral("Grüße €\n10 Uhr\nab");
        return std::vector<Zustand>{
            {"niemand besitzt", {}, {}, false, {}, {}, true},
            {"Besitzer geht", "UTF8_STRING", "Geist", true, u"Geist"_s, {}, true},
            {"nur Bild", "image/png", png, false, {}, {}, true},
            // Qt reads a file list as text: its addresses, as it always did.
            {"nur Dateiliste", "text/uri-list", url.toUtf8() + "\r\n", false, url, {}, false},
            {"nur HTML", "text/html", "<p>Grüße</p>", false, {}, {}, false},
            {"20 MB", "UTF8_STRING", gross, false, grossText, {}, false},
            {"NUL, CR, LF", "UTF8_STRING", QByteArray("a\0b\rc\nd", 7), false, {}, nul, false},
            {"Zeilen, Umlaute", "UTF8_STRING", "Grüße €\r10 Uhr\nab", false, zeilen, {}, true},
            {"Webtext", "UTF8_STRING", web.toUtf8(), false, {}, ab + u"U+202F U+200B"_s, true},
        };
    }();
    return alle;
}

// Another X11 client owning the clipboard or the selection: xclip.
class FremderBesitzer {
public:
    ~FremderBesitzer() {
        m_xclip.kill();
        m_xclip.waitForFinished();
    }

    void Anbieten(QClipboard::Mode modus, const Zustand& z) {
        QClipboard* pAblage = QApplication::clipboard();
        if (z.typ.isEmpty()) {
            // Owned first, so that clearing gives it up even after xclip.
            pAblage->setText(QStringLiteral("x"), modus);
            pAblage->clear(modus);
            QVERIFY(pAblage->mimeData(modus)->formats().isEmpty());
            return;
        }
        QSignalSpy uebernommen(pAblage, &QClipboard::changed);
        QStringList argumente{QStringLiteral("-selection"),
                              modus == QClipboard::Selection ? QStringLiteral("primary")
                                                             : QStringLiteral("clipboard"),
                              QStringLiteral("-t"), QString::fromLatin1(z.typ),
                              QStringLiteral("-quiet")};
        if (z.einmal) argumente << QStringLiteral("-loops") << QStringLiteral("1");
        m_xclip.start(QStringLiteral("xclip"), argumente);
        QVERIFY2(m_xclip.waitForStarted(), "xclip is missing (Debian package xclip)");
        m_xclip.write(z.daten);
        m_xclip.closeWriteChannel();
        QVERIFY(uebernommen.wait(20000));
        QVERIFY(!pAblage->ownsClipboard() && !pAblage->ownsSelection());
    }

private:
    QProcess m_xclip;
};

std::unique_ptr<QMimeData> AlsGezogen(const Zustand& z) {
    auto pDaten = std::make_unique<QMimeData>();
    if (z.typ == "UTF8_STRING")
        pDaten->setText(QString::fromUtf8(z.daten));
    else if (!z.typ.isEmpty())
        pDaten->setData(QString::fromLatin1(z.typ), z.daten);
    return pDaten;
}

// As the window system delivers a drag that is let go where it is taken.
void Ziehen(QWidget* pZiel, const QMimeData* pDaten, QPoint p) {
    QDragEnterEvent betreten(p, Qt::CopyAction, pDaten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pZiel, &betreten);
    QDragMoveEvent bewegen(p, Qt::CopyAction, pDaten, Qt::LeftButton, Qt::NoModifier);
    if (betreten.isAccepted()) QApplication::sendEvent(pZiel, &bewegen);
    if (!betreten.isAccepted() || !bewegen.isAccepted()) {
        QDragLeaveEvent verlassen;
        QApplication::sendEvent(pZiel, &verlassen);
        return;
    }
    QDropEvent ablegen(p, Qt::CopyAction, pDaten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pZiel, &ablegen);
}

// Chooses "Einfügen" where the menu offers it; otherwise closes the menu.
void EinfuegenWaehlen(QWidget* pMenue) {
    auto* pMenu = qobject_cast<QMenu*>(pMenue);
    QVERIFY(pMenu != nullptr);
    for (QAction* pAktion : pMenu->actions()) {
        if (QString(pAktion->text()).remove(u'&').startsWith(QStringLiteral("Einfügen")) &&
            pAktion->isEnabled())
            return QTest::mouseClick(pMenu, Qt::LeftButton, {},
                                     pMenu->actionGeometry(pAktion).center());
    }
    pMenu->close();
}

// The box's text, every line end as "\n".
QString Inhalt(QWidget* pFeld) {
    if (auto* pZeile = qobject_cast<QLineEdit*>(pFeld))
        return pZeile->text()
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(u'\r', u'\n');
    if (auto* pBericht = qobject_cast<CBerichtsansicht*>(pFeld))
        return textwandlung::VonKern(pBericht->Zeilen().KernText());
    return textwandlung::VonKern(qobject_cast<CNotizEdit*>(pFeld)->KernText());
}

}  // namespace

class TestEinfuegen : public Fenstertest {
    Q_OBJECT

    void Ausfuehren(Weg weg, QWidget* pFeld, const Zustand& z) {
        auto* pText = qobject_cast<QAbstractScrollArea*>(pFeld);
        QWidget* pFlaeche = pText != nullptr ? pText->viewport() : pFeld;  // mouse and drops
        const QPoint ende(pFlaeche->width() - 4, pFlaeche->height() - 4);  // after the text
        FremderBesitzer besitzer;
        if (weg == Mittelklick)
            besitzer.Anbieten(QClipboard::Selection, z);
        else if (weg != Ablegen && weg != Eingabemethode)
            besitzer.Anbieten(QClipboard::Clipboard, z);
        if (QTest::currentTestFailed()) return;

        switch (weg) {
            case StrgV:
                QTest::keyClick(pFeld, Qt::Key_V, Qt::ControlModifier);
                break;
            case UmschaltEinfg:
                QTest::keyClick(pFeld, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Kontextmenue: {
                QWidget* pFenster = pFeld->window();
                Fensterfolge menue(pFenster);
                menue.Dann(EinfuegenWaehlen);
                QTest::mouseClick(pFenster->windowHandle(), Qt::RightButton, {},
                                  pFlaeche->mapTo(pFenster, ende));
                QTRY_VERIFY(menue.AlleBeantwortet());  // the box's menu does not wait
                break;
            }
            case Mittelklick:
                QTest::mouseClick(pFlaeche, Qt::MiddleButton, {}, ende);
                break;
            case Ablegen:
                Ziehen(pFlaeche, AlsGezogen(z).get(), ende);
                break;
            case Eingabemethode: {
                QInputMethodEvent eingabe;
                eingabe.setCommitString(QString::fromUtf8(z.daten));
                QApplication::sendEvent(pFeld, &eingabe);
                break;
            }
        }
    }

    // Opens `feld` with text in it and the cursor at its end, runs `weg`
    // with `z` there: what the box held before and after, and the tooltip.
    void ImFeld(Feld feld, Weg weg, const Zustand& z, QString& vorher, QString& nachher,
                QString& tipp) {
        auto versuchen = [&](QWidget* pFeld) {
            if (feld == Suche)
                Tippen(pFeld, QStringLiteral("vorher "));
            else
                QTest::keyClick(pFeld, Qt::Key_End, Qt::ControlModifier);
            vorher = Inhalt(pFeld);
            TippWacheStellen(pFeld);
            Ausfuehren(weg, pFeld, z);
            nachher = Inhalt(pFeld);
            tipp = TippSeitWache();
        };
        if (feld == Editor) return versuchen(m_f->Editor());
        m_f->Befehl(feld == Notiz   ? "ID_NOTIZ"
                    : feld == Suche ? "ID_FINDEN"
                                    : "ID_TERMINE",
                    {[&](QWidget* pDialog) {
                        versuchen(Steuerelement<QWidget>(
                            pDialog, feld == Suche ? "IDC_SUCHE" : "IDC_NOTIZ"));
                        Klicken(pDialog, "IDCANCEL");
                    }});
    }

private slots:
    void init() {
        Oeffnen(Moment(2026, 12, 6, 14, 30));
        BestandAnlegen(*m_f);
    }
    void cleanup() { Schliessen(); }

    void zeichen_data() {
        QTest::addColumn<bool>("tippen");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QByteArray>("gehalten");  // bytes that reach the store
        QTest::addColumn<QString>("abgelehnt");    // named in the refusals, in order

        const orakel::Alphabet abc = orakel::Druckbar1252();
        const QString zeichen = QString::fromStdU16String(abc.zeichen);
        const QByteArray bytes = QByteArray::fromStdString(abc.bytes);
        QTest::newRow("1252 letters typed") << true << zeichen << bytes << QString();
        QTest::newRow("controls and the bytes 1252 leaves open")
            << false << u"a\tb\u0001c\u001Bd\u007F\u000B\u000C\u0081\u008D\u008F\u0090\u009D"_s
            << QByteArray(
                   "a\tb\x01"
                   "c\x1B"
                   "d\x7F\x0B\x0C\x81\x8D\x8F\x90\x9D")
            << QString();
        QTest::newRow("lone surrogate") << false
                                        << u"a\xD83D"
                                           u"b"_s
                                        << QByteArray() << QString(QChar(0xD83D));
        QTest::newRow("C1 controls 1252 gives other letters")
            << false << u"\u0080\u0085\u009F"_s << QByteArray() << u"\u0080\u0085\u009F"_s;
        QTest::newRow("typed, key by key")
            << true << u"Kraków ł 😀!"_s << QByteArray("Krak\xF3w  !") << u"ł😀"_s;

        // 10 MB in lines of every letter, ending CR LF and LF in turn.
        QString text;
        QByteArray gross;
        for (int zeile = 0; gross.size() < 10 << 20; ++zeile) {
            const qsizetype ab = (zeile * 7) % bytes.size();
            const QString nummer = QString::number(zeile).rightJustified(6, u'0') + u' ';
            text += nummer + (zeichen + zeichen).mid(ab, 90) + (zeile % 2 ? u"\r\n"_s : u"\n"_s);
            gross += nummer.toLatin1() + (bytes + bytes).mid(ab, 90) + "\r\n";
        }
        QTest::newRow("10 MB pasted") << false << text << gross << QString();
    }
    void zeichen() {
        QFETCH(bool, tippen);
        QFETCH(QString, eingabe);
        QFETCH(QByteArray, gehalten);
        QFETCH(QString, abgelehnt);
        CNotizEdit* pEditor = m_f->Editor();
        pEditor->moveCursor(QTextCursor::End);
        QSignalSpy spy(pEditor, &CNotizEdit::Abgelehnt);
        TippWacheStellen(pEditor);
        pEditor->setFocus();
        if (tippen) {
            Tippen(pEditor, eingabe);
        } else {
            QApplication::clipboard()->setText(eingabe);
            QTest::keyClick(pEditor, Qt::Key_V, Qt::ControlModifier);
        }

        QString gemeldet;
        for (const QList<QVariant>& meldung : spy) gemeldet += meldung.at(0).toString();
        QCOMPARE(gemeldet, abgelehnt);
        QCOMPARE(!TippSeitWache().isEmpty(), !abgelehnt.isEmpty());
        const std::string notiz = kVorher + gehalten.toStdString();
        BYTEGLEICH(pEditor->KernText(), notiz);
        QTest::keyClick(m_f->Kalender(), Qt::Key_Right);
        const orakel::Notizen notizen = {{{2026, 12, 6}, notiz}, {{2026, 12, 24}, kBestand}};
        BYTEGLEICH(m_f->Suchen(QString()).text, orakel::Suchbericht(notizen, ""));
        BYTEGLEICH(m_f->Termine().text, orakel::Terminbericht(notizen, {2026, 12, 6}));
        QTest::keyClick(m_f->Kalender(), Qt::Key_Left);
        BYTEGLEICH(pEditor->KernText(), notiz);
        QTest::keyClick(pEditor, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(pEditor->viewport()->rect().contains(pEditor->cursorRect()));
    }

    void einfuegen_data() {
        QTest::addColumn<int>("feld");
        QTest::addColumn<int>("weg");
        QTest::addColumn<int>("zustand");
        const std::vector<Zustand>& zustaende = Zustaende();
        for (int feld = Editor; feld <= Suche; ++feld) {
            for (int weg = StrgV; weg <= Eingabemethode; ++weg) {
                for (int i = 0; i < int(zustaende.size()); ++i) {
                    const Zustand& z = zustaende[i];
                    if (weg != StrgV && !z.alleWege) continue;
                    if (weg >= Ablegen && z.einmal) continue;  // no owner to leave
                    if (weg == Eingabemethode && z.typ != "UTF8_STRING" && !z.typ.isEmpty())
                        continue;  // an input method brings text only
                    QTest::addRow("%s/%s/%s", kFeldname[feld], kWegname[weg], z.name)
                        << feld << weg << i;
                }
            }
        }
    }
    void einfuegen() {
        QFETCH(int, feld);
        QFETCH(int, weg);
        QFETCH(int, zustand);
        const Zustand& z = Zustaende()[zustand];
        QString vorher, nachher, tipp;
        ImFeld(Feld(feld), Weg(weg), z, vorher, nachher, tipp);
        if (QTest::currentTestFailed()) return;

        QVERIFY(vorher.contains(QStringLiteral("vorher")));
        if (feld == Bericht) {
            QCOMPARE(nachher, vorher);
            QCOMPARE(tipp, QString());
            return;
        }
        // The closing menu may take the refusal's tooltip with it.
        // the find box names a search term where the editors name a note
        QString erwartet = z.tipp;
        if (feld == Suche)
            erwartet.replace(QStringLiteral("Eine Notiz"), QStringLiteral("Ein Suchbegriff"))
                .replace(QStringLiteral("aufnehmen"), QStringLiteral("enthalten"));
        if (weg != Kontextmenue || tipp != QString()) QCOMPARE(tipp, erwartet);
        if (z.einmal && nachher == vorher) return;  // gone before it handed over
        BYTEGLEICH(nachher.toStdString(), (vorher + z.text).toStdString());
    }
};

FENSTERTEST_MAIN(TestEinfuegen)

#include "tst_einfuegen.moc"
