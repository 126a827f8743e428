// Warning notice: set-up values, OK and the program reference rules.
#include "dialogs/VorwarnHinweis.h"

#include "core/ResourceIds.h"
#include "reminders/ReminderIds.h"
#include "store/DatumText.h"
#include "store/Verschieben.h"

#include <cstdlib>
#include <vector>

namespace {
constexpr int PrioritaetTexte[4] = {IDS_PRIO_NORMAL, IDS_PRIO_WENIGER_WICHTIG, IDS_PRIO_WICHTIG,
                                    IDS_PRIO_SEHR_WICHTIG};
constexpr uint16_t Erledigt = FlagErledigt | FlagManuellErledigt;

std::vector<std::string> Teile(const std::string& text, char trenner) {
    std::vector<std::string> teile(1);
    for (char c : text) {
        if (c == trenner) teile.emplace_back();
        else teile.back() += c;
    }
    return teile;
}

// Day, month and year of the notice's date field; false when a part is missing or the
// date does not exist. Two-digit years: 80-99 are 1980-1999, below 80 2000 onwards.
bool LeseDatum(const std::string& text, Zeitpunkt& z) {
    const std::vector<std::string> teile = Teile(text.substr(0, 79), DatumTrenner());
    if (teile.size() < 3) return false;
    for (int i = 0; i < 3; ++i)
        if (teile[i].find_first_of("0123456789") == std::string::npos) return false;
    const long erste = std::atol(teile[0].c_str()), zweite = std::atol(teile[1].c_str());
    long jahr = std::atol(teile[2].c_str());
    if (jahr >= 80 && jahr <= 99) jahr += 1900;
    else if (jahr < 80) jahr += 2000;
    const long tag = TagZuerst() ? erste : zweite, monat = TagZuerst() ? zweite : erste;
    if (jahr > 3999 || monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(int(jahr), int(monat))) return false;
    z.Jahr = int16_t(jahr);
    z.Monat = int8_t(monat);
    z.Tag = int8_t(tag);
    return true;
}
}  // namespace

HinweisAnzeige ZeigeHinweis(const Termin& t, const Zeitpunkt& jetzt) {
    HinweisAnzeige a;
    a.Datum = DatumText(t.Start, DatumStil::Leer);
    if (!t.Hat(FlagOhneZeit)) a.Zeit = ZeitText(t.Start.Stunde, t.Start.Minute);
    a.PrioritaetText = PrioritaetTexte[t.Prioritaet()];
    a.Adresse = t.AdrId != 0;
    const long rest = t.Vorwarnung.Jahr < 1 ? 0 : MinutenBis(jetzt, t.Start);
    a.Rest = TeileMinuten(rest);
    a.Erledigt = rest < 1;
    return a;
}

HinweisOk UebernimmHinweis(const Termin& alt, const HinweisEingabe& e, const Zeitpunkt& jetzt, Termin& neu) {
    Zeitpunkt start = alt.Start;
    if (!LeseDatum(e.Datum, start)) return HinweisOk::Ungueltig;
    const Uhrzeit zeit = ZerlegeZeit(e.Zeit);
    if (zeit.Stunde > 23 || zeit.Minute > 59) return HinweisOk::Ungueltig;
    start.Stunde = int8_t(zeit.Stunde);
    start.Minute = int8_t(zeit.Minute);
    // Moving shifts the end and a pending warning by as much as the start.
    Termin kopie = Verschoben(alt, start, zeit.OhneZeit);

    if (e.Wieder) {
        if (e.Erledigt) return HinweisOk::WiederUndErledigt;
        kopie.Vorwarnung = WarnungVor(kopie.Start, VorlaufMinuten(e.Tage, e.Stunden, e.Minuten));
        if (CompareZeitpunkt(kopie.Vorwarnung, jetzt) <= 0) kopie.Vorwarnung = FromMinutes(ToMinutes(jetzt) + 5);
    } else {
        kopie.Vorwarnung.Jahr = 0;
    }
    if (e.Erledigt) kopie.Flags |= Erledigt;
    else kopie.Flags = uint16_t(kopie.Flags & ~FlagErledigt);
    neu = std::move(kopie);
    return HinweisOk::Gespeichert;
}

void ProgrammVerweisErledigt(Termin& t) {
    t.Vorwarnung.Jahr = 0;
    t.Flags = uint16_t((t.Flags | Erledigt) & ~FlagProgramm);
}

int ProgrammStartMeldung(unsigned ergebnis) {
    if (ergebnis >= 32) return 0;
    if (ergebnis == 0) return IDS_PROG_KEIN_SPEICHER;
    if (ergebnis == 2) return IDS_DATEI_NICHT_GEFUNDEN;
    if (ergebnis == 3) return IDS_PROG_PFAD_FEHLT;
    return IDS_PROG_FEHLER;
}
