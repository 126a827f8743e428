// The enable rules.
#include "dialogs/TerminFreigaben.h"

Freigaben BerechneFreigaben(const FreigabeLage& l) {
    Freigaben f;
    f.Bereit = l.DatumGefuellt && l.KurztextGefuellt;
    if (l.Geladen) {
        f.Hinzufuegen = l.DatumOderZeitGeaendert && l.Geaendert;
        f.Aendern = l.Geaendert && l.KurztextGefuellt;
        if (l.AktuellJahresKopie) f.Hinzufuegen = f.Aendern = false;
    } else {
        f.Hinzufuegen = f.Bereit;
        f.Aendern = l.AendernBisher;
    }
    if (l.Anzahl > 1) f.Aendern = false;
    f.Loeschen = l.ZeileGewaehlt;
    f.Warnfelder = f.Bereit && l.Vorwarnung && !l.ProgrammMarke;
    f.Wiederholung = f.Bereit && (l.Anzahl > 1 || l.Jaehrlich);
    f.Schritte = f.Wiederholung && !l.Jaehrlich;
    return f;
}
