// Start-up steps of the program that reach into other subsystems.
#pragma once

class Feiertage;

// Installs the Win32 registry as the configuration store.
void InstallRegistryStore();
// Reads Locale, sDate and sShortDate, hands separator and order to the date texts and
// returns the locale number.
int ApplyRegionalSettings();
// The password question, the address sort order and the replacing rename of the Win32 side.
void InstallDialogSeams();
// Reads ORDIVO.PHD from the program directory (message 1185 when missing).
void LoadHolidayFile(Feiertage& feiertage);
