// libFuzzer's entry: every input is one run on a fresh note store. A broken
// rule aborts, so libFuzzer keeps the input as a finding.

#include <cstdio>
#include <cstdlib>

#include "lauf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    try {
        fuzz::Lauf lauf;
        for (const fuzz::Befehl& befehl : fuzz::Lesen(daten, groesse)) lauf.Ausfuehren(befehl);
    } catch (const fuzz::Verstoss& verstoss) {
        std::fprintf(stderr, "dorvane-fuzz: %s\n", verstoss.what());
        std::abort();
    }
    return 0;
}
