// The one sorted appointment collection: cursor and position stack (slot indices, so they
// survive growth), the per-day walk Hole, sorted insert, delete, series numbers and the
// overlap warning. Counts capacity in the classic steps of 50 records.
#pragma once
#include "store/Termin.h"

#include <functional>
#include <string>
#include <vector>

class DateiSchreiber;

class ClsListe {
public:
    static constexpr int StartKapazitaet = 63;  // fresh block of 64 slots, one for the end marker
    static constexpr int Wachstum = 50;
    static constexpr int StapelTiefe = 9;

    ClsListe() = default;
    ClsListe(const ClsListe&) = delete;
    ClsListe& operator=(const ClsListe&) = delete;

    char Passwort[14] = {};  // plain text in memory; empty = none
    bool Laedt = false;      // a file is being read: no change notices
    bool Geaendert = false;  // unsaved changes

    // Walking. Returned pointers are valid until the next change of the collection;
    // the slot after the last record is an all-zero end marker.
    Termin* Erster();
    Termin* Naechster();
    Termin* Voriger();  // stays on the first slot
    Termin* Aktuell();
    void SetzeAktuell(const Termin* t);  // null or a record of another list changes nothing
    Termin* Letzter();                   // the end marker when empty
    int Anzahl() const { return int(saetze_.size()); }
    int Kapazitaet() const { return kapazitaet_; }
    bool MerkePosition();  // false when all 9 places are used
    bool HolePosition();   // false when nothing is saved
    // nurTag false: the record at the cursor. nurTag true: the next record on out.Start's
    // date; null at a later day (cursor left on it) or at the end.
    Termin* Hole(Termin& out, bool nurTag);
    // The cursor to the first record dated `tag` or later, found by halving: the place a walk
    // of Hole from the first record reaches, without passing every earlier record.
    void SucheTag(const Zeitpunkt& tag);
    // Slot i (0 .. Anzahl; Anzahl is the end marker), for whole-list passes.
    Termin& Satz(int i);

    // Changing. Failed allocations show 1106/1104 and leave the data unchanged.
    bool Einfuegen(const Termin& t);
    // Inserts all records with the result of Einfuegen one by one in the given order.
    bool EinfuegenMehrere(std::vector<Termin> neue);
    // The same for records known until then by start and FlagOhneEnde only: once room is
    // made, mach(j, slot) builds new record j in its final slot. mach must not throw.
    struct NeuerSatz {
        Zeitpunkt Start;
        bool OhneEnde;
    };
    bool EinfuegenErzeugt(const std::vector<NeuerSatz>& neue, const std::function<void(int, Termin&)>& mach);
    // Load path: appends a record read in file order (an out-of-order one is sorted in);
    // no change notice, Geaendert untouched.
    bool Anhaengen(Termin t);
    Termin* LoescheAktuell();
    // Every record `weg` picks (by slot) out in one pass, the rest in order; one change notice.
    void EntferneWenn(const std::function<bool(int, const Termin&)>& weg);
    void EntferneJahresKopien();  // load path: the generated copies out again, the rest in order
    uint16_t NeueId() const;  // 1 when empty, else the smallest free number >= 2 (0 if none)
    // The `anzahl` smallest numbers >= 2 that no record uses (fewer if they run out); may throw
    // std::bad_alloc, for callers that catch it around a larger job.
    std::vector<uint16_t> FreieIds(int anzahl) const;
    int ZaehleId(uint16_t id) const;  // records with this Id from the cursor to the end
    bool PruefeUeberschneidung(const Termin& n);  // true = the user declined storing n
    void SetzeGeaendert() { Geaendert = true; }
    void Leeren();
    // Empty collection with a block for `kapazitaet` records (false, silently, on failure).
    bool Reserviere(int kapazitaet);
    // A fresh empty collection without password. False (after 1106) without memory.
    bool Initialisieren();
    // Writes the appointment table to `datei` at its position: native form (clears Geaendert
    // on success) or dBase III export. Nothing is written without records. False when a
    // write failed (reported once by the file) or the selection ran out of memory.
    bool Speichern(DateiSchreiber& datei, bool alsExport);

    // Test seam: allocations for more than this many records fail like a full memory.
    void SetzeSpeichergrenze(int saetze) { grenze_ = saetze; }

private:
    int EinfuegePosition(const Termin& t) const;
    int KapazitaetFuer(int neueAnzahl) const;
    bool Vorhalten(std::vector<Termin>& v, size_t saetze, size_t bisher) const;
    bool Platz(int neueAnzahl);  // counted growth and real room for neueAnzahl records
    int Verdichte(const std::function<bool(int, const Termin&)>& weg);  // records removed
    void Melde();  // change notice unless loading
    Termin* Endmarke();

    std::vector<Termin> saetze_;
    Termin endmarke_;
    int cursor_ = 0;
    int stapel_[StapelTiefe] = {};
    int stapelTiefe_ = 0;
    int kapazitaet_ = 0;
    int grenze_ = -1;
};

// Message 1106 (caption 1104): a block could not be allocated.
void Speichermangel();
