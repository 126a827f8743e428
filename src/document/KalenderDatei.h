// What the save command needs in one call: backup, a new file, the appointment table and
// the address section (or one export), with every write checked.
#pragma once
#include <string>

class Dokument;

enum Speichermodus { ModusKalender = 1, ModusTerminExport = 2, ModusAdressExport = 3 };

// Creates `pfad` anew and writes the parts of `modus` from `dok`: 1 appointments then addresses in
// native form, 2 the appointment export, 3 the address export. True only when every part
// and the close succeeded. A file that cannot be created or a failed write:
// IDS_SCHREIBFEHLER once, false, and in mode 1 both lists are marked modified.
bool SchreibeDatei(Dokument& dok, const std::string& pfad, int modus);

// The save with backup: SchreibeDatei into `pfad` + TempEndung in the same folder, then the
// existing `pfad` becomes its backup (BackupName, replacing an older one) and the new file
// takes its name. A failed write leaves `pfad` and its backup untouched and removes the new
// file; a failed rename also reports IDS_SCHREIBFEHLER and marks the data
// modified in mode 1. A file whose name is its own backup name is replaced directly.
constexpr const char* TempEndung = ".~tmp";
bool SpeichereMitSicherung(Dokument& dok, const std::string& pfad, int modus);
