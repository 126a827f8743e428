// What the save command needs in one call: backup, a new file, the appointment table and
// the address section (or one export), with every write checked.
#pragma once
#include <string>

class Dokument;

enum Speichermodus { ModusKalender = 1, ModusTerminExport = 2, ModusAdressExport = 3 };

// Creates `pfad` anew and writes the parts of `modus` from `dok`: 1 appointments then addresses in
// native form, 2 the appointment export, 3 the address export. True only when every part
// and the close succeeded. A file that cannot be created: false without a message. A
// failed write: message 1187 once, false, and in mode 1 both lists are marked modified.
bool SchreibeDatei(Dokument& dok, const std::string& pfad, int modus);

// The save with backup: deletes any old backup (BackupName), renames `pfad` to it, then
// SchreibeDatei. Failures of the two backup steps are ignored (a first save has none).
bool SpeichereMitSicherung(Dokument& dok, const std::string& pfad, int modus);
