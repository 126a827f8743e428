// What the fuzz targets share: a scripted host and an accepting password question for
// the length of one input, scratch files, a byte reader for structured inputs and the
// checks an accepted file must pass (painting, searching, saving, reading back).
#pragma once
#include "document/Dokument.h"
#include "support/FakeHost.h"

#include <cstddef>
#include <cstdint>
#include <string>

class Feiertage;

// One input's surroundings: questions answered "convert, no backup copy", every password
// accepted, day-first dates with '.'. Restores the previous question and date format.
class FuzzUmgebung {
public:
    FuzzUmgebung();
    ~FuzzUmgebung();
    FuzzUmgebung(const FuzzUmgebung&) = delete;
    FuzzUmgebung& operator=(const FuzzUmgebung&) = delete;

    FakeHost host;

private:
    bool (*vorherigeFrage_)(const std::string&);
    char trenner_;
    bool tagZuerst_;
};

// A scratch file of this process (the directory is removed at exit).
std::string FuzzDatei(const std::string& name);
void SchreibeFuzzDatei(const std::string& pfad, const uint8_t* daten, size_t groesse);
std::string LiesFuzzDatei(const std::string& pfad);

// Takes values from the front of the input; an exhausted input gives zeros.
class ByteLeser {
public:
    ByteLeser(const uint8_t* daten, size_t groesse) : daten_(daten), rest_(groesse) {}
    uint8_t Byte() { return rest_ ? (--rest_, *daten_++) : 0; }
    int Bis(int grenze) { return (Byte() | Byte() << 8) % grenze; }  // 0 .. grenze - 1
    std::string Text(size_t maxLaenge);                               // no zero bytes
    // The input up to the next '\n' (or its end).
    std::string Zeile();
    bool Leer() const { return rest_ == 0; }

private:
    const uint8_t* daten_;
    size_t rest_;
};

// An accepted document must paint in all three views, find every record by its search line,
// save in all three modes, and read back from its own save to the same save bytes.
const char* PruefeGeladen(Dokument& doc, Feiertage& feiertage);
