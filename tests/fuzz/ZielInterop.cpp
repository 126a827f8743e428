// Target for the imported calendars and address cards: the first byte chooses iCalendar or
// vCard; what is read is taken over into a document that must then paint, search and save.
#include "fuzz/FuzzHilfe.h"
#include "fuzz/FuzzZiele.h"
#include "holidays/FeiertagTabelle.h"
#include "interop/ICalImport.h"
#include "interop/VCard.h"

namespace {
struct OhneVersatz : Ortszeit {
    Zeitpunkt AusUtc(const Zeitpunkt& utc) const override { return utc; }
};
}  // namespace

const char* FuzzImport(const uint8_t* daten, size_t groesse) {
    if (groesse == 0) return nullptr;
    FuzzUmgebung umgebung;
    umgebung.host.answers.clear();  // "import?" answered yes
    const std::string text(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    Dokument doc;
    doc.Neu();
    if (daten[0] & 1) {
        VCardErgebnis e = LiesVCard(text);
        VCardBericht(e);
        if (e.FehlerZeile > 0) FUZZ_PRUEFE(e.Adressen.empty());
        UebernimmAdressen(doc.AdrListe, e, {});
    } else {
        ICalErgebnis e = LiesICal(text, doc.AdrListe, OhneVersatz());
        ICalBericht(e);
        for (const Termin& t : e.Termine) FUZZ_PRUEFE(t.Start.Jahr >= 1800 && t.Start.Jahr <= 3999);
        UebernimmTermine(doc.Liste, e);
    }
    Feiertage feiertage;
    return PruefeGeladen(doc, feiertage);
}
