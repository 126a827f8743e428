// The appointment table: its 26 columns, the 290-byte record as written, and the record
// layouts of every file version the reader accepts.
#pragma once
#include "store/DbaseTabelle.h"
#include "store/Termin.h"

#include <string>

namespace TerminTabelle {
constexpr int Spalten = 26;
extern const DbaseSpalte Spalte[Spalten];
constexpr int AktuelleVersion = 500;
constexpr int KurzSpalte = 10, BeschrSpalteAlt = 11, BeschrSpalte = 13;
constexpr int KopfLaenge = Dbase::KopfLaenge(Spalten);  // 865
constexpr int BlockGroesse = 256;
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
bool LiesTerminSatz(FeldLeser& f, const TerminLayout& l, uint64_t rest, Termin& t);
