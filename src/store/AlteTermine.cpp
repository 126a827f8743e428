// Deleting the appointments of a date range.
#include "store/AlteTermine.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "core/WarteCursor.h"
#include "store/DatumText.h"

namespace {
bool LeseTag(const std::string& text, int fehler, Zeitpunkt& z, int stunde, int minute) {
    DatumTeile d;
    if (!ZerlegeDatum(text, d) || !IstKalenderDatum(d.Tag, d.Monat, d.Jahr)) {
        Message(fehler, IDS_TITEL_ALTE_TERMINE, Mb::Ok | Mb::IconExclamation);
        return false;
    }
    z = MachZeitpunkt(d.Jahr, d.Monat, d.Tag, stunde, minute);
    return true;
}

Zeitpunkt EndeFuerAlte(const Termin& t) {
    if (!t.Hat(FlagJaehrlich)) return t.Ende;
    return MachZeitpunkt(t.Start.Jahr, t.Start.Monat, t.Start.Tag, t.Ende.Stunde, t.Ende.Minute);
}
}  // namespace

bool LeseZeitraum(const std::string& erster, const std::string& letzter, Zeitpunkt& von, Zeitpunkt& bis) {
    if (!LeseTag(erster, IDS_ALTE_VON_FEHLT, von, 0, 0)) return false;
    if (!LeseTag(letzter, IDS_ALTE_BIS_FEHLT, bis, 23, 59)) return false;
    if (bis < von) {
        Message(IDS_ALTE_BIS_VOR_VON, IDS_TITEL_ZEITRAUM, Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    return true;
}

bool BestaetigeAlteLoeschen(const Zeitpunkt& von, const Zeitpunkt& bis) {
    const std::string text =
        Format(LoadResString(IDS_ALTE_LOESCHEN_FRAGE), von.Tag, von.Monat, von.Jahr, bis.Tag, bis.Monat, bis.Jahr);
    return GetHost().MessageText(text, LoadResString(IDS_TITEL_ALTE_TERMINE), Mb::YesNo | Mb::IconQuestion) ==
           Mb::IdYes;
}

int LoescheAlte(ClsListe& liste, const Zeitpunkt& von, const Zeitpunkt& bis) {
    WarteCursor warten;
    int i = 0, geloescht = 0;
    while (i < liste.Anzahl() && liste.Satz(i).Start < von) ++i;
    while (i < liste.Anzahl() && liste.Satz(i).Start < bis) {
        const Termin& t = liste.Satz(i);
        if (bis < EndeFuerAlte(t)) {
            ++i;
            continue;
        }
        // Choice: only a master hands over; a deleted copy comes back with the next load anyway.
        if (t.IstJahresMaster() && t.Id != 0) {
            for (int n = i + 1; n < liste.Anzahl(); ++n) {
                Termin& folger = liste.Satz(n);
                if (folger.Id != t.Id) continue;
                folger.Flags = uint16_t((folger.Flags & ~FlagJahresKopie) | FlagJaehrlich);
                break;
            }
        }
        liste.SetzeAktuell(&t);
        liste.LoescheAktuell();
        ++geloescht;
    }
    return geloescht;
}
