// The fuzz targets' bodies as ordinary functions, shared by the libFuzzer programs and the
// corpus test of the native suite. A target returns nullptr, or the rule an input broke.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

using FuzzZiel = const char* (*)(const uint8_t* daten, size_t groesse);

struct FuzzEintrag {
    const char* Name;  // the corpus lives in tests/fuzz/korpus/<Name>
    FuzzZiel Ziel;
};

extern const FuzzEintrag FuzzZiele[];
extern const size_t FuzzZielAnzahl;
const FuzzEintrag* FindeFuzzZiel(const std::string& name);

#define FUZZ_ZEILE2(n) #n
#define FUZZ_ZEILE(n) FUZZ_ZEILE2(n)
// Ends the target with the broken rule and where it is checked.
#define FUZZ_PRUEFE(bedingung) \
    do { \
        if (!(bedingung)) return __FILE__ ":" FUZZ_ZEILE(__LINE__) ": " #bedingung; \
    } while (0)
