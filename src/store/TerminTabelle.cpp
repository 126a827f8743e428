// Appointment records: the writer of the current layout and the reader of all layouts.
#include "store/TerminTabelle.h"

#include "store/Oem.h"

#include <cstring>

namespace {
constexpr int ZeitLaenge = 12;  // JAHR 4, MONAT, TAG, STUNDE, MINUTE 2 each
const size_t BeschrMax = size_t(TerminTabelle::Spalte[TerminTabelle::BeschrSpalte].Laenge);

void SchreibeZeit(std::string& satz, const Zeitpunkt& z) {
    Dbase::Zahl(satz, z.Jahr, 4);
    Dbase::Zahl(satz, z.Monat, 2);
    Dbase::Zahl(satz, z.Tag, 2);
    Dbase::Zahl(satz, z.Stunde, 2);
    Dbase::Zahl(satz, z.Minute, 2);
}

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the digits are read as a little-endian word");

// Two digits per byte pair at once: "YYYYMMDD" as eight bytes gives YY, YY, MM, DD in the
// even bytes of one multiply-add.
uint64_t Paare(const char* d, size_t n) {
    uint64_t w = 0;
    std::memcpy(&w, d, n);
    w -= 0x3030303030303030u >> (64 - 8 * n);
    return (w * 10 + (w >> 8)) & 0x00FF00FF00FF00FFu;
}

// Straight into the record's field: a packed value returned through the stack stalls.
void LiesZeit(FeldZeiger& f, Zeitpunkt& z) {
    if (const char* d = f.Ziffern(ZeitLaenge)) {  // the usual case: twelve digits
        const uint64_t datum = Paare(d, 8), zeit = Paare(d + 8, 4);
        z.Jahr = int16_t((datum & 0xFF) * 100 + ((datum >> 16) & 0xFF));
        z.Monat = int8_t(datum >> 32);
        z.Tag = int8_t(datum >> 48);
        z.Stunde = int8_t(zeit);
        z.Minute = int8_t(zeit >> 16);
        return;
    }
    const long jahr = f.Zahl(4), monat = f.Zahl(2), tag = f.Zahl(2), stunde = f.Zahl(2), minute = f.Zahl(2);
    z.Jahr = int16_t(jahr);
    z.Monat = int8_t(monat);
    z.Tag = int8_t(tag);
    z.Stunde = int8_t(stunde);
    z.Minute = int8_t(minute);
}

// -1 -> 0 in `wert`; true when it was -1.
bool MinusEins(int8_t& wert) {
    if (wert != -1) return false;
    wert = 0;
    return true;
}

// What the views and the warning plan rely on: a start date that is not the end marker,
// with month and day in their fields' ranges (a yearly copy keeps 29 February in a common
// year), and warning dates within the same ranges. Hours and minutes are left as written:
// typed times such as 24:00, 9:75 or 25:00 are the user's and the program handles them.
bool Plausibel(const Termin& t) {
    const Zeitpunkt& s = t.Start;
    if (s.Jahr < 1 || s.Monat < 1 || s.Monat > 12 || s.Tag < 1 || s.Tag > 31) return false;
    for (const Zeitpunkt* z : {&t.Vorwarnung, &t.VorwarnBasis})
        if (z->Jahr > 0 && (z->Monat < 0 || z->Monat > 12 || z->Tag < 0 || z->Tag > 31)) return false;
    return true;
}

// A 5-digit unsigned column; values beyond 16 bits mark the record as damaged.
bool Zahl16(FeldZeiger& f, uint16_t& ziel) {
    const long wert = f.Zahl(5);
    ziel = uint16_t(wert);
    return wert >= 0 && wert <= 0xFFFF;
}
}  // namespace

void SchreibeTerminSatz(std::string& satz, const Termin& t, bool alsExport) {
    using namespace TerminTabelle;
    const std::string_view kurz(t.Kurzbeschr);
    const int blocks = t.Blocks();
    satz += Dbase::NichtGeloescht;
    SchreibeZeit(satz, t.Start);
    SchreibeZeit(satz, t.Ende);
    if (alsExport) Dbase::Text(satz, ZuOem(std::string(kurz)), size_t(Spalte[KurzSpalte].Laenge));
    else Dbase::Text(satz, kurz, size_t(Spalte[KurzSpalte].Laenge));
    Dbase::Zahl(satz, t.AdrId, 5);
    Dbase::Zahl(satz, blocks, 3);
    if (!alsExport && blocks >= 1)
        Dbase::Text(satz, t.Beschr, size_t(blocks) * BlockGroesse);
    else
        Dbase::Text(satz, alsExport ? ZuOem(t.Beschr.substr(0, BeschrMax)) : t.Beschr, BeschrMax);
    SchreibeZeit(satz, t.Vorwarnung);
    SchreibeZeit(satz, t.VorwarnBasis);
    Dbase::Zahl(satz, t.Id, 5);
    Dbase::Zahl(satz, t.Flags, 5);
}

TerminLayout LayoutFuer(int version) {
    using F = TerminLayout::Feld;
    TerminLayout l;
    l.Version = version;
    if (version >= 410) return l;
    l.AdrIdBlocks = false;
    l.Id = F::Binaer;
    l.Flags = F::Binaer;
    l.DescriptorBeschr = TerminTabelle::BeschrSpalteAlt;
    l.Basis = version >= 400;
    if (version >= 210) return l;
    l.StartMinusEins = true;
    l.Flags = F::BinaerErsetzt;
    l.Ende = l.Vorwarnung = F::MinusEins;
    if (version >= 200) return l;
    l.Ende = F::Fehlt;
    l.Vorwarnung = F::Uebersprungen;
    l.Flags = F::Fehlt;
    l.Kurz = 29;
    l.Beschr = 205;
    l.NachBeschr = 10;
    l.DescriptorKurz = l.DescriptorBeschr = -1;
    return l;
}

int SatzLaenge(const TerminLayout& l) {
    using F = TerminLayout::Feld;
    int n = 1 + ZeitLaenge + (l.Ende == F::Fehlt ? 0 : ZeitLaenge) + l.Kurz + l.Beschr + l.NachBeschr;
    n += l.AdrIdBlocks ? 5 + 3 : 0;
    n += l.Vorwarnung == F::Uebersprungen ? 2 : ZeitLaenge;
    n += l.Basis ? ZeitLaenge : 0;
    n += l.Id == F::Text ? 5 : 2;
    n += l.Flags == F::Text ? 5 : l.Flags == F::Fehlt ? 0 : 2;
    return n;
}

// Three pieces: up to BLOCKS, the description, and the rest.
bool LiesTerminSatz(FeldLeser& datei, const TerminLayout& l, uint64_t rest, Termin& t) {
    using F = TerminLayout::Feld;
    const int vorne = 1 + ZeitLaenge + (l.Ende == F::Fehlt ? 0 : ZeitLaenge) + l.Kurz + (l.AdrIdBlocks ? 5 + 3 : 0);
    const char* stueck = datei.Stueck(size_t(vorne));
    if (!stueck) return false;
    FeldZeiger f(stueck);
    uint16_t gesammelt = 0;
    bool ok = true;
    f.Ueberspringe(1);
    LiesZeit(f, t.Start);
    if (l.StartMinusEins && (MinusEins(t.Start.Stunde) | MinusEins(t.Start.Minute))) gesammelt |= FlagOhneZeit;
    if (l.Ende == F::Fehlt) {
        t.Ende = t.Start;
    } else {
        LiesZeit(f, t.Ende);
        if (l.Ende == F::MinusEins && (MinusEins(t.Ende.Stunde) | MinusEins(t.Ende.Minute))) gesammelt |= FlagOhneEnde;
    }
    t.SetzeKurzbeschr(f.Text(size_t(l.Kurz)));
    int blocks = 0;
    if (l.AdrIdBlocks) {
        ok &= Zahl16(f, t.AdrId);
        blocks = int(f.Zahl(3));
    }
    ok &= f.Ok();
    if (blocks < 0 || uint64_t(blocks) * TerminTabelle::BlockGroesse > rest) return false;

    const size_t beschrLaenge = blocks >= 1 ? size_t(blocks) * TerminTabelle::BlockGroesse : size_t(l.Beschr);
    if (!(stueck = datei.Stueck(beschrLaenge))) return false;
    const std::string_view beschr = FeldZeiger(stueck).Text(beschrLaenge);
    t.Beschr.assign(blocks == 0 ? beschr.substr(0, BeschrMax) : beschr);

    if (!(stueck = datei.Stueck(size_t(SatzLaenge(l) - vorne - l.Beschr)))) return false;
    FeldZeiger h(stueck);
    h.Ueberspringe(size_t(l.NachBeschr));
    if (l.Vorwarnung == F::Uebersprungen) {
        h.Ueberspringe(2);
        gesammelt |= FlagOhneVorwarnung;
    } else {
        LiesZeit(h, t.Vorwarnung);
        if (l.Vorwarnung == F::MinusEins && MinusEins(t.Vorwarnung.Stunde)) gesammelt |= FlagOhneVorwarnung;
    }
    // A converted record without a warning never fires one.
    if (gesammelt & FlagOhneVorwarnung) t.Vorwarnung.Jahr = 0;
    if (l.Basis) LiesZeit(h, t.VorwarnBasis);
    if (l.Id == F::Text) ok &= Zahl16(h, t.Id);
    else t.Id = h.Binaer16();
    if (l.Flags == F::Text) ok &= Zahl16(h, t.Flags);
    else if (l.Flags != F::Fehlt) t.Flags = h.Binaer16();
    if (l.Flags == F::Fehlt || l.Flags == F::BinaerErsetzt) t.Flags = gesammelt;
    // Layouts without the base column: a yearly master's copies take its own warning, which
    // a promoted copy would otherwise lose at the next save.
    if (!l.Basis && t.Hat(FlagJaehrlich)) t.VorwarnBasis = t.Vorwarnung;
    return ok && h.Ok() && Plausibel(t);
}
