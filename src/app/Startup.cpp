// Glue between the program's start and the subsystems it starts.
#include "app/Startup.h"

#include "addresses/SortVergleich.h"
#include "core/RegistryStore.h"
#include "dialogs/ClsPasswortDlg.h"
#include "holidays/FeiertagDatei.h"
#include "settings/Settings.h"
#include "store/DateiSchreiber.h"
#include "store/DatumText.h"

#include <windows.h>

void InstallRegistryStore() {
    static RegistryStore registry;
    SetConfigStore(&registry);
}

int ApplyRegionalSettings() {
    const RegionalSettings regional = ReadRegional();
    SetzeDatumsformat(regional.DatumTrenner, regional.TagZuerst());
    return regional.Locale;
}

void InstallDialogSeams() {
    InstallierePasswortDialog();
    InstalliereLstrcmp();
    InstalliereDateiErsetzer();
}

void LoadHolidayFile(Feiertage& feiertage) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    LadeFeiertageBeimStart(feiertage, exe);
}
