// VorwarnPlaner: the warning plan, the catch-up of due warnings and the one-second tick.
#include "reminders/VorwarnPlaner.h"

#include "core/ResString.h"
#include "core/TextFormat.h"
#include "reminders/ReminderIds.h"
#include "store/DatumText.h"
#include "store/RecordRef.h"

#include <cstring>

namespace {
bool HatOffeneVorwarnung(const Termin& t) { return t.Vorwarnung.Jahr > 0 && !t.Hat(FlagErledigt); }

Zeitpunkt Keine() { return MachZeitpunkt(KeineVorwarnung, 0, 0); }
}  // namespace

VorwarnPlaner::VorwarnPlaner(ClsListe& liste, Host& host, VorwarnAnzeige& anzeige, const AlarmSound* toene)
    : liste_(liste), host_(host), anzeige_(anzeige), toene_(toene), naechste_(Keine()) {}

LocalTime VorwarnPlaner::Uhrzeit() {
    const LocalTime t = host_.Now();
    jetzt_ = MachZeitpunkt(t.Jahr, t.Monat, t.Tag, t.Stunde, t.Minute);
    return t;
}

void VorwarnPlaner::PlaneVorwarnungen() {
    naechste_ = Keine();
    Uhrzeit();
    const bool gemerkt = liste_.MerkePosition();
    if (!HinweisOffen() && !anzeige_.DialogOffen()) {
        // Due warnings one after the other, the oldest first (collection order on ties); each
        // notice may change the collection, so the search starts afresh every time.
        planungLaeuft_ = true;
        for (int slot = AeltesteFaellige(); slot >= 0; slot = AeltesteFaellige()) Zeige(slot);
        planungLaeuft_ = false;
        naechste_ = Keine();
    }
    // Earliest warning; ties keep the text of the last one in collection order. While a notice
    // or another dialog is open, due warnings count too, so that the next tick after it shows them.
    char kandidat[TerminBild::KurzbeschrLaenge] = "";
    for (int i = 0; i < liste_.Anzahl(); ++i) {
        const Termin& a = liste_.Satz(i);
        if (!HatOffeneVorwarnung(a) || CompareZeitpunkt(a.Vorwarnung, naechste_) > 0) continue;
        std::memcpy(kandidat, a.Kurzbeschr, sizeof kandidat);
        kandidat[sizeof kandidat - 1] = '\0';
        naechste_ = a.Vorwarnung;
    }
    if (gemerkt) liste_.HolePosition();
    if (naechste_.Jahr < KeineVorwarnung) {
        status_ = Format(LoadResString(IDS_NAECHSTE_VORWARNUNG), naechste_.Stunde, naechste_.Minute,
                         naechste_.Tag, naechste_.Monat, naechste_.Jahr, kandidat);
    } else {
        status_ = LoadResString(IDS_KEINE_VORWARNUNG);
    }
    host_.PostToMain(Msg::StatusText, 0, 0);
}

int VorwarnPlaner::AeltesteFaellige() const {
    int beste = -1;
    for (int i = 0; i < liste_.Anzahl(); ++i) {
        const Termin& a = liste_.Satz(i);
        if (!HatOffeneVorwarnung(a) || CompareZeitpunkt(a.Vorwarnung, jetzt_) > 0) continue;
        if (beste < 0 || CompareZeitpunkt(a.Vorwarnung, liste_.Satz(beste).Vorwarnung) < 0) beste = i;
    }
    return beste;
}

int VorwarnPlaner::ErsteMitVorwarnung(const Zeitpunkt& z) const {
    for (int i = 0; i < liste_.Anzahl(); ++i) {
        const Termin& a = liste_.Satz(i);
        if (HatOffeneVorwarnung(a) && a.Vorwarnung == z) return i;
    }
    return -1;
}

int VorwarnPlaner::Gleiche(const Termin& t) const {
    int n = 0;
    for (int i = 0; i < liste_.Anzahl(); ++i) n += SameRecord(liste_.Satz(i), t);
    return n;
}

void VorwarnPlaner::Zeige(int slot) {
    const RecordRef gezeigt = RefTo(liste_, slot);
    if (gezeigt.Empty()) return;
    const Termin& a = gezeigt.Copy;
    // A program reference starts its program instead of showing anything: no sound for it.
    hinweisPrioritaet_ = a.Hat(FlagProgramm) ? -1 : a.Prioritaet();
    naechste_ = Keine();  // the notice serves this warning
    const int vorher = Gleiche(a);
    tonAusstehend_ = true;
    anzeige_.Hinweis(slot);
    tonAusstehend_ = false;
    hinweisPrioritaet_ = -1;
    liste_.SetzeGeaendert();
    // Once per due time: a notice that left its record as it was (Cancel, Esc) reminds again
    // a few minutes from now instead of re-opening at the next tick.
    // (Counted, so that an unchanged twin of a changed record is not taken for it.)
    if (Gleiche(a) == vorher) {
        Uhrzeit();
        liste_.Satz(Locate(liste_, gezeigt)).Vorwarnung = FromMinutes(ToMinutes(jetzt_) + ErneutMinuten);
    }
    anzeige_.Neuzeichnen();
}

void VorwarnPlaner::Takt() {
    const LocalTime t = Uhrzeit();
    if (!HinweisOffen() && !anzeige_.DialogOffen() && CompareZeitpunkt(jetzt_, naechste_) >= 0) {
        hinweisOffen_ = true;
        // A line being typed in the calendar is stored first: the notice may replace its record,
        // and the typed line stored after it would bring the old record back as a twin.
        anzeige_.Neuzeichnen();
        const int slot = CompareZeitpunkt(jetzt_, naechste_) >= 0 ? ErsteMitVorwarnung(naechste_) : -1;
        if (slot >= 0) Zeige(slot);
        hinweisOffen_ = false;
        PlaneVorwarnungen();
    }
    anzeige_.Uhr(UhrText(MachZeitpunkt(t.Jahr, t.Monat, t.Tag, t.Stunde, t.Minute), t.Sekunde));
    TonSchritt();
}

void VorwarnPlaner::TonSchritt() {
    if (!tonAusstehend_) {
        tonTakte_ = 0;
        return;
    }
    if (++tonTakte_ != 2) return;
    if (hinweisPrioritaet_ != -1 && toene_[hinweisPrioritaet_].Enabled) {
        anzeige_.Ton(toene_[hinweisPrioritaet_].File);
        hinweisPrioritaet_ = -1;
    }
    tonAusstehend_ = false;
}
