// The holiday file ORDIVO.PHD: a 16-byte header ("ordhd", version 530, zeros) and the
// 2600 bytes of the table.
#pragma once
#include <string>

class Feiertage;
struct FeiertagTabelle;

// Reads the file into the table. The header is not examined; a short file
// leaves the rest of the table as it was. False only when the file cannot be opened.
bool LadeFeiertage(Feiertage& feiertage, const std::string& pfad);

// Writes header and table. The previous file stays intact until the new one is
// complete; false when anything fails (the table in memory is unchanged).
bool SpeichereFeiertage(const FeiertagTabelle& tabelle, const std::string& pfad);

// "<directory of the program>\ORDIVO.PHD" for the program's full path (either slash).
std::string FeiertagDateiPfad(const std::string& programmPfad);

// Start-up: loads ORDIVO.PHD beside the program; when it cannot be opened, shows
// message 1185 (caption 1134) and returns false, leaving the table empty.
bool LadeFeiertageBeimStart(Feiertage& feiertage, const std::string& programmPfad);
