// Moving the current appointment: the typed date and time, the shift of end and warning.
#include "store/Verschieben.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "store/DatumText.h"
#include "store/JahresKopien.h"

namespace {
Zeitpunkt Verschiebe(const Zeitpunkt& z, int64_t delta) { return FromMinutes(uint32_t(int64_t(ToMinutes(z)) + delta)); }

int VolleJahre(int jahr) { return jahr < 80 ? jahr + 2000 : jahr < 100 ? jahr + 1900 : jahr; }
}  // namespace

Termin Verschoben(const Termin& t, const Zeitpunkt& start, bool ohneZeit) {
    Termin neu = t;
    neu.Start = start;
    neu.Flags = uint16_t(ohneZeit ? t.Flags | FlagOhneZeit : t.Flags & ~FlagOhneZeit);
    const int64_t delta = int64_t(ToMinutes(start)) - int64_t(ToMinutes(t.Start));
    if (!t.Hat(FlagOhneEnde)) {
        // The end counts on the start day; a yearly record keeps the step in Ende's date.
        const Zeitpunkt ende = Verschiebe(
            MachZeitpunkt(t.Start.Jahr, t.Start.Monat, t.Start.Tag, t.Ende.Stunde, t.Ende.Minute), delta);
        neu.Ende = t.Hat(FlagJaehrlich) ? MachZeitpunkt(t.Ende.Jahr, t.Ende.Monat, t.Ende.Tag, ende.Stunde, ende.Minute)
                                        : ende;
    }
    if (t.Vorwarnung.Jahr > 0) neu.Vorwarnung = Verschiebe(t.Vorwarnung, delta);
    // Choice: a yearly master's warning basis moves too; its copies take their warnings from
    // it, and would otherwise keep warning for the old date in every later year.
    if (t.IstJahresMaster() && t.VorwarnBasis.Jahr > 0) neu.VorwarnBasis = Verschiebe(t.VorwarnBasis, delta);
    return neu;
}

bool VerschiebeAktuell(ClsListe& liste, const std::string& datum, const std::string& zeit) {
    const Termin* alt = liste.Aktuell();
    DatumTeile d;
    const bool datumOk = ZerlegeDatum(datum, d) && IstKalenderDatum(d.Tag, d.Monat, VolleJahre(d.Jahr));
    const Uhrzeit u = ZerlegeZeit(zeit);
    // Choice: a date outside the calendar or an hour/minute beyond 23:59 is refused like a
    // missing part, so nothing impossible reaches the collection.
    if (!alt || alt->IstEndmarke() || !datumOk || u.Stunde > 23 || u.Minute > 59) {
        Message(IDS_NEUES_DATUM_UNGUELTIG, IDS_TITEL_VERSCHIEBEN, Mb::Ok | Mb::IconExclamation);
        return false;
    }
    const Termin vorher = *alt;
    const Termin neu = Verschoben(vorher, MachZeitpunkt(VolleJahre(d.Jahr), d.Monat, d.Tag, u.Stunde, u.Minute),
                                  u.OhneZeit);
    liste.LoescheAktuell();
    if (liste.Einfuegen(neu)) {
        // A moved yearly master takes its copies along, as a change in the dialog does.
        if (vorher.IstJahresMaster()) ErneuereKopien(liste, vorher.Id, neu);
        return true;
    }
    // The freed slot takes the old record back: nothing is lost after the memory message.
    liste.Einfuegen(vorher);
    return false;
}
