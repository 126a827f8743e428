// Targets for the texts the program reads: stored settings (number lists, flags, the window
// position), the in-place editor line, dates and the dialogs' time, number and margin fields.
#include "core/ConfigText.h"
#include "core/MemoryConfigStore.h"
#include "dialogs/DarstellungRegeln.h"
#include "dialogs/FeiertagFelder.h"
#include "dialogs/TagesRaster.h"
#include "dialogs/TerminFelder.h"
#include "dialogs/Vorlauf.h"
#include "dialogs/ZeitFeld.h"
#include "fuzz/FuzzHilfe.h"
#include "fuzz/FuzzZiele.h"
#include "printing/PrintOptions.h"
#include "settings/Settings.h"
#include "store/DatumText.h"
#include "views/InPlaceText.h"

#include <cstring>
#include <utility>

namespace {
// Every stored value the program reads, filled line by line from the input.
const std::pair<const char*, const char*> Werte[] = {
    {RegPath::View, "WindowPos"},      {RegPath::Print, "Margins"},          {RegPath::Sound, "WavAlarm"},
    {RegPath::View, "Colors"},         {RegPath::View, "Day1"},              {RegPath::View, "Day2"},
    {RegPath::View, "Mode"},           {RegPath::View, "StartAM"},           {RegPath::View, "StartPM"},
    {RegPath::View, "StepAM"},         {RegPath::View, "StepPM"},            {RegPath::Print, "FontHeight"},
    {RegPath::General, "ShowMenu"},    {RegPath::General, "AutoSave"},       {RegPath::View, "MinStdFontHeight"},
    {RegPath::View, "MaxStdFontHeight"}, {RegPath::General, "DefaultFile"},  {RegPath::General, "FirstStart"},
    {RegPath::Sound, "WavAlarm1"},     {RegPath::International, "Locale"},   {RegPath::International, "sDate"},
    {RegPath::International, "sShortDate"},
};

// A registry string ends at its first zero.
std::string RegText(std::string zeile) { return zeile.substr(0, zeile.find('\0')); }
}  // namespace

const char* FuzzKonfiguration(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    MemoryConfigStore store;
    SetConfigStore(&store);
    ByteLeser leser(daten, groesse);
    for (const auto& [pfad, name] : Werte) store.Put(pfad, name, RegText(leser.Zeile()));

    ReadRegional();
    const WindowPos pos = UsableWindowPos(ReadWindowPos(1024, 768), ScreenArea{0, 0, 1024, 768}, 1024, 768);
    Settings s;
    MainWindowSettings mw;
    ReadStartupSettings(s, false);
    ReadSetupSettings(s, mw);
    SetConfigStore(nullptr);
    FUZZ_PRUEFE(pos.Width >= 200 && pos.Height >= 100 && pos.Width <= 2048 && pos.Height <= 1536);
    FUZZ_PRUEFE(pos.X + pos.Width >= 20 && pos.X <= 1004 && pos.Y >= -10 && pos.Y <= 748);
    FUZZ_PRUEFE(s.StepAM >= 1 && s.StepPM >= 1 && s.StepAM <= 1440 && s.StepPM <= 1440);
    FUZZ_PRUEFE(s.Look.MinStdFontHeight <= s.Look.MaxStdFontHeight);
    FUZZ_PRUEFE(std::memchr(s.DefaultFile, 0, sizeof s.DefaultFile) != nullptr);
    return nullptr;
}

const char* FuzzZeileImEditor(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    Termin t;
    t.Start = MachZeitpunkt(2026, 12, 5, 9, 30);
    t.Ende = MachZeitpunkt(2026, 12, 5, 10, 0);
    ParseEditText(text, t);
    IsEmptyEditText(text);
    FUZZ_PRUEFE(std::memchr(t.Kurzbeschr, 0, sizeof t.Kurzbeschr) != nullptr);
    // What the editor shows for the record parses back to the same times.
    Termin wieder = t;
    ParseEditText(EditorText(t), wieder);
    FUZZ_PRUEFE(wieder.Start == t.Start && wieder.Ende == t.Ende);
    return nullptr;
}

const char* FuzzDatum(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    for (char trenner : {'.', '/'})
        for (bool tagZuerst : {true, false}) {
            SetzeDatumsformat(trenner, tagZuerst);
            umgebung.host.messages.clear();
            const Datum d = ParseDatum(text, trenner);
            if (d.Jahr < 0) {
                FUZZ_PRUEFE(umgebung.host.messages.size() == 1);
                continue;
            }
            FUZZ_PRUEFE(IstKalenderDatum(d.Tag, d.Monat, d.Jahr));
            const Datum wieder = ParseDatum(DatumText(d.Tag, d.Monat, d.Jahr), trenner);
            FUZZ_PRUEFE(wieder.Jahr == d.Jahr && wieder.Monat == d.Monat && wieder.Tag == d.Tag);
        }
    DatumTeile teile;
    ZerlegeDatum(text, teile);
    FUZZ_PRUEFE(teile.Tag >= 0 && teile.Monat >= 0 && teile.Jahr >= 0);
    ZerlegeZeit(text);
    Zeitpunkt z;
    for (bool monat : {false, true})
        if (ReadPrintDate(text, monat, z)) FUZZ_PRUEFE(z.Jahr > 0 && z.Monat > 0 && z.Tag > 0);
    return nullptr;
}

const char* FuzzDialogfelder(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    ByteLeser leser(daten, groesse);
    std::string f[4];
    for (std::string& feld : f) feld = leser.Zeile();

    if (ZeitZeichenGueltig(f[0])) ZeitZeichenGueltig(ErgaenzeZeit(f[0]));
    const long vorlauf = VorlaufMinuten(f[1], f[2], f[3]);
    FUZZ_PRUEFE(vorlauf >= 0);
    const Vorlauf teile = TeileMinuten(vorlauf);
    FUZZ_PRUEFE(VorlaufMinuten(std::to_string(teile.Tage), std::to_string(teile.Stunden),
                               std::to_string(teile.Minuten)) == vorlauf);
    FUZZ_PRUEFE(FeldZahl(f[0]) >= 0);

    TagesRaster raster;
    if (PruefeRaster(f[0], f[1], f[2], f[3], raster) == 0) {
        FUZZ_PRUEFE(raster.StepAM > 0 && raster.StepPM > 0);
        RasterEnde(raster.StartAM, raster.StepAM);
        RasterEnde(raster.StartPM, raster.StepPM);
    }
    for (const std::string& feld : f) {
        const int rand = ReadMargin(feld);
        if (rand >= 0) FUZZ_PRUEFE(ReadMargin(MarginText(rand)) == rand);
    }
    int kleinste = 0, groesste = 0;
    if (PruefeSchriftHoehen(f[0], f[1], kleinste, groesste) == 0)
        FUZZ_PRUEFE(6 <= kleinste && kleinste <= groesste && groesste <= 24);
    VorgabeDateiname(f[2]);
    SplitDeviceEntry(f[3]);
    return nullptr;
}

const char* FuzzTerminfelder(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    umgebung.host.answers.clear();  // every question answered yes: keep the record
    ByteLeser leser(daten, groesse);
    const uint8_t schalter = leser.Byte();
    TerminFelder f;
    for (std::string* feld : {&f.Datum, &f.Beginn, &f.Ende, &f.Kurztext, &f.Beschreibung, &f.VorTage,
                              &f.VorStunden, &f.VorMinuten, &f.Anzahl, &f.Faktor})
        *feld = leser.Zeile();
    f.Vorwarnung = schalter & 1;
    f.Jaehrlich = schalter & 2;
    f.ManuellErledigt = schalter & 4;
    f.Prioritaet = schalter >> 6;
    ClsListe liste;
    liste.Initialisieren();
    Termin t;
    if (LeseTermin(f, liste, t)) {
        FUZZ_PRUEFE(std::memchr(t.Kurzbeschr, 0, sizeof t.Kurzbeschr) != nullptr);
        FUZZ_PRUEFE(IstKalenderDatum(t.Start.Tag, t.Start.Monat, t.Start.Jahr));
        // The record shown again reads back to itself (a stored yearly record has a series number).
        t.Id = 1;
        Termin wieder;
        FUZZ_PRUEFE(LeseTermin(FelderAus(t, 1), liste, wieder));
        FUZZ_PRUEFE(wieder.Start == t.Start && wieder.Ende == t.Ende && wieder.Flags == t.Flags &&
                    wieder.Vorwarnung == t.Vorwarnung && wieder.Beschr == t.Beschr);
    }

    FeiertagFelder h;
    for (std::string* feld : {&h.Kurzname, &h.Langname, &h.Tag, &h.Monat, &h.OsterTage, &h.AdventTage, &h.Von,
                              &h.Bis, &h.Von2, &h.Bis2})
        *feld = leser.Zeile();
    const FeiertagOption optionen[] = {FeiertagOption::Fest, FeiertagOption::Ostern, FeiertagOption::Advent,
                                       FeiertagOption::Wochentag};
    h.Option = optionen[schalter >> 4 & 3];
    h.N = leser.Byte() % 6 - 1;
    h.Wochentag = leser.Byte() % 8 - 1;
    h.WochenMonat = leser.Byte() % 13 - 1;
    Feiertag e{};
    if (PruefeFeiertag(h, e) == 0) {
        Feiertag wieder{};
        FUZZ_PRUEFE(PruefeFeiertag(FelderAus(e), wieder) == 0);
        FUZZ_PRUEFE(std::memcmp(&e, &wieder, sizeof e) == 0);
    }
    return nullptr;
}
