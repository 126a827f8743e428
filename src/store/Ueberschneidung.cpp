// ClsListe::PruefeUeberschneidung: the overlap warning before a record is stored.
#include "store/ClsListe.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

namespace {
// The four cases; n's end is taken as stored in n, e's end on e's start date.
bool Ueberschneidet(const Termin& n, const Termin& e) {
    const int64_t ns = SortKey(n.Start), ne = SortKey(n.Ende);
    const int64_t es = SortKey(e.Start), ee = SortKey(e.EndeAmStarttag());
    const bool nOhneEnde = n.Hat(FlagOhneEnde), eOhneEnde = e.Hat(FlagOhneEnde);
    if (!nOhneEnde && !eOhneEnde)
        return (es <= ns && ns < ee) || (es < ne && ne <= ee) || (ns < es && ne > ee);
    if (!nOhneEnde) return ns <= es && es < ne;
    if (!eOhneEnde) return (es <= ns && ns < ee) || (es <= ne && ne < ee);
    return ns == es;
}

std::string Warnung(const Termin& e) {
    std::string text = Format(LoadResString(IDS_UEBERSCHNEIDUNG), e.Start.Tag, e.Start.Monat, e.Start.Jahr,
                              e.Start.Stunde, e.Start.Minute);
    if (!e.Hat(FlagOhneEnde)) text += Format(" - %2d:%02d", e.Ende.Stunde, e.Ende.Minute);
    return text + Format(LoadResString(IDS_UEBERSCHNEIDUNG_FRAGE), e.Kurzbeschr);
}
}  // namespace

// An all-day record (FlagOhneZeit) is never checked and never met.
bool ClsListe::PruefeUeberschneidung(const Termin& n) {
    if (n.Hat(FlagOhneZeit)) return false;
    for (const Termin& e : saetze_) {
        if (e.Hat(FlagOhneZeit) || !Ueberschneidet(n, e)) continue;
        const int antwort = GetHost().MessageText(Warnung(e), LoadResString(IDS_TITEL_FRAGE),
                                                  Mb::YesNo | Mb::IconExclamation | Mb::TaskModal);
        return antwort != Mb::IdYes;
    }
    return false;
}
