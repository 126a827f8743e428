// ContextMenuItems and ToggleDone.
#include "views/ContextMenuRules.h"

#include "core/Host.h"
#include "core/ResourceIds.h"

std::array<ContextItem, 6> ContextMenuItems(const Termin& t, const Zeitpunkt& jetzt) {
    const bool copy = t.Hat(FlagJahresKopie);
    return {{
        {CM_ERLEDIGT, IDS_KONTEXT_ERLEDIGT, IsDrawnDone(t, jetzt) != 0, copy},
        {CM_ANMERKUNG, IDS_KONTEXT_ANMERKUNG, false, copy},
        {CM_ADRESSE, IDS_KONTEXT_ADRESSE, false, copy},
        {CM_VORWARNZEIT, IDS_KONTEXT_VORWARNUNG, false, copy || t.Start < jetzt},
        {CM_VERSCHIEBEN, IDS_KONTEXT_VERSCHIEBEN, false, copy},
        {CM_ENTFERNEN, IDS_KONTEXT_LOESCHEN, false, copy},
    }};
}

bool ToggleDone(Termin& t, const Zeitpunkt& jetzt) {
    switch (IsDrawnDone(t, jetzt)) {
    case 0:
        t.Flags |= FlagErledigt;
        return true;
    case 1:
        if (Message(IDS_ERLEDIGT_ZURUECKNEHMEN, 0, Mb::OkCancel | Mb::IconExclamation) != Mb::IdOk) return false;
        t.Flags = uint16_t((t.Flags | FlagManuellErledigt) & ~FlagErledigt);
        return true;
    default:
        t.Flags = uint16_t(t.Flags & ~FlagErledigt);
        return true;
    }
}
