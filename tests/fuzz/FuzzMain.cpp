// The libFuzzer entry of one target, chosen when the program is built (ORDIVO_FUZZ_ZIEL).
// A broken rule is printed and aborts, so libFuzzer keeps the input.
#include "fuzz/FuzzZiele.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const FuzzEintrag* ziel = FindeFuzzZiel(ORDIVO_FUZZ_ZIEL);
    if (!ziel) std::abort();
    if (const char* fehler = ziel->Ziel(daten, groesse)) {
        std::fprintf(stderr, "broken rule: %s\n", fehler);
        std::abort();
    }
    return 0;
}
