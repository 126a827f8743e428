// StoreEditText: parse, delete, overlap check, insert, and the way back.
#include "views/InPlaceCommit.h"

#include "store/JahresKopien.h"
#include "views/InPlaceText.h"

#include <new>

namespace {

// The reference to the record just stored; empty when not even that copy can be made
// (the record itself is in the collection).
RecordRef Stored(ClsListe& liste, const Termin& t) {
    try {
        RecordRef ref{0, t};
        ref.Slot = Locate(liste, ref);
        return ref;
    } catch (const std::bad_alloc&) {
        return RecordRef{};
    }
}

// The working record: a copy of the edited one, or an empty one on the day.
bool Working(ClsListe& liste, const RecordRef& edited, const Zeitpunkt& day, Termin& w) {
    try {
        if (!edited.Empty()) {
            w = edited.Copy;
            return true;
        }
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    w = Termin{};
    w.Id = liste.NeueId();
    w.Start = MachZeitpunkt(day.Jahr, day.Monat, day.Tag);
    w.Ende = w.Start;  // the end shares the start's date
    return true;
}

}  // namespace

RecordRef StoreEditText(ClsListe& liste, const RecordRef& edited, const std::string& text, const std::string& opened,
                        const Zeitpunkt& day) {
    // Decision: a line left as it was opened changes nothing (no re-parse of the record, no
    // appointment from a time row that only shows its time).
    if (text == opened) return edited.Empty() || Locate(liste, edited) < 0 ? RecordRef{} : Stored(liste, edited.Copy);
    Termin w;
    if (!Working(liste, edited, day, w)) return RecordRef{};  // nothing was changed
    const bool empty = IsEmptyEditText(text);
    if (!empty) ParseEditText(text, w);

    const bool geaendertVorher = liste.Geaendert;
    bool removed = false;
    if (!edited.Empty()) {
        // A record that vanished meanwhile is not looked for further; the typed line still counts.
        const int slot = Locate(liste, edited);
        if (slot >= 0) {
            liste.SetzeAktuell(&liste.Satz(slot));
            liste.LoescheAktuell();
            removed = true;
        }
    }
    // A yearly master's copies follow it: a save writes one record of the series, which
    // may be a copy, so a copy left as it was would undo the edit.
    const bool master = removed && edited.Copy.IstJahresMaster();
    if (empty) {
        if (master) ErneuereKopien(liste, edited.Copy.Id, Termin{});  // no new master: the copies go
        return RecordRef{};
    }
    if (!liste.PruefeUeberschneidung(w) && liste.Einfuegen(w)) {
        if (master) ErneuereKopien(liste, w.Id, w);
        return Stored(liste, w);
    }
    if (!removed) return RecordRef{};
    // Declined or failed: the edited record goes back as it was.
    if (!liste.Einfuegen(edited.Copy)) return RecordRef{};
    liste.Geaendert = geaendertVorher;
    return Stored(liste, edited.Copy);
}
