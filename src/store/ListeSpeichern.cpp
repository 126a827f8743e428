// ClsListe::Speichern: the appointment table in native or export form.
#include "core/Host.h"
#include "store/ClsListe.h"
#include "store/DateiSchreiber.h"
#include "store/JahresKopien.h"
#include "store/Passwort.h"
#include "store/TerminTabelle.h"

bool ClsListe::Speichern(DateiSchreiber& datei, bool alsExport) {
    if (Anzahl() == 0) return datei.Fehlerfrei();
    const Schreibliste auswahl(*this, Jetzt());
    if (!auswahl.Gueltig()) return false;
    const int geschrieben = auswahl.Anzahl();

    // The header is written once with the final count and capacity hint: the same bytes as
    // writing Anzahl first and patching offsets 4 and 14 afterwards.
    unsigned char kennung[4] = {'o', 'r', 'd', 'v'};
    if (alsExport) Dbase::DatumKennung(GetHost().Now(), kennung);
    std::string kopf = Dbase::Kopf(kennung, uint32_t(geschrieben), TerminTabelle::Spalte, TerminTabelle::Spalten);
    if (!alsExport) {
        const int weggelassen = Anzahl() - geschrieben;
        Dbase::SetzeU16(kopf, Dbase::HinweisOffset, uint16_t(weggelassen > 0 ? weggelassen / 19 + 1 : 0));
        Dbase::SetzeU16(kopf, Dbase::VersionOffset, TerminTabelle::AktuelleVersion);
        Verschluessele(Passwort, reinterpret_cast<unsigned char*>(&kopf[Dbase::PasswortOffset]));
    }
    if (!datei.Schreibe(kopf)) return false;

    std::string satz;
    for (int i = 0; i < geschrieben; ++i) {
        satz.clear();
        SchreibeTerminSatz(satz, auswahl[i], alsExport);
        if (!datei.Schreibe(satz)) return false;
    }
    if (!datei.Schreibe(&Dbase::Endbyte, 1)) return false;
    if (!alsExport) Geaendert = false;
    return true;
}
