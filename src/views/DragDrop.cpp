// DroppedCopy and PlaceDrop.
#include "views/DragDrop.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "store/JahresKopien.h"

#include <limits>
#include <new>

namespace {

// Leaves z alone where the shift would leave the range of minute numbers.
void Shift(Zeitpunkt& z, int64_t delta) {
    const int64_t m = int64_t(ToMinutes(z)) + delta;
    if (m >= 0 && m <= int64_t(std::numeric_limits<uint32_t>::max())) z = FromMinutes(uint32_t(m));
}

void ShiftTimes(Termin& t, const Zeitpunkt& target) {
    const int64_t delta = int64_t(ToMinutes(target)) - int64_t(ToMinutes(t.Start));
    if (!t.Hat(FlagOhneEnde)) {
        if (t.Hat(FlagJaehrlich)) {
            // Yearly records keep the year step in Ende's date; only the time moves.
            Zeitpunkt end = MachZeitpunkt(t.Start.Jahr, t.Start.Monat, t.Start.Tag, t.Ende.Stunde, t.Ende.Minute);
            Shift(end, delta);
            t.Ende.Stunde = end.Stunde;
            t.Ende.Minute = end.Minute;
        } else {
            Shift(t.Ende, delta);
        }
    }
    if (t.Vorwarnung.Jahr > 0) Shift(t.Vorwarnung, delta);
    // A yearly master's copies take their warning from VorwarnBasis: it moves along.
    if (t.IstJahresMaster() && t.VorwarnBasis.Jahr > 0) Shift(t.VorwarnBasis, delta);
    t.Start = target;
}

}  // namespace

bool DroppedCopy(const Termin& dragged, Zeitpunkt target, ViewMode mode, Termin& moved) {
    if (target == dragged.Start) return false;
    if (mode != ViewMode::Day) {
        if (target.Tag == dragged.Start.Tag) return false;
        target.Stunde = dragged.Start.Stunde;
        target.Minute = dragged.Start.Minute;
    }
    try {
        moved = dragged;
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    ShiftTimes(moved, target);
    if (mode == ViewMode::Day) {
        if (target.Stunde == 0 && target.Minute == 0) moved.Flags |= FlagOhneZeit;
        else moved.Flags = uint16_t(moved.Flags & ~FlagOhneZeit);
    }
    return true;
}

bool PlaceDrop(ClsListe& liste, const RecordRef& original, const Termin& moved, bool keepOriginal) {
    const int slot = Locate(liste, original);
    if (slot < 0) return false;
    liste.SetzeAktuell(&liste.Satz(slot));
    // A save writes one record per yearly series: a copied master starts a series of its own.
    Termin neu = moved;
    if (keepOriginal && neu.IstJahresMaster()) neu.Id = liste.NeueId();
    if (!keepOriginal) liste.LoescheAktuell();
    if (liste.Einfuegen(neu)) {
        // A yearly master takes its copies along, so that none of them stays on the old day
        // (number 0: every series number is taken; the next load numbers it).
        if (neu.IstJahresMaster() && neu.Id != 0) ErneuereKopien(liste, neu.Id, neu);
        return true;
    }
    if (!keepOriginal) liste.Einfuegen(original.Copy);
    return false;
}
