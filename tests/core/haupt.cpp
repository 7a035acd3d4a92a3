// A misspelt TZ silently becomes UTC and every zone-dependent expectation
// would then pass for the wrong zone, so nothing runs until the zone is
// confirmed.

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

#include "zonen.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tzset();
    const std::string fehler = zonen::Pruefen();
    if (!fehler.empty()) {
        std::fprintf(stderr, "dorvane-core-tests: %s\n", fehler.c_str());
        return 1;
    }
    const char* tz = std::getenv("TZ");
    std::printf("Time zone: %s\n", tz ? tz : "(system setting)");
    return RUN_ALL_TESTS();
}
