// Start-up and shutdown steps of the calendar window that reach into other subsystems.
#pragma once

// Installs the Win32 registry as the configuration store.
void InstallRegistryStore();
// Reads Locale, sDate and sShortDate, hands separator and order to the date texts and
// returns the locale number.
int ApplyRegionalSettings();
// Address list and appointment collection; loads the file named by Dateiname.
void InitialiseData();
// Reads ORDIVO.PHD from the program directory (message 1185 when missing).
void LoadHolidayFile();
// Unsaved appointments or addresses exist / both are empty.
bool DataModified();
bool DataEmpty();
// Commits any in-place editing of the calendar.
void EndInPlaceEditing();
// Recomputes the next advance warning.
void PlanNextWarning();
// Work of the one-second timer: clock and due warnings.
void TimerTick();
