// Glue between the calendar window's life cycle and the subsystems it starts and stops.
#include "app/Startup.h"

#include "addresses/ClsAdrListe.h"
#include "addresses/SortVergleich.h"
#include "app/AppState.h"
#include "app/RegistryStore.h"
#include "app/Settings.h"
#include "holidays/FeiertagDatei.h"
#include "store/ClsListe.h"
#include "store/ClsPasswortDlg.h"
#include "store/DatumText.h"

void InstallRegistryStore() {
    static RegistryStore registry;
    SetConfigStore(&registry);
}

int ApplyRegionalSettings() {
    const RegionalSettings regional = ReadRegional();
    DatumTrenner = regional.DatumTrenner;
    TagZuerst = regional.TagZuerst();
    return regional.Locale;
}

void InitialiseData() {
    InstallierePasswortDialog();
    InstalliereLstrcmp();
    AdrListe.Initialisieren();
    Liste.Initialisieren([] { return Liste.Laden(); });
}

void LoadHolidayFile() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    LadeFeiertageBeimStart(exe);
}

bool DataModified() { return Liste.Geaendert || AdrListe.Geaendert; }

bool DataEmpty() { return Liste.Anzahl() == 0 && AdrListe.Anzahl() == 0; }

// The warning plan arrives with the reminders subsystem.
void PlanNextWarning() {}

// Clock and warnings arrive with the reminders subsystem.
void TimerTick() {}
