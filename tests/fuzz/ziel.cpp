// libFuzzer's entry: every input is a scenario run on a fresh note store,
// line by line until a line the driver cannot read. A broken rule aborts,
// so libFuzzer keeps the input as a finding.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "lauf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::string_view rest(reinterpret_cast<const char*>(daten), groesse);
    try {
        fuzz::Lauf lauf;
        while (!rest.empty()) {
            const std::size_t ende = std::min(rest.find('\n'), rest.size());
            lauf.Ausfuehren(rest.substr(0, ende));
            rest.remove_prefix(std::min(ende + 1, rest.size()));
        }
    } catch (const szenario::Lesefehler&) {
        // the scenario driver stops there too
    } catch (const fuzz::Verstoss& verstoss) {
        std::fprintf(stderr, "dorvane-fuzz: %s\n", verstoss.what());
        std::abort();
    }
    return 0;
}
