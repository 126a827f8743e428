// The address book in memory: records in sort-key order with a cursor and saved positions
// (indices, so growth cannot invalidate them), counted capacity in steps of 50, the
// display line, and the address section of the appointment file.
#pragma once
#include "addresses/Adresse.h"
#include "store/DateiLeser.h"

#include <string>
#include <vector>

class DateiSchreiber;

class ClsAdrListe {
public:
    static constexpr int StartKapazitaet = 63;  // 64 records, one for the end record
    static constexpr int Wachstum = 50;
    static constexpr int StapelTiefe = 9;

    ClsAdrListe() = default;
    ClsAdrListe(const ClsAdrListe&) = delete;
    ClsAdrListe& operator=(const ClsAdrListe&) = delete;

    bool Geaendert = false;

    // Walking; pointers are valid until the next change. Past the last record: null.
    Adresse* Erste();
    Adresse* Naechste();
    Adresse* Vorige();  // stays on the first record
    Adresse* Aktuelle();
    int CursorIndex() const { return cursor_; }
    void SetzeCursor(int index);  // clamped to 0 .. Anzahl
    bool MerkePosition();
    bool HolePosition();
    int Anzahl() const { return int(saetze_.size()); }
    int Kapazitaet() const { return kapazitaet_; }
    Adresse& Satz(int i) { return saetze_[size_t(i)]; }  // 0 <= i < Anzahl

    Adresse* Finde(uint16_t id);
    // 1 when empty, else the smallest free number >= 2; numbers in `vergeben` (still linked
    // to appointments) count as taken, so a deleted address's links never reach a new one.
    uint16_t NeueId(const std::vector<uint16_t>& vergeben = {}) const;
    // Before the first record whose SORT compares greater: after equal keys. Returns the
    // index, or -1 after message 1106 (caption 1104) when the list cannot grow.
    int EinfuegenSortiert(const Adresse& a);
    bool EinfuegenBeiCursor(const Adresse& a);
    void LoescheAktuelle();
    void Leeren();          // frees everything; capacity 0
    bool Initialisieren();  // empty with room for 63; false (after 1106/1104) without memory

    // "FIRMA, NAME1, NAME2" or, long, with street, town, country and "Tel. " TELEFON.
    static std::string Zeile(const Adresse& a, bool lang);

    // The address section at the reader's position: fewer bytes than a header (none at all,
    // or up to 31 left over) mean there is no section and give an empty list.
    LeseErgebnis LiesAbschnitt(DateiLeser& datei);
    // The loader's address step: LiesAbschnitt, and on failure an empty list after the
    // report (IDS_ADRESSEN_BESCHAEDIGT naming `dateiname`, or 1106 for memory), so that
    // the appointments already read are kept.
    void LiesAbschnittOderLeer(DateiLeser& datei, const std::string& dateiname);
    // Writes nothing for an empty list. Native form clears Geaendert on success; the export
    // converts the texts except TELEFON, FAX and BTX to OEM and cuts remarks to 196.
    bool SchreibeAbschnitt(DateiSchreiber& datei, bool alsExport);

    // Test seam: room for more than this many records fails like a full memory.
    void SetzeSpeichergrenze(int saetze) { grenze_ = saetze; }

private:
    bool Reserviere(int saetze);

    std::vector<Adresse> saetze_;
    int cursor_ = 0;
    int stapel_[StapelTiefe] = {};
    int stapelTiefe_ = 0;
    int kapazitaet_ = 0;
    int grenze_ = -1;
};
