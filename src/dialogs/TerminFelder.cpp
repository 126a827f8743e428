// Fields to record and back.
#include "dialogs/TerminFelder.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "dialogs/ProgrammVerweis.h"
#include "dialogs/Vorlauf.h"
#include "dialogs/ZeitFeld.h"
#include "store/DatumText.h"
#include "core/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <new>

namespace {
// More days than lie between year 1 and year 9999: any lead the dialog shows reads back
// (days, hours and minutes typed separately may add up to more days than one field holds).
constexpr long FeldZahlGrenze = 10000000L;
constexpr unsigned FehlerStil = Mb::Ok | Mb::IconExclamation;

// One time field: character check (message `fehlerId`) and split.
bool LeseZeit(const std::string& text, int fehlerId, Uhrzeit& out) {
    const std::string zeit = text.substr(0, ZeitFeldLaenge);
    if (!ZeitZeichenGueltig(zeit)) {
        Message(fehlerId, IDS_TITEL_TERMIN, FehlerStil);
        return false;
    }
    out = ZerlegeZeit(zeit);
    return true;
}

bool ZeitenPruefen(const Uhrzeit& beginn, const Uhrzeit& ende) {
    for (const Uhrzeit* u : {&beginn, &ende}) {
        if (!u->OhneZeit && !ZeitImBereich(u->Stunde, u->Minute)) {
            Message(IDS_UHRZEIT_UNGUELTIG, IDS_TITEL_TERMIN, FehlerStil);
            return false;
        }
    }
    if (!beginn.OhneZeit && !ende.OhneZeit &&
        ende.Stunde * 60 + ende.Minute <= beginn.Stunde * 60 + beginn.Minute) {
        Message(IDS_ENDE_VOR_BEGINN, IDS_TITEL_TERMIN, FehlerStil);
        return false;
    }
    return true;
}

// FlagProgramm when the named file exists; otherwise 1164 asks whether to go on without.
bool ProgrammPruefen(Termin& t) {
    std::string name;
    if (t.Blocks() != 0 || !ProgrammName(t.Beschr, name)) return true;
    if (DateiLesbar(name)) {
        t.Flags |= FlagProgramm;
        return true;
    }
    const std::string text = Format(LoadResString(IDS_PROGRAMM_FEHLT), name.c_str());
    return GetHost().MessageText(text, LoadResString(IDS_TITEL_TERMIN), Mb::YesNo | Mb::IconExclamation) == Mb::IdYes;
}

Zeitpunkt WarnungVor(const Zeitpunkt& start, const TerminFelder& f) {
    return WarnungVor(start, int64_t(FeldZahl(f.VorTage)) * 1440 + int64_t(FeldZahl(f.VorStunden)) * 60 +
                                 FeldZahl(f.VorMinuten));
}
}  // namespace

long FeldZahl(const std::string& text) {
    size_t i = text.find_first_not_of(' ');
    long wert = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        wert = std::min(wert * 10 + (text[i] - '0'), FeldZahlGrenze);
    return wert;
}

TerminFelder FelderAus(const Termin& t, int serienRest) {
    TerminFelder f;
    f.Datum = DatumText(t.Start);
    if (!t.Hat(FlagOhneZeit)) f.Beginn = ZeitText(t.Start.Stunde, t.Start.Minute);
    if (!t.Hat(FlagOhneEnde)) f.Ende = ZeitText(t.Ende.Stunde, t.Ende.Minute);
    f.Kurztext = t.Kurzbeschr;
    f.Beschreibung = t.Beschr;
    f.AdrId = t.AdrId;
    f.ManuellErledigt = t.Hat(FlagManuellErledigt);
    f.Prioritaet = t.Prioritaet();
    f.Vorwarnung = t.Vorwarnung.Jahr >= 1;
    if (f.Vorwarnung) {
        // A warning put off past the start (the notice's Cancel) shows no lead, not a negative one.
        const Vorlauf v = TeileMinuten(MinutenBis(t.Vorwarnung, t.Start));
        f.VorTage = Format("%ld", v.Tage);
        f.VorStunden = Format("%ld", v.Stunden);
        f.VorMinuten = Format("%ld", v.Minuten);
    }
    f.Jaehrlich = t.Id != 0 && t.Hat(FlagJaehrlich);
    f.SchrittJahre = f.Jaehrlich;
    if (t.Id != 0 && !f.Jaehrlich && serienRest > 0) f.Anzahl = Format("%d", serienRest);
    return f;
}

bool LeseTermin(const TerminFelder& f, ClsListe& liste, Termin& out) {
    const Datum datum = ParseDatum(f.Datum);
    if (datum.Jahr == -1) return false;
    Uhrzeit beginn, ende;
    if (!LeseZeit(f.Beginn, IDS_BEGINN_UNGUELTIG, beginn) || !LeseZeit(f.Ende, IDS_ENDE_UNGUELTIG, ende) ||
        !ZeitenPruefen(beginn, ende))
        return false;

    Termin t;
    t.Start = MachZeitpunkt(datum.Jahr, datum.Monat, datum.Tag, beginn.Stunde, beginn.Minute);
    t.Ende = MachZeitpunkt(datum.Jahr, datum.Monat, datum.Tag, ende.Stunde, ende.Minute);
    if (beginn.OhneZeit) t.Flags |= FlagOhneZeit;
    if (ende.OhneZeit) t.Flags |= FlagOhneEnde;
    t.SetzeKurzbeschr(f.Kurztext);
    t.AdrId = f.AdrId;
    try {
        t.Beschr = f.Beschreibung;
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, FehlerStil);
        return false;
    }
    if (!ProgrammPruefen(t)) return false;
    if (f.ManuellErledigt) t.Flags |= FlagManuellErledigt;
    t.SetzePrioritaet(f.Prioritaet);

    if (t.Hat(FlagProgramm)) t.Vorwarnung = t.Start;
    else if (f.Vorwarnung) t.Vorwarnung = WarnungVor(t.Start, f);
    if (f.Jaehrlich) {
        t.VorwarnBasis = t.Vorwarnung;
        t.Flags |= FlagJaehrlich;
    }
    if (!t.Hat(FlagOhneZeit) && liste.PruefeUeberschneidung(t)) return false;
    out = std::move(t);
    return true;
}
