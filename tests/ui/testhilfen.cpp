#include "testhilfen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <cstdio>

#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"

ModalFolge::ModalFolge(QWidget* pAusser) : m_pAusser(pAusser) {
    connect(&m_takt, &QTimer::timeout, this, &ModalFolge::Pruefen);
    m_takt.start(10);
}

ModalFolge& ModalFolge::Dann(Antwort antwort) {
    m_antworten.push_back(std::move(antwort));
    return *this;
}

void ModalFolge::Pruefen() {
    QWidget* pFenster = QApplication::activePopupWidget();
    if (pFenster == nullptr) pFenster = QApplication::activeModalWidget();
    if (pFenster == nullptr || pFenster == m_pAusser || pFenster == m_pLetztes ||
        !pFenster->isVisible())
        return;
    m_pLetztes = pFenster;
    auto schliessen = [](QWidget* p) {
        if (auto* pDialog = qobject_cast<QDialog*>(p))
            pDialog->done(0);
        else
            p->close();
    };
    if (m_antworten.empty()) {
        QTest::qFail(qPrintable("unexpected window \"" + pFenster->windowTitle() + '"'), __FILE__,
                     __LINE__);
        schliessen(pFenster);
        return;
    }
    const Antwort antwort = std::move(m_antworten.front());
    m_antworten.pop_front();
    antwort(pFenster);
    if (QTest::currentTestFailed() && m_pLetztes && m_pLetztes->isVisible()) schliessen(m_pLetztes);
}

int FenstertestAusfuehren(QObject& test, int argc, char** argv) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "window tests run on X11 (xcb) only, not on \"%s\"\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    return QTest::qExec(&test, argc, argv);
}

namespace {
const QString kWache = QStringLiteral("-");  // a tooltip no refusal shows
}

void TippWacheStellen(QWidget* pFeld) {
    QToolTip::showText(pFeld->mapToGlobal(QPoint(0, 0)), kWache, pFeld);
}

QString TippSeitWache() {
    return QToolTip::isVisible() && QToolTip::text() != kWache ? QToolTip::text() : QString();
}

void Tippen(QWidget* pZiel, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            QTest::keyClick(pZiel, Qt::Key_Return);
            continue;
        }
        const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
        const QString zeichen = text.mid(i, n);
        QTest::sendKeyEvent(QTest::Click, pZiel, Qt::Key(zeichen.at(0).toUpper().unicode()),
                            zeichen, Qt::NoModifier);
        i += n - 1;
    }
}

void Klicken(QWidget* pFenster, const char* id) {
    auto* pKnopf = pFenster->findChild<QPushButton*>(QLatin1String(id));
    QVERIFY2(pKnopf != nullptr, id);
    QTest::mouseClick(pKnopf, Qt::LeftButton);
}

void MenuePunktKlicken(QWidget* pMenue, const QString& textAnfang) {
    auto* pMenu = qobject_cast<QMenu*>(pMenue);
    QVERIFY(pMenu != nullptr);
    for (QAction* pAktion : pMenu->actions()) {
        if (pAktion->text().startsWith(textAnfang))
            return QTest::mouseClick(pMenu, Qt::LeftButton, {},
                                     pMenu->actionGeometry(pAktion).center());
    }
    QFAIL(qPrintable("no menu entry " + textAnfang));
}

QWidget* Hilfefenster() {
    for (QWidget* pFenster : QApplication::topLevelWidgets())
        if (pFenster->objectName() == QLatin1String("Hilfe") && pFenster->isVisible())
            return pFenster;
    return nullptr;
}

Datumswert Moment(int jahr, int monat, int tag, int stunde, int minute) {
    auto feld = [](int wert) {
        return static_cast<std::uint16_t>(wert);
    };
    return datum::AusFeldern({feld(jahr), feld(monat), feld(tag), feld(stunde), feld(minute), 0});
}

Testfenster::Testfenster(Datumswert jetzt)
    : m_jetzt(jetzt),
      m_pDlg(static_cast<CKalenderApp*>(qApp)->HauptfensterErstellen([this] { return m_jetzt; })),
      m_dlg(*m_pDlg) {}

void Testfenster::Zeigen() {
    m_dlg.setWindowModality(Qt::ApplicationModal);
    m_dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_dlg));
}

CNotizEdit* Testfenster::Editor() {
    return m_dlg.findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"));
}
CMonatsKalender* Testfenster::Kalender() {
    return m_dlg.findChild<CMonatsKalender*>(QStringLiteral("IDC_KALENDER"));
}
QString Testfenster::Tag() {
    return m_dlg.findChild<QLabel*>(QStringLiteral("IDC_TAG"))->text();
}
void Testfenster::Tippen(const QString& text) {
    ::Tippen(Editor(), text);
}
void Testfenster::Rechtsklick(const QPoint& pos) {
    QTest::mouseClick(m_dlg.windowHandle(), Qt::RightButton, {}, pos);
}

void Testfenster::MitMausWaehlen(const QDate& tag) {
    CMonatsKalender* pKalender = Kalender();
    for (int i = 0; i < 24 && !pKalender->TagRechteck(tag).isValid(); ++i) {
        const QRect pfeil = tag < pKalender->ErsterMonat() ? pKalender->PfeilZurueckRechteck()
                                                           : pKalender->PfeilVorRechteck();
        QTest::mouseClick(pKalender, Qt::LeftButton, {}, pfeil.center());
    }
    const QRect zelle = pKalender->TagRechteck(tag);
    QVERIFY2(zelle.isValid(), qPrintable(tag.toString(Qt::ISODate) + " is not on show"));
    QTest::mouseClick(pKalender, Qt::LeftButton, {}, zelle.center());
}

void Testfenster::NotizenAnlegen(const std::vector<std::pair<QDate, QString>>& notizen,
                                 const QDate& danach) {
    for (const auto& [tag, text] : notizen) {
        MitMausWaehlen(tag);
        Tippen(text);
    }
    MitMausWaehlen(danach);
}

void Testfenster::Bericht(const QString* begriff, QString& titel, std::string& bericht) {
    // a report that never opens must not leave the last one standing
    titel.clear();
    bericht.assign(1, '?');  // not = "?": g++ 12 warns falsely on that
    ModalFolge folge(&m_dlg);
    if (begriff != nullptr) {
        folge.Dann([begriff](QWidget* pFinden) {
            ::Tippen(pFinden->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE")), *begriff);
            Klicken(pFinden, "IDOK");
        });
    }
    folge.Dann([&](QWidget* pBericht) {
        auto* pText = pBericht->findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"));
        QVERIFY(pText->isReadOnly());
        titel = pBericht->windowHandle()->title();  // as shown, not as set
        bericht = pText->KernText();
        Klicken(pBericht, "IDOK");
    });
    Klicken(&m_dlg, begriff != nullptr ? "ID_FINDEN" : "ID_TERMINE");
    QVERIFY(folge.AlleBeantwortet());
}

void Fenstertest::Oeffnen(Datumswert jetzt) {
    m_f = std::make_unique<Testfenster>(jetzt);
    m_f->Zeigen();
}

void Fenstertest::Schliessen() {
    m_f.reset();
    qputenv("TZ", m_zone);
}
