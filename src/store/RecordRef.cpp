// RecordRef: taking, comparing and finding again.
#include "store/RecordRef.h"

#include <cstring>
#include <new>

bool SameRecord(const Termin& a, const Termin& b) {
    return a.Start == b.Start && a.Ende == b.Ende && a.Vorwarnung == b.Vorwarnung &&
           a.VorwarnBasis == b.VorwarnBasis && a.Id == b.Id && a.Flags == b.Flags &&
           std::memcmp(a.Kurzbeschr, b.Kurzbeschr, sizeof a.Kurzbeschr) == 0 && a.AdrId == b.AdrId &&
           a.Beschr == b.Beschr;
}

RecordRef RefTo(ClsListe& liste, int slot) {
    RecordRef ref;
    if (slot < 0 || slot >= liste.Anzahl()) return ref;
    try {
        ref.Copy = liste.Satz(slot);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return RecordRef{};
    }
    ref.Slot = slot;
    return ref;
}

int Locate(ClsListe& liste, const RecordRef& ref) {
    if (ref.Empty()) return -1;
    if (ref.Slot < liste.Anzahl() && SameRecord(liste.Satz(ref.Slot), ref.Copy)) return ref.Slot;
    for (int i = 0; i < liste.Anzahl(); ++i)
        if (SameRecord(liste.Satz(i), ref.Copy)) return i;
    return -1;
}
