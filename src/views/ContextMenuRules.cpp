// ContextMenuItems and ToggleDone.
#include "views/ContextMenuRules.h"

#include "core/Host.h"

std::array<ContextItem, 6> ContextMenuItems(const Termin& t, const Zeitpunkt& jetzt) {
    const bool copy = t.Hat(FlagJahresKopie);
    return {{
        {822, 1301, IsDrawnDone(t, jetzt) != 0, copy},
        {821, 1302, false, copy},
        {823, 1303, false, copy},
        {824, 1304, false, copy || t.Start < jetzt},
        {826, 1305, false, copy},
        {825, 1306, false, copy},
    }};
}

bool ToggleDone(Termin& t, const Zeitpunkt& jetzt) {
    switch (IsDrawnDone(t, jetzt)) {
    case 0:
        t.Flags |= FlagErledigt;
        return true;
    case 1:
        if (Message(1123, 0, Mb::OkCancel | Mb::IconExclamation) != Mb::IdOk) return false;
        t.Flags = uint16_t((t.Flags | FlagManuellErledigt) & ~FlagErledigt);
        return true;
    default:
        t.Flags = uint16_t(t.Flags & ~FlagErledigt);
        return true;
    }
}
