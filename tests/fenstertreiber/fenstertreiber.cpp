#include "fenstertreiber.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "berichtsansicht.h"
#include "kalender_app.h"
#include "monatskalender.h"
#include "notizedit.h"

namespace fenster {
namespace {

std::function<void(const QString&)> g_fehlschlag = [](const QString& grund) {
    QTest::qFail(qPrintable(grund), __FILE__, __LINE__);
};

constexpr int kWartenMs = 5000;              // for a window to become active
const QString kWache = QStringLiteral("-");  // a tooltip no refusal shows

}  // namespace

void BeiFehlschlag(std::function<void(const QString&)> handler) {
    g_fehlschlag = std::move(handler);
}

void Fehlschlagen(const QString& grund) {
    g_fehlschlag(grund);
}

void Tippen(QWidget* pZiel, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            QTest::keyClick(pZiel, Qt::Key_Return);
            continue;
        }
        const QString zeichen = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
        QTest::sendKeyEvent(QTest::Click, pZiel, Qt::Key(zeichen.at(0).toUpper().unicode()),
                            zeichen, Qt::NoModifier);
        i += zeichen.size() - 1;
    }
}

void Klicken(QWidget* pFenster, const char* id) {
    if (auto* pKnopf = Steuerelement<QPushButton>(pFenster, id))
        QTest::mouseClick(pKnopf, Qt::LeftButton);
}

void Rechtsklick(QWidget* pFenster, const QPoint& pos) {
    QTest::mouseClick(pFenster->windowHandle(), Qt::RightButton, {}, pos);
}

void MenuePunktKlicken(QWidget* pMenue, const QString& textAnfang) {
    auto* pMenu = qobject_cast<QMenu*>(pMenue);
    if (pMenu == nullptr)
        return Fehlschlagen(
            QStringLiteral("expected a menu, got \"%1\"").arg(pMenue->windowTitle()));
    // the letter marked for the keyboard is where the translation puts it
    const QString gesucht = QString(textAnfang).remove(u'&');
    for (QAction* pAktion : pMenu->actions())
        if (pAktion->text().remove(u'&').startsWith(gesucht))
            return QTest::mouseClick(pMenu, Qt::LeftButton, {},
                                     pMenu->actionGeometry(pAktion).center());
    Fehlschlagen(QStringLiteral("no menu entry \"%1\"").arg(textAnfang));
}

void TippWacheStellen(QWidget* pFeld) {
    QToolTip::showText(pFeld->mapToGlobal(QPoint(0, 0)), kWache, pFeld);
}

QString TippSeitWache() {
    return QToolTip::isVisible() && QToolTip::text() != kWache ? QToolTip::text() : QString();
}

int FenstertestAusfuehren(QObject& test, int argc, char** argv, const char* plattform) {
    if (QGuiApplication::platformName() != QLatin1String(plattform)) {
        std::fprintf(stderr, "this window test runs on %s only, not on \"%s\"\n", plattform,
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    return QTest::qExec(&test, argc, argv);
}

QWidget* Hilfefenster() {
    for (QWidget* pFenster : QApplication::topLevelWidgets())
        if (pFenster->objectName() == QLatin1String("Hilfe") && pFenster->isVisible())
            return pFenster;
    return nullptr;
}

Fensterfolge::Fensterfolge(QWidget* pHauptfenster, int taktMs) : m_pHaupt(pHauptfenster) {
    connect(&m_takt, &QTimer::timeout, this, &Fensterfolge::Pruefen);
    m_takt.start(taktMs);
}

Fensterfolge& Fensterfolge::Dann(Antwort antwort) {
    m_antworten.push_back(std::move(antwort));
    return *this;
}

void Fensterfolge::Ausfuehren(const std::function<void()>& aktion) {
    aktion();
    if (!m_antworten.empty())
        Fehlschlagen(QStringLiteral("%1 window(s) expected did not open").arg(m_antworten.size()));
    m_antworten.clear();
}

// Runs inside the modal loop of the window that opened.
void Fensterfolge::Pruefen() {
    QWidget* pFenster = QApplication::activePopupWidget();
    const bool bMenue = pFenster != nullptr;
    if (!bMenue) pFenster = QApplication::activeModalWidget();
    if (pFenster == nullptr || pFenster == m_pHaupt || pFenster == m_pLetztes ||
        !pFenster->isVisible())
        return;
    // Keys reach a dialog only once the window system has activated it.
    if (!bMenue && QApplication::activeWindow() != pFenster &&
        ++m_nWarten * std::max(1, m_takt.interval()) < kWartenMs)
        return;
    m_nWarten = 0;
    m_pLetztes = pFenster;
    if (m_antworten.empty()) {
        Fehlschlagen(QStringLiteral("unexpected window \"%1\"").arg(pFenster->windowTitle()));
    } else {
        const Antwort antwort = std::move(m_antworten.front());
        m_antworten.pop_front();
        antwort(pFenster);
        if (!m_pLetztes || !m_pLetztes->isVisible()) return;
        Fehlschlagen(
            QStringLiteral("\"%1\" still open after its answer").arg(m_pLetztes->windowTitle()));
    }
    if (auto* pDialog = qobject_cast<QDialog*>(m_pLetztes.data()))
        pDialog->done(0);
    else if (m_pLetztes)
        m_pLetztes->close();
}

Datumswert Moment(int jahr, int monat, int tag, int stunde, int minute) {
    using U = std::uint16_t;
    return datum::AusFeldern({U(jahr), U(monat), U(tag), U(stunde), U(minute), 0});
}

Hauptfenster::Hauptfenster(Datumswert jetzt)
    : m_jetzt(jetzt),
      m_pDlg(static_cast<CKalenderApp*>(qApp)->HauptfensterErstellen([this] { return m_jetzt; })),
      m_dlg(*m_pDlg) {}

void Hauptfenster::Zeigen() {
    m_dlg.setWindowModality(Qt::ApplicationModal);
    m_dlg.show();
    if (!QTest::qWaitForWindowActive(&m_dlg))
        Fehlschlagen(QStringLiteral("the main window did not become active"));
}

CNotizEdit* Hauptfenster::Editor() {
    return Steuerelement<CNotizEdit>(&m_dlg, "IDC_NOTIZ");
}
CMonatsKalender* Hauptfenster::Kalender() {
    return Steuerelement<CMonatsKalender>(&m_dlg, "IDC_KALENDER");
}
QString Hauptfenster::Tag() {
    return Steuerelement<QLabel>(&m_dlg, "IDC_TAG")->text();
}
void Hauptfenster::Tippen(const QString& text) {
    fenster::Tippen(Editor(), text);
}
void Hauptfenster::Waehlen(const QDate& tag) {
    CMonatsKalender* pKalender = Kalender();
    for (int i = 0; i < 24 && !pKalender->TagRechteck(tag).isValid(); ++i) {
        const QRect pfeil = tag < pKalender->ErsterMonat() ? pKalender->PfeilZurueckRechteck()
                                                           : pKalender->PfeilVorRechteck();
        QTest::mouseClick(pKalender, Qt::LeftButton, {}, pfeil.center());
    }
    const QRect zelle = pKalender->TagRechteck(tag);
    if (!zelle.isValid())
        return Fehlschlagen(
            QStringLiteral("the calendar does not show %1").arg(tag.toString(Qt::ISODate)));
    QTest::mouseClick(pKalender, Qt::LeftButton, {}, zelle.center());
}

void Hauptfenster::NotizenAnlegen(const std::vector<std::pair<QDate, QString>>& notizen,
                                  const QDate& danach) {
    for (const auto& [tag, text] : notizen) {
        Waehlen(tag);
        Tippen(text);
    }
    Waehlen(danach);
}

void Hauptfenster::Mit(std::initializer_list<Fensterfolge::Antwort> antworten,
                       const std::function<void()>& aktion) {
    Fensterfolge folge(&m_dlg);
    for (const auto& antwort : antworten) folge.Dann(antwort);
    folge.Ausfuehren(aktion);
}

void Hauptfenster::Befehl(const char* id, std::initializer_list<Fensterfolge::Antwort> antworten) {
    Mit(antworten, [&] { Klicken(&m_dlg, id); });
}

Fensterfolge::Antwort Meldung::Antwort(int knopf) {
    return [this, knopf](QWidget* pFenster) {
        auto* pBox = qobject_cast<QMessageBox*>(pFenster);
        if (pBox == nullptr) return Fehlschlagen(QStringLiteral("expected a message box"));
        titel = pBox->windowTitle();
        text = pBox->text();
        for (QAbstractButton* pKnopf : pBox->buttons()) knoepfe += pKnopf->text() + '|';
        QTest::mouseClick(pBox->button(QMessageBox::StandardButton(knopf)), Qt::LeftButton);
    };
}

Hauptfenster::Bericht Hauptfenster::Suchen(const QString& begriff) {
    return Berichten(&begriff);
}
Hauptfenster::Bericht Hauptfenster::Termine() {
    return Berichten(nullptr);
}

Hauptfenster::Bericht Hauptfenster::Berichten(const QString* begriff) {
    Bericht bericht{QString(), "?"};
    Fensterfolge folge(&m_dlg);
    if (begriff != nullptr) {
        folge.Dann([begriff](QWidget* pFinden) {
            fenster::Tippen(Steuerelement<QLineEdit>(pFinden, "IDC_SUCHE"), *begriff);
            Klicken(pFinden, "IDOK");
        });
    }
    folge.Dann([&bericht](QWidget* pFenster) {
        // In the report box, which cannot change it.
        auto* pText = Steuerelement<CBerichtsansicht>(pFenster, "IDC_NOTIZ");
        bericht = {pFenster->windowHandle()->title(),
                   pText->Zeilen().KernText()};  // as shown, not as set
        Klicken(pFenster, "IDOK");
    });
    folge.Ausfuehren([&] { Klicken(&m_dlg, begriff != nullptr ? "ID_FINDEN" : "ID_TERMINE"); });
    return bericht;
}

Speichergrenze::Speichergrenze(std::size_t spielraum) {
    std::ifstream status("/proc/self/status");
    std::string wort;
    std::size_t kB = 0;
    while (status >> wort && wort != "VmSize:") {
    }
    status >> kB;
    getrlimit(RLIMIT_AS, &m_vorher);
    const rlimit grenze{kB * 1024 + spielraum, m_vorher.rlim_max};
    if (kB == 0 || setrlimit(RLIMIT_AS, &grenze) != 0)
        Fehlschlagen(QStringLiteral("the address space could not be limited"));
}

Speichergrenze::~Speichergrenze() {
    setrlimit(RLIMIT_AS, &m_vorher);
}

void Fenstertest::Oeffnen(Datumswert jetzt) {
    m_f = std::make_unique<Hauptfenster>(jetzt);
    m_f->Zeigen();
}

void Fenstertest::Schliessen() {
    m_f.reset();
    m_zone.reset();
}

}  // namespace fenster
