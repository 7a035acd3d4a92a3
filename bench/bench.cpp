// dorvane-bench: the reports and the change of day over stores of 365,
// 3,650 and 36,500 notes. Google Benchmark's flags apply; besides them
//   dorvane-bench --korpus FILE
// writes the texts of the 36,500-note store to FILE, one after the other,
// and prints the rare term, so other tools can search the same bytes.

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "datum.h"
#include "dialogtext.h"
#include "korpus.h"
#include "notizbuch.h"
#include "speichereditor.h"

namespace {

constexpr int kGroessen[] = {365, 3650, 36500};

// A store filled the way the window fills it: type, pick the next day.
struct Vorrat {
    std::vector<korpus::Notiz> notizen;
    CSpeicherEditor editor;
    CNotizBuch buch;
    std::int64_t bytes = 0;

    explicit Vorrat(int anzahl) : notizen(korpus::Erzeugen(anzahl)) {
        buch.m_pEditor = &editor;
        buch.m_timeAktuell = datum::AusFeldern(notizen.front().tag);
        for (std::size_t i = 0; i < notizen.size(); ++i) {
            editor.TextSetzen(notizen[i].text);
            TagesFelder naechster = notizen[i + 1 < notizen.size() ? i + 1 : 0].tag;
            if (i + 1 == notizen.size()) naechster.jahr -= 1;  // a day without a note
            buch.DatumWechseln(naechster);
            bytes += static_cast<std::int64_t>(notizen[i].text.size());
        }
    }
    Vorrat(const Vorrat&) = delete;
    Vorrat& operator=(const Vorrat&) = delete;
};

Vorrat& Holen(int anzahl) {
    static std::map<int, std::unique_ptr<Vorrat>> vorraete;
    auto& vorrat = vorraete[anzahl];
    if (!vorrat) vorrat = std::make_unique<Vorrat>(anzahl);
    return *vorrat;
}

void Finden(benchmark::State& state, const char* begriff) {
    Vorrat& vorrat = Holen(static_cast<int>(state.range(0)));
    std::size_t laenge = 0;
    for (auto _ : state) {
        g_strDialogText = begriff;
        std::string bericht = vorrat.buch.NotizenFinden();
        laenge = bericht.size();
        benchmark::DoNotOptimize(bericht);
    }
    state.SetBytesProcessed(state.iterations() * vorrat.bytes);
    state.counters["Berichtbytes"] = static_cast<double>(laenge);
}

void Termine(benchmark::State& state) {
    Vorrat& vorrat = Holen(static_cast<int>(state.range(0)));
    TagesFelder start = vorrat.notizen.front().tag;
    start.stunde = 9;
    vorrat.buch.m_timeHeute = datum::AusFeldern(start);
    std::size_t laenge = 0;
    for (auto _ : state) {
        std::string bericht = vorrat.buch.TermineListe();
        laenge = bericht.size();
        benchmark::DoNotOptimize(bericht);
    }
    state.SetBytesProcessed(state.iterations() * vorrat.bytes);
    state.counters["Berichtbytes"] = static_cast<double>(laenge);
}

// Walks the days round and round: each change files the shown note again
// and loads the next one. Works on a copy, so the shared store stays put.
void DatumWechseln(benchmark::State& state) {
    const Vorrat& vorrat = Holen(static_cast<int>(state.range(0)));
    CSpeicherEditor editor;
    CNotizBuch buch = vorrat.buch;
    buch.m_pEditor = &editor;
    buch.DatumWechseln(vorrat.notizen.front().tag);
    std::size_t naechster = 1 % vorrat.notizen.size();
    for (auto _ : state) {
        buch.DatumWechseln(vorrat.notizen[naechster].tag);
        if (++naechster == vorrat.notizen.size()) naechster = 0;
    }
    benchmark::DoNotOptimize(buch.m_mapNotiz.size());
    state.SetItemsProcessed(state.iterations());
}

int KorpusSchreiben(const char* datei) {
    const Vorrat& vorrat = Holen(kGroessen[2]);
    std::ofstream aus(datei, std::ios::binary);
    for (const auto& notiz : vorrat.notizen) aus << notiz.text;
    aus.close();
    if (!aus) {
        std::cerr << "dorvane-bench: cannot write " << datei << '\n';
        return 1;
    }
    std::cout << korpus::kSelten << '\n';
    return 0;
}

void Registrieren() {
    const auto groessen = [](benchmark::internal::Benchmark* b) {
        for (int n : kGroessen) b->Arg(n);
        b->Unit(benchmark::kMicrosecond);
    };
    groessen(benchmark::RegisterBenchmark("Finden/selten", Finden, korpus::kSelten));
    groessen(benchmark::RegisterBenchmark("Finden/haeufig", Finden, korpus::kHaeufig));
    groessen(benchmark::RegisterBenchmark("Finden/leer", Finden, ""));
    groessen(benchmark::RegisterBenchmark("Termine", Termine));
    groessen(benchmark::RegisterBenchmark("DatumWechseln", DatumWechseln));
}

}  // namespace

int main(int argc, char** argv) {
    // Our own flag goes before Google Benchmark sees the rest.
    for (int i = 1; i < argc; ++i) {
        const char* datei = nullptr;
        if (std::strcmp(argv[i], "--korpus") == 0) {
            if (i + 1 >= argc) {
                std::cerr << "dorvane-bench: --korpus needs a file name\n";
                return 2;
            }
            datei = argv[i + 1];
        } else if (std::strncmp(argv[i], "--korpus=", 9) == 0) {
            datei = argv[i] + 9;
        }
        if (datei != nullptr) return KorpusSchreiben(datei);
    }

    Registrieren();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
