// dorvane-fenster-bench: the speed of the window as a user meets it, over
// stores of 365, 3,650 and 36,500 notes (the same notes as dorvane-bench).
//   Tageswechsel  an arrow key in the calendar until the window has
//                 repainted: the editor's note filed, the next day's shown
//   Finden/...    "OK" in the find dialog until the report dialog is shown
//                 with its text
//   Termine       "&Termine" until the report dialog is shown
// Headless (offscreen) unless QT_QPA_PLATFORM says otherwise; Google
// Benchmark's flags apply.

#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "datum.h"
#include "dia_kalender.h"
#include "kalender_app.h"
#include "korpus.h"
#include "monatskalender.h"
#include "notizedit.h"

namespace {

using Uhr = std::chrono::steady_clock;

constexpr int kGroessen[] = {365, 3650, 36500};

double Sekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double>(bis - von).count();
}

void Taste(QWidget* pZiel, Qt::Key taste) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
    QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier);
    QApplication::sendEvent(pZiel, &druck);
    QApplication::sendEvent(pZiel, &los);
}

// Answers the dialogs of a command from inside their loops: the find
// dialog gets the term and "OK" (the clock starts there), the report
// dialog stops the clock the moment it is shown and is closed.
class Bediener : public QObject {
public:
    QString m_begriff;
    Uhr::time_point m_start, m_gezeigt;
    std::size_t m_laenge = 0;

protected:
    bool eventFilter(QObject* pObjekt, QEvent* e) override {
        if (e->type() != QEvent::Show || !pObjekt->isWidgetType()) return false;
        auto* pFenster = static_cast<QWidget*>(pObjekt);
        if (pFenster->objectName() == QLatin1String("IDD_FINDEN")) {
            QTimer::singleShot(0, pFenster, [this, pFenster] {
                pFenster->findChild<QLineEdit*>(QStringLiteral("IDC_SUCHE"))->setText(m_begriff);
                m_start = Uhr::now();
                pFenster->findChild<QPushButton*>(QStringLiteral("IDOK"))->click();
            });
        } else if (pFenster->objectName() == QLatin1String("IDD_NOTIZ")) {
            m_gezeigt = Uhr::now();
            m_laenge = std::size_t(pFenster->findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ"))
                                       ->document()
                                       ->characterCount());
            QTimer::singleShot(0, pFenster, [pFenster] {
                pFenster->findChild<QPushButton*>(QStringLiteral("IDOK"))->click();
            });
        }
        return false;
    }
};

// The main window, its clock at 9:00 on the corpus's first day, one note
// a day filed through the editor and the calendar's Right arrow.
struct Fenster {
    std::vector<korpus::Notiz> notizen;
    Datumswert jetzt;  // before dlg, which reads it when it opens
    std::unique_ptr<CDia_Kalender> pDlg;
    CDia_Kalender& dlg;
    int anzahl;
    int tag;  // index of the selected day
    int schritt = -1;

    static Datumswert Neun(TagesFelder tag) {
        tag.stunde = 9;
        return datum::AusFeldern(tag);
    }

    explicit Fenster(int n)
        : notizen(korpus::Erzeugen(n)),
          jetzt(Neun(notizen.front().tag)),
          pDlg(static_cast<CKalenderApp*>(qApp)->HauptfensterErstellen([this] { return jetzt; })),
          dlg(*pDlg),
          anzahl(n),
          tag(n) {
        dlg.show();
        for (const auto& notiz : notizen) {
            Editor()->KernTextSetzen(notiz.text);
            Taste(Kalender(), Qt::Key_Right);
        }
        notizen.clear();
        QCoreApplication::processEvents();
    }
    CNotizEdit* Editor() { return dlg.findChild<CNotizEdit*>(QStringLiteral("IDC_NOTIZ")); }
    CMonatsKalender* Kalender() {
        return dlg.findChild<CMonatsKalender*>(QStringLiteral("IDC_KALENDER"));
    }
    QPushButton* Knopf(const char* id) { return dlg.findChild<QPushButton*>(QLatin1String(id)); }
};

std::map<int, std::unique_ptr<Fenster>>& Fenster_() {
    static std::map<int, std::unique_ptr<Fenster>> fenster;
    return fenster;
}

Fenster& Holen(int anzahl) {
    auto& f = Fenster_()[anzahl];
    if (!f) f = std::make_unique<Fenster>(anzahl);
    return *f;
}

// Back and forth over the filed days, so every change files a note and
// shows another.
void Tageswechsel(benchmark::State& state) {
    Fenster& f = Holen(int(state.range(0)));
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

void Bericht(benchmark::State& state, const char* begriff) {
    Fenster& f = Holen(int(state.range(0)));
    Bediener bediener;
    bediener.m_begriff = QString::fromLatin1(begriff != nullptr ? begriff : "");
    qApp->installEventFilter(&bediener);
    QPushButton* pKnopf = f.Knopf(begriff != nullptr ? "ID_FINDEN" : "ID_TERMINE");
    for (auto _ : state) {
        bediener.m_start = Uhr::now();
        pKnopf->click();
        state.SetIterationTime(Sekunden(bediener.m_start, bediener.m_gezeigt));
    }
    qApp->removeEventFilter(&bediener);
    state.counters["Zeichen"] = double(bediener.m_laenge);
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
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    CKalenderApp app(argc, argv);
    Registrieren();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Fenster_().clear();  // before the application object goes
    return 0;
}
