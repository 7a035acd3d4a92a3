#pragma once
// Steps to and from the lines of scenario files, so that the scenarios seed
// the fuzzer and a finding reads as a scenario that dorvane-szenario replays.

#include <optional>
#include <string>
#include <string_view>

#include "befehle.h"

namespace fuzz {

// The step a scenario line stands for; nothing for comments, empty lines and
// the lines that only print (zeige, suchtext, notizen), whose checks the
// fuzzer makes after every step anyway. Raises szenario::Lesefehler for a
// line the scenario driver cannot read either.
std::optional<Befehl> AusSzenario(std::string_view zeile);

// The scenario lines of a resolved step (see Lauf::Aufloesen). `aktuell` is
// the current day, which "notiz leer" deletes.
std::string AlsSzenario(const Befehl& befehl, const TagesFelder& aktuell);

}  // namespace fuzz
