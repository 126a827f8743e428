// Buffered output file for the appointment file and the dBase exports. Every write is
// checked; the first failure is reported once (message 1187) and makes all later writes
// and the close return false, so a save can never report success over a broken file.
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
    bool Erzeuge(const std::string& pfad);
    bool Schreibe(const void* daten, size_t n);
    bool Schreibe(const std::string& s) { return Schreibe(s.data(), s.size()); }
    // Writes what is buffered and closes; false when any write of this file failed.
    bool Schliessen();
    bool Fehlerfrei() const { return ok_; }
    bool Offen() const { return datei_ != nullptr; }

    // Test seam for a failing disk: the n-th Schreibe or Schliessen from now on fails
    // (1 = the next one); 0 turns it off.
    static void FehlerBeiVorgang(int n);

private:
    bool Leere();
    bool Fehler();

    std::FILE* datei_ = nullptr;
    std::vector<char> puffer_;
    std::string pfad_;
    bool ok_ = true;
};
