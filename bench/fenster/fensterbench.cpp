// dorvane-fenster-bench: the speed of the window as a user meets it, over
// stores of 365, 3,650 and 36,500 notes (the same notes as dorvane-bench).
//   Tageswechsel  an arrow key in the calendar until the window has
//                 repainted: the editor's note filed, the next day's shown
//   Finden/...    "OK" in the find dialog until the report dialog has
//                 painted its text for the first time
//   Termine       "&Termine" likewise
//   Einfuegen/10MB        Ctrl+V of a 10 MB note into the day's editor,
//                         until the window has repainted
//   Tageswechsel/10MB     an arrow key from a day with a short note onto a
//                         day with a 10 MB note, likewise
// The reports also count their bytes and, on Linux, the run's peak resident
// memory above what was resident before the first report, per report byte
// ("RSS/Bytes"). Headless (offscreen) unless QT_QPA_PLATFORM says otherwise;
// Google Benchmark's flags apply.

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/prctl.h>

#include "berichtsansicht.h"
#include "datum.h"
#include "dialogtext.h"
#include "fenstertreiber.h"
#include "kalender_app.h"
#include "korpus.h"
#include "monatskalender.h"
#include "notizedit.h"
#include "textwandlung.h"

namespace {

using Uhr = std::chrono::steady_clock;

constexpr int kGroessen[] = {365, 3650, 36500};

double Sekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double>(bis - von).count();
}

// A figure of the kernel's account of this process, in bytes; 0 where
// there is none.
std::int64_t Speicher(const char* feld) {
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.rfind(feld, 0) == 0) return std::stoll(zeile.substr(std::strlen(feld))) * 1024;
    return 0;
}

// What is resident now; from here on the peak ("VmHWM") counts anew. 0
// where the peak cannot be reset.
std::int64_t SpitzeAbJetzt() {
    std::ofstream zuruecksetzen("/proc/self/clear_refs");
    zuruecksetzen << "5" << std::flush;
    return zuruecksetzen ? Speicher("VmRSS:") : 0;
}

void Taste(QWidget* pZiel, Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QKeyEvent druck(QEvent::KeyPress, taste, mit);
    QKeyEvent los(QEvent::KeyRelease, taste, mit);
    QApplication::sendEvent(pZiel, &druck);
    QApplication::sendEvent(pZiel, &los);
}

// Answers the dialogs of a command from inside their loops: the find
// dialog gets the term and "OK" (the clock starts there), the report
// dialog stops the clock once its text box has painted for the first time
// and is closed.
class Bediener : public QObject {
public:
    QString m_begriff;
    QString m_fehler;  // empty once the whole report was found there
    Uhr::time_point m_start, m_gezeigt;
    std::size_t m_laenge = 0;

protected:
    bool eventFilter(QObject* pObjekt, QEvent* e) override {
        if (e->type() == QEvent::Paint && pObjekt == m_pMalflaeche) {
            // painted here, inside the same delivery, so the clock stops
            // after the paint and not before it
            m_pMalflaeche = nullptr;
            QCoreApplication::sendEvent(pObjekt, e);
            m_gezeigt = Uhr::now();
            return true;
        }
        if (e->type() != QEvent::Show || !pObjekt->isWidgetType()) return false;
        auto* pFenster = static_cast<QWidget*>(pObjekt);
        if (pFenster->objectName() == QLatin1String("IDD_FINDEN")) {
            QTimer::singleShot(0, pFenster, [this, pFenster] {
                fenster::Steuerelement<QLineEdit>(pFenster, "IDC_SUCHE")->setText(m_begriff);
                m_start = Uhr::now();
                fenster::Steuerelement<QPushButton>(pFenster, "IDOK")->click();
            });
        } else if (pFenster->objectName() == QLatin1String("IDD_NOTIZ")) {
            auto* pText = fenster::Steuerelement<CBerichtsansicht>(pFenster, "IDC_NOTIZ");
            m_pMalflaeche = pText->viewport();
            // Closed once everything shown has been painted.
            QTimer::singleShot(0, pFenster, [this, pFenster, pText] {
                while (m_pMalflaeche != nullptr)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                if (m_fehler.isNull()) m_fehler = GanzDa(pText);
                fenster::Steuerelement<QPushButton>(pFenster, "IDOK")->click();
            });
        }
        return false;
    }

private:
    // Once, after the clock: the whole report is there, not only what was
    // painted. Ctrl+End reaches the last line, Ctrl+A selects all of it and
    // Ctrl+C copies it. The copy, twice the report in Qt's text, is made
    // only up to a few megabytes, so the peak memory of the largest run
    // stays the report's own.
    QString GanzDa(CBerichtsansicht* pText) {
        QAccessibleTextInterface* pZugang =
            QAccessible::queryAccessibleInterface(pText)->textInterface();
        m_laenge = std::size_t(pZugang->characterCount());
        Taste(pText, Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::processEvents();
        const QScrollBar& leiste = *pText->verticalScrollBar();
        if (pZugang->cursorPosition() != pZugang->characterCount() ||
            leiste.value() != leiste.maximum())
            return QStringLiteral("Ctrl+End did not reach the last line");
        if (m_laenge == 0) return QStringLiteral("");
        Taste(pText, Qt::Key_A, Qt::ControlModifier);
        int von = -1, bis = -1;
        pZugang->selection(0, &von, &bis);
        if (von != 0 || bis != pZugang->characterCount())
            return QStringLiteral("Ctrl+A did not select the whole report");
        if (m_laenge > kKopieBis) return QStringLiteral("");
        Taste(pText, Qt::Key_C, Qt::ControlModifier);
        const bool ganz = QGuiApplication::clipboard()->text() ==
                          textwandlung::VonKern(pText->Zeilen().KernText());
        QGuiApplication::clipboard()->clear();
        return ganz ? QStringLiteral("") : QStringLiteral("Ctrl+C did not copy the whole report");
    }
    static constexpr std::size_t kKopieBis = std::size_t(4) << 20;

    QObject* m_pMalflaeche = nullptr;  // the box whose first paint stops the clock
};

// The main window, made by the window tests' driver, its clock at 9:00 on
// the corpus's first day, one note a day filed through the editor and the
// calendar's Right arrow.
struct Fenster {
    fenster::Hauptfenster h;
    int anzahl;
    int tag;  // index of the selected day
    int schritt = -1;

    static Datumswert Neun(TagesFelder tag) {
        tag.stunde = 9;
        return datum::AusFeldern(tag);
    }

    explicit Fenster(const std::vector<korpus::Notiz>& notizen)
        : h(Neun(notizen.front().tag)), anzahl(int(notizen.size())), tag(anzahl) {
        h.m_dlg.show();
        for (const auto& notiz : notizen) {
            Editor()->KernTextSetzen(notiz.text);
            Taste(Kalender(), Qt::Key_Right);
        }
        QCoreApplication::processEvents();
    }
    CNotizEdit* Editor() { return h.Editor(); }
    CMonatsKalender* Kalender() { return h.Kalender(); }
    QPushButton* Knopf(const char* id) { return fenster::Steuerelement<QPushButton>(&h.m_dlg, id); }
};

std::map<int, std::unique_ptr<Fenster>>& Fenster_() {
    static std::map<int, std::unique_ptr<Fenster>> fenster;
    return fenster;
}

Fenster& Holen(int anzahl) {
    auto& f = Fenster_()[anzahl];
    if (!f) f = std::make_unique<Fenster>(korpus::Erzeugen(anzahl));
    return *f;
}

constexpr std::size_t kGross = 10'000'000;  // bytes

// A note of 10 MB: the corpus's notes one after the other, whole lines.
std::string GrosseNotiz() {
    std::string text;
    for (const auto& notiz : korpus::Erzeugen(kGroessen[2])) {
        text += notiz.text;
        if (text.size() >= kGross) break;
        text += "\r\n";
    }
    return text.substr(0, text.rfind("\r\n", kGross));
}

// Two days: a short note, then the 10 MB one; the window shows a third.
Fenster& GrossHolen() {
    auto& f = Fenster_()[0];
    if (!f) {
        std::vector<korpus::Notiz> notizen = korpus::Erzeugen(2);
        notizen[1].text = GrosseNotiz();
        f = std::make_unique<Fenster>(std::move(notizen));
    }
    return *f;
}

// Back and forth over the filed days, so every change files a note and
// shows another.
void Wechseln(benchmark::State& state, Fenster& f) {
    for (auto _ : state) {
        if (f.tag + f.schritt < 0 || f.tag + f.schritt >= f.anzahl) f.schritt = -f.schritt;
        const auto start = Uhr::now();
        Taste(f.Kalender(), f.schritt < 0 ? Qt::Key_Left : Qt::Key_Right);
        QCoreApplication::processEvents();
        state.SetIterationTime(Sekunden(start, Uhr::now()));
        f.tag += f.schritt;
    }
    state.SetItemsProcessed(state.iterations());
}

void Tageswechsel(benchmark::State& state) {
    Wechseln(state, Holen(int(state.range(0))));
}

// From the short note onto the 10 MB one; the way back, which files the
// big note, runs outside the clock.
void TageswechselGross(benchmark::State& state) {
    Fenster& f = GrossHolen();
    const auto zumTag = [&f](int tag) {
        while (f.tag != tag) {
            Taste(f.Kalender(), f.tag > tag ? Qt::Key_Left : Qt::Key_Right);
            f.tag += f.tag > tag ? -1 : 1;
        }
        QCoreApplication::processEvents();
    };
    for (auto _ : state) {
        zumTag(0);
        const auto start = Uhr::now();
        zumTag(1);
        state.SetIterationTime(Sekunden(start, Uhr::now()));
    }
    state.SetItemsProcessed(state.iterations());
}

// Ctrl+V of the 10 MB note into an empty editor, which is emptied again
// (outside the clock) for the next round.
void Einfuegen(benchmark::State& state) {
    Fenster& f = GrossHolen();
    const std::string gezeigt = f.Editor()->KernText();  // the day's note, put back after
    QGuiApplication::clipboard()->setText(textwandlung::VonKern(GrosseNotiz()));
    for (auto _ : state) {
        f.Editor()->KernTextSetzen(std::string());
        f.Editor()->setFocus();
        QCoreApplication::processEvents();
        const auto start = Uhr::now();
        Taste(f.Editor(), Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        state.SetIterationTime(Sekunden(start, Uhr::now()));
        if (f.Editor()->document()->characterCount() < int(kGross / 2))
            state.SkipWithError("nothing pasted");
    }
    f.Editor()->KernTextSetzen(gezeigt);
    state.SetBytesProcessed(state.iterations() * std::int64_t(kGross));
}

void Bericht(benchmark::State& state, const char* begriff) {
    Fenster& f = Holen(int(state.range(0)));
    Bediener bediener;
    bediener.m_begriff = QString::fromLatin1(begriff != nullptr ? begriff : "");
    qApp->installEventFilter(&bediener);
    QPushButton* pKnopf = f.Knopf(begriff != nullptr ? "ID_FINDEN" : "ID_TERMINE");
    // Google Benchmark calls this more than once; memory is counted from
    // before its first report, not from what an earlier call left resident.
    static std::map<std::pair<const char*, std::int64_t>, std::int64_t> vorDemErsten;
    const auto [erster, neu] = vorDemErsten.try_emplace({begriff, state.range(0)}, 0);
    if (neu) erster->second = SpitzeAbJetzt();
    const std::int64_t vorher = erster->second;
    for (auto _ : state) {
        bediener.m_start = Uhr::now();
        pKnopf->click();
        state.SetIterationTime(Sekunden(bediener.m_start, bediener.m_gezeigt));
    }
    const std::int64_t spitze = Speicher("VmHWM:");
    qApp->removeEventFilter(&bediener);
    if (!bediener.m_fehler.isEmpty()) state.SkipWithError(qPrintable(bediener.m_fehler));
    state.counters["Zeichen"] = double(bediener.m_laenge);
    // "OK" handed the report back, as it came
    const auto bytes = double(g_strDialogText.size());
    state.counters["Bytes"] = bytes;
    if (vorher > 0 && spitze > 0 && bytes > 0)
        state.counters["RSS/Bytes"] = double(spitze - vorher) / bytes;
}

void Registrieren() {
    const auto groessen = [](benchmark::internal::Benchmark* b) {
        for (int n : kGroessen) b->Arg(n);
        b->UseManualTime()->Unit(benchmark::kMicrosecond);
    };
    groessen(benchmark::RegisterBenchmark("Tageswechsel", Tageswechsel));
    groessen(benchmark::RegisterBenchmark("Finden/selten", Bericht, korpus::kSelten));
    groessen(benchmark::RegisterBenchmark("Finden/haeufig", Bericht, korpus::kHaeufig));
    groessen(benchmark::RegisterBenchmark("Finden/leer", Bericht, ""));
    groessen(benchmark::RegisterBenchmark("Termine", Bericht, nullptr));
    const auto gross = [](benchmark::internal::Benchmark* b) {
        b->UseManualTime()->Unit(benchmark::kMillisecond);
    };
    gross(benchmark::RegisterBenchmark("Einfuegen/10MB", Einfuegen));
    gross(benchmark::RegisterBenchmark("Tageswechsel/10MB", TageswechselGross));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    CKalenderApp app(argc, argv);
    // The program makes itself non-dumpable, and the kernel then hands
    // /proc/self to root: SpitzeAbJetzt's reset would fail for any other
    // user. The benchmark's notes are made up, so it may be dumped.
    prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
    fenster::BeiFehlschlag([](const QString& grund) {
        std::fprintf(stderr, "dorvane-fenster-bench: %s\n", qPrintable(grund));
        std::_Exit(1);
    });
    Registrieren();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Fenster_().clear();  // before the application object goes
    return 0;
}
