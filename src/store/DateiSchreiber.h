// Buffered output file for the appointment file and the dBase exports. Every write is
// checked; the first failure is reported once (IDS_SCHREIBFEHLER) and makes
// all later writes and the close return false, so a save can never report success over a
// broken file. Also the replacing rename that puts a finished file in place.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

class DateiSchreiber {
public:
    DateiSchreiber() = default;
    ~DateiSchreiber();  // closes without a report; call Schliessen to learn the result
    DateiSchreiber(const DateiSchreiber&) = delete;
    DateiSchreiber& operator=(const DateiSchreiber&) = delete;

    // Creates the file anew as an empty file; false, without a message, when it cannot.
    // A failure report names `meldeName` (default: the path itself).
    bool Erzeuge(const std::string& pfad, const std::string& meldeName = std::string());
    bool Schreibe(const void* daten, size_t n);
    bool Schreibe(const std::string& s) { return Schreibe(s.data(), s.size()); }
    // Writes what is buffered, puts it on the disk and closes; false when any write of this
    // file failed.
    bool Schliessen();
    bool Fehlerfrei() const { return ok_; }
    bool Offen() const { return datei_ != nullptr; }

    // Renames `von` to `nach`, replacing a file of that name in one step; false when that
    // failed (no message).
    static bool Ersetze(const std::string& von, const std::string& nach);

    // Test seam for a failing disk: the n-th Schreibe, Schliessen or Ersetze from now on
    // fails (1 = the next one); 0 turns it off.
    static void FehlerBeiVorgang(int n);

private:
    bool Leere();
    bool Fehler();

    std::FILE* datei_ = nullptr;
    std::vector<char> puffer_;
    std::string meldeName_;
    bool ok_ = true;
};

// Reports that `pfad` was not written (message IDS_SCHREIBFEHLER).
void MeldeSchreibfehler(const std::string& pfad);

// The rename behind DateiSchreiber::Ersetze: std::rename, which replaces the target on
// POSIX; Windows' rename refuses an existing target, so the product installs MoveFileEx.
using DateiErsetzer = bool (*)(const char* von, const char* nach);
void SetzeDateiErsetzer(DateiErsetzer ersetzer);  // nullptr restores std::rename
// Win32: installs MoveFileExA with MOVEFILE_REPLACE_EXISTING.
void InstalliereDateiErsetzer();
