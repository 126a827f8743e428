// libFuzzer target for the file reader: every input is loaded as an appointment file.
// Refused input must leave the collection as a fresh start; accepted input must save again.
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "document/KalenderDatei.h"
#include "store/Passwort.h"
#include "support/FakeHost.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
// Every password is accepted, so protected inputs reach the records.
bool Annehmen(const std::string&) { return true; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static FakeHost host;
    static const bool installiert = (SetzePasswortFrage(Annehmen), true);
    (void)installiert;
    static const std::string pfad = "/tmp/ordivo-fuzz-" + std::to_string(getpid()) + ".odv";
    static const std::string aus = "/tmp/ordivo-fuzz-" + std::to_string(getpid()) + "-aus.odv";
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(daten, 1, groesse, f);
    std::fclose(f);

    host.messages.clear();
    host.posted.clear();
    host.commands.clear();
    host.answers = {Mb::IdYes, Mb::IdNo};  // convert, but make no backup copies
    Dateiname = pfad;
    const bool geladen = Liste.Laden();
    if (!geladen && (Liste.Anzahl() != 0 || AdrListe.Anzahl() != 0 || Liste.Passwort[0] || Liste.Laedt))
        __builtin_trap();
    if (host.waitDepth != 0) __builtin_trap();
    if (geladen && !SchreibeDatei(doc, aus, ModusKalender)) __builtin_trap();
    return 0;
}
