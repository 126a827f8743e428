// The table of fuzz targets.
#include "fuzz/FuzzZiele.h"

const char* FuzzTermindatei(const uint8_t*, size_t);
const char* FuzzAdressabschnitt(const uint8_t*, size_t);
const char* FuzzFeiertagdatei(const uint8_t*, size_t);
const char* FuzzKonfiguration(const uint8_t*, size_t);
const char* FuzzZeileImEditor(const uint8_t*, size_t);
const char* FuzzDatum(const uint8_t*, size_t);
const char* FuzzDialogfelder(const uint8_t*, size_t);
const char* FuzzTerminfelder(const uint8_t*, size_t);
const char* FuzzStruktur(const uint8_t*, size_t);
const char* FuzzImport(const uint8_t*, size_t);

const FuzzEintrag FuzzZiele[] = {
    {"termindatei", FuzzTermindatei}, {"adressen", FuzzAdressabschnitt}, {"feiertage", FuzzFeiertagdatei},
    {"konfiguration", FuzzKonfiguration}, {"editorzeile", FuzzZeileImEditor}, {"datum", FuzzDatum},
    {"dialogfelder", FuzzDialogfelder}, {"terminfelder", FuzzTerminfelder}, {"struktur", FuzzStruktur},
    {"import", FuzzImport},
};
const size_t FuzzZielAnzahl = sizeof FuzzZiele / sizeof FuzzZiele[0];

const FuzzEintrag* FindeFuzzZiel(const std::string& name) {
    for (const FuzzEintrag& e : FuzzZiele)
        if (name == e.Name) return &e;
    return nullptr;
}
