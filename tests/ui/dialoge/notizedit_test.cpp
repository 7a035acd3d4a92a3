#include <QtTest>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QToolTip>

#include "bedienen.h"
#include "notizedit.h"

class NotizEditTest : public QObject {
    Q_OBJECT
private slots:
    void fremdeZeichenWerdenAufJedemWegSichtbarAbgelehnt() {
        CNotizEdit edit;
        edit.KernTextSetzen("Gr\xFC\xDF" "e");
        edit.moveCursor(QTextCursor::End);
        edit.show();
        QSignalSpy abgelehnt(&edit, &CNotizEdit::Abgelehnt);

        Tippen(&edit, QString::fromUtf16(u" ő€"));
        QCOMPARE(abgelehnt.takeFirst().at(0).toString(), QStringLiteral("ő"));
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Dieses Zeichen kann eine Notiz nicht aufnehmen: ő"));

        QApplication::clipboard()->setText(QStringLiteral(" Łódź und ő"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(abgelehnt.takeFirst().at(0).toString(), QStringLiteral("Łźő"));
        QCOMPARE(QToolTip::text(), QStringLiteral("Diese Zeichen kann eine Notiz nicht aufnehmen: Ł ź ő"));

        QMimeData daten;
        daten.setText(QStringLiteral("ő"));
        const QPoint ort = edit.viewport()->rect().center();
        QDragEnterEvent hinein(ort, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit.viewport(), &hinein);
        QDropEvent ablegen(ort, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit.viewport(), &ablegen);
        QVERIFY(!ablegen.isAccepted());  // a moving source keeps its text

        QInputMethodEvent eingabe;
        eingabe.setCommitString(QStringLiteral("ő"));
        QApplication::sendEvent(&edit, &eingabe);

        QCOMPARE(abgelehnt.size(), 2);
        abgelehnt.clear();
        QCOMPARE(edit.KernText(), std::string("Gr\xFC\xDF" "e \x80"));

        // What 1252 holds still gets in by the same ways.
        QApplication::clipboard()->setText(QStringLiteral(" Küsse\n"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        eingabe.setCommitString(QStringLiteral("ä"));
        QApplication::sendEvent(&edit, &eingabe);
        QCOMPARE(edit.KernText(), std::string("Gr\xFC\xDF" "e \x80 K\xFCsse\r\n\xE4"));
        QVERIFY(abgelehnt.isEmpty());
    }

    void umschaltEnterWirdZeilenende() {
        CNotizEdit edit;
        Tippen(&edit, QStringLiteral("a"));
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
        Tippen(&edit, QStringLiteral("b"));
        QCOMPARE(edit.KernText(), std::string("a\r\nb"));
    }
};

QTEST_MAIN(NotizEditTest)
#include "notizedit_test.moc"
