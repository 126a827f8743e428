// The structure-aware target: a valid collection made from the input the way the dialogs
// make one (appointments with series, yearly repetition, warnings and long texts; addresses
// with remarks), saved, one byte of the file changed, and read back.
#include "core/TextFormat.h"
#include "dialogs/TerminAktionen.h"
#include "document/KalenderDatei.h"
#include "fuzz/FuzzHilfe.h"
#include "fuzz/FuzzZiele.h"
#include "holidays/FeiertagTabelle.h"
#include "store/Passwort.h"

namespace {
// A text of up to 255 bytes repeated 0-3 times: long enough for the 256-byte blocks.
std::string LangerText(ByteLeser& leser) {
    const std::string teil = leser.Text(255);
    std::string text;
    for (int n = leser.Byte() % 4; n > 0; --n) text += teil;
    return text;
}

std::string Zeit(ByteLeser& leser) {
    const int stunde = leser.Byte();
    return stunde < 200 ? Format("%02d:%02d", stunde % 24, leser.Bis(60)) : std::string();
}

void FuegeTerminHinzu(ByteLeser& leser, ClsListe& liste) {
    TerminFelder f;
    f.Datum = Format("%d.%d.%d", 1 + leser.Bis(31), 1 + leser.Bis(12), 1800 + leser.Bis(2200));
    f.Beginn = Zeit(leser);
    f.Ende = Zeit(leser);
    f.Kurztext = leser.Text(60);
    f.Beschreibung = LangerText(leser);
    f.AdrId = uint16_t(leser.Byte() % 4);
    const uint8_t schalter = leser.Byte();
    f.ManuellErledigt = schalter & 1;
    f.Vorwarnung = schalter & 2;
    f.VorMinuten = std::to_string(leser.Bis(5000));
    f.Jaehrlich = schalter & 4;
    f.SchrittTage = schalter & 8;
    f.SchrittMonate = schalter & 16;
    f.Anzahl = std::to_string(1 + (schalter >> 5 & 3));
    f.Prioritaet = schalter >> 7 ? 3 : 0;
    Termin basis;
    FuegeHinzu(liste, f, basis);
}

void FuegeAdresseHinzu(ByteLeser& leser, ClsAdrListe& liste) {
    Adresse a;
    for (auto* feld : {&a.FIRMA, &a.NAME1, &a.NAME2, &a.STRASSE, &a.PLZORT}) Adresse::Setze(*feld, leser.Text(45));
    for (auto* feld : {&a.ANREDE, &a.LAND, &a.TELEFON, &a.FAX, &a.BTX}) Adresse::Setze(*feld, leser.Text(25));
    const std::string sort = leser.Text(12);
    Adresse::Setze(a.SORT, sort.empty() ? "A" : sort);
    a.BEMERK = LangerText(leser);
    a.FLAGS = leser.Byte();
    a.ID = liste.NeueId();
    liste.EinfuegenSortiert(a);
}
}  // namespace

const char* FuzzStruktur(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    ByteLeser leser(daten, groesse);
    const int stelle = leser.Bis(65536);
    const uint8_t maske = leser.Byte();
    umgebung.host.answers.clear();

    Dokument doc;
    doc.Neu();
    for (int n = leser.Byte() % 12; n > 0; --n) FuegeTerminHinzu(leser, doc.Liste);
    for (int n = leser.Byte() % 4; n > 0; --n) FuegeAdresseHinzu(leser, doc.AdrListe);
    if (leser.Byte() & 1) SetzePasswort(doc.Liste.Passwort, "Geheim");
    const std::string pfad = FuzzDatei("struktur.odv");
    FUZZ_PRUEFE(SchreibeDatei(doc, pfad, ModusKalender));

    std::string bytes = LiesFuzzDatei(pfad);  // empty for an empty collection
    if (!bytes.empty()) bytes[size_t(stelle) % bytes.size()] ^= char(maske);
    SchreibeFuzzDatei(pfad, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    umgebung.host.messages.clear();
    umgebung.host.answers = {Mb::IdYes, Mb::IdNo};
    Dokument gelesen;
    gelesen.Dateiname = pfad;
    if (gelesen.Laden() != Ladeausgang::Ok) {
        FUZZ_PRUEFE(gelesen.Leer() && !umgebung.host.messages.empty());
        return nullptr;
    }
    FUZZ_PRUEFE(maske != 0 || gelesen.Liste.Anzahl() == doc.Liste.Anzahl());
    Feiertage feiertage;
    return PruefeGeladen(gelesen, feiertage);
}
