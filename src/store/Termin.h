// The appointment record: four times, series number, flags with priority, short text,
// linked address and the long description. A value type: copying copies the long text.
#pragma once
#include "store/Zeitpunkt.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

enum TerminFlag : uint16_t {
    FlagOhneZeit = 0x0001,        // no time of day; the end counts as 23:59
    FlagOhneEnde = 0x0002,        // no end time; the end counts as 23:59
    FlagOhneVorwarnung = 0x0004,  // set by the conversion of old files only
    FlagManuellErledigt = 0x0008, // done state by hand only
    FlagErledigt = 0x0010,
    FlagProgramm = 0x0020,        // long description holds "#[program]"
    FlagJaehrlich = 0x0040,       // yearly master
    FlagJahresKopie = 0x0080,     // generated yearly copy, never written
};
constexpr uint16_t PrioritaetMaske = 0xC000;  // bits 14-15: 0 normal ... 3 very important

// On-disk image of 256 bytes, packed, little-endian (offset: field):
//   0 Start, 6 Ende, 12 Vorwarnung, 18 VorwarnBasis (Zeitpunkt each), 24 Id (u16),
//   26 Flags (u16), 28 Kurzbeschr (50 chars), 78 AdrId (u16), 80 Blocks (s8),
//   81 Beschr (175 bytes: inline text when Blocks is 0).
namespace TerminBild {
constexpr int Groesse = 256, Start = 0, Ende = 6, Vorwarnung = 12, VorwarnBasis = 18, Id = 24,
              Flags = 26, Kurzbeschr = 28, AdrId = 78, Blocks = 80, Beschr = 81;
constexpr int KurzbeschrLaenge = 50, BeschrLaenge = 175;
static_assert(Beschr + BeschrLaenge == Groesse, "the record image fills 256 bytes");
}  // namespace TerminBild

// The fixed-size fields, trivially copyable: moving a record through the collection copies
// them as one block instead of field by field.
struct TerminKopf {
    Zeitpunkt Start;
    Zeitpunkt Ende;          // start date with the end time (the overlap check compares the
                             // whole value); yearly records hold the step 1-0-0 as date
    Zeitpunkt Vorwarnung;    // Jahr < 1: no advance warning
    Zeitpunkt VorwarnBasis;  // yearly records: the warning as set in the dialog
    uint16_t Id = 0;         // series number; 0 = single appointment
    uint16_t Flags = 0;
    char Kurzbeschr[TerminBild::KurzbeschrLaenge] = {};  // at most 49 characters and a zero
    uint16_t AdrId = 0;
};
static_assert(std::is_trivially_copyable_v<TerminKopf>, "the fixed fields copy as one block");

struct Termin : TerminKopf {
    std::string Beschr;      // long description of any length

    bool Hat(uint16_t flag) const { return (Flags & flag) != 0; }
    bool IstEndmarke() const { return Start.Jahr == 0; }
    bool IstJahresMaster() const { return Hat(FlagJaehrlich) && !Hat(FlagJahresKopie); }

    int Prioritaet() const { return (Flags & PrioritaetMaske) >> 14; }
    void SetzePrioritaet(int p) { Flags = uint16_t((Flags & ~PrioritaetMaske) | ((p & 3) << 14)); }

    // 0 when the text fits the record (at most 174 characters), else its 256-byte units.
    int Blocks() const {
        return Beschr.size() < size_t(TerminBild::BeschrLaenge) ? 0 : int((Beschr.size() + 1 + 255) / 256);
    }
    void SetzeKurzbeschr(std::string_view text);  // cut to 49 characters

    // The end moment: Start's date with Ende's time, or 23:59 without time or end.
    Zeitpunkt EndeAmStarttag() const;
};

// Done rule of the views: 0 not done; 1 done because the end is not after now (and the
// done state is not manual-only, or the flag is set); 2 done by the flag only.
int IsDrawnDone(const Termin& t, const Zeitpunkt& jetzt);
