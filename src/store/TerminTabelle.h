// The appointment table: its 26 columns, the 290-byte record as written, and the record
// layouts of every file version the reader accepts.
#pragma once
#include "store/DbaseTabelle.h"
#include "store/Termin.h"

#include <string>

namespace TerminTabelle {
constexpr int Spalten = 26;
inline constexpr DbaseSpalte Spalte[Spalten] = {
    {"JAHR", 'N', 4},    {"MONAT", 'N', 2},   {"TAG", 'N', 2},         {"STUNDE", 'N', 2},
    {"MINUTE", 'N', 2},  {"JAHR2", 'N', 4},   {"MONAT2", 'N', 2},      {"TAG2", 'N', 2},
    {"STUNDE2", 'N', 2}, {"MINUTE2", 'N', 2}, {"KURZBESCHR", 'C', 49}, {"ADRID", 'N', 5},
    {"BLOCKS", 'C', 3},  {"BESCHR", 'C', 174}, {"JAHRV", 'N', 4},      {"MONATV", 'N', 2},
    {"TAGV", 'N', 2},    {"STUNDEV", 'N', 2}, {"MINUTEV", 'N', 2},     {"JAHRH", 'N', 4},
    {"MONATH", 'N', 2},  {"TAGH", 'N', 2},    {"STUNDEH", 'N', 2},     {"MINUTEH", 'N', 2},
    {"ID", 'N', 5},      {"FLAGS", 'N', 5},
};
constexpr int AktuelleVersion = 500;
constexpr int KurzSpalte = 10, BeschrSpalteAlt = 11, BeschrSpalte = 13;
constexpr int KopfLaenge = Dbase::KopfLaenge(Spalten);
constexpr int BlockGroesse = 256;
// The record as it goes to disk, the same in the 32- and the 64-bit build.
static_assert(KopfLaenge == 865, "appointment header: 32 bytes, 26 descriptors, 0x0D");
static_assert(Dbase::SatzLaenge(Spalte, Spalten) == 290, "appointment record: 290 bytes");
static_assert(Dbase::SpaltenOffset(Spalte, KurzSpalte) == 25 && Dbase::SpaltenOffset(Spalte, BeschrSpalte) == 82 &&
                  Dbase::SpaltenOffset(Spalte, Spalten - 1) == 285,
              "short text at 25, description at 82, FLAGS at 285");
}  // namespace TerminTabelle

// Appends the record of t. Native: texts as stored, a long text as Blocks × 256 bytes in
// place of BESCHR. Export: texts in OEM, the description cut to the column.
void SchreibeTerminSatz(std::string& satz, const Termin& t, bool alsExport);

// How one version stores a record (what differs from the current layout).
struct TerminLayout {
    enum class Feld { Fehlt, Gelesen, MinusEins, Uebersprungen, Binaer, BinaerErsetzt, Text };
    int Version = TerminTabelle::AktuelleVersion;
    bool StartMinusEins = false;      // start hour/minute -1 -> 0 with FlagOhneZeit
    Feld Ende = Feld::Gelesen;        // Fehlt: Ende := Start
    int Kurz = 49, Beschr = 174;      // text column lengths
    bool AdrIdBlocks = true;
    int NachBeschr = 0;               // bytes skipped after BESCHR
    Feld Vorwarnung = Feld::Gelesen;  // Uebersprungen: 2 bytes, no warning
    bool Basis = true;                // JAHRH ... MINUTEH
    Feld Id = Feld::Text;
    Feld Flags = Feld::Text;
    int DescriptorKurz = TerminTabelle::KurzSpalte, DescriptorBeschr = TerminTabelle::BeschrSpalte;
};

// The layout of `version` (110, 200, 210-399, 400-409, 410 and later); the text lengths
// still come from the descriptors named in it (version 110 has fixed ones).
TerminLayout LayoutFuer(int version);
// Bytes of a record without a separate long text.
int SatzLaenge(const TerminLayout& l);
// Reads one record; false when it is short, malformed or out of range. `rest` is the
// number of bytes left in the file, to refuse a long text that is not there.
bool LiesTerminSatz(FeldLeser& datei, const TerminLayout& l, uint64_t rest, Termin& t);
