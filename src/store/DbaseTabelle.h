// dBase III table machinery shared by the appointment and the address table: column
// descriptors, the header, fixed-width fields written and read back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class DateiLeser;
struct LocalTime;

struct DbaseSpalte {
    const char* Name;  // at most 10 characters
    char Typ;          // 'C' or 'N'
    int Laenge;
};

namespace Dbase {
constexpr int KopfGroesse = 32, SpaltenGroesse = 32;
constexpr char Endbyte = 0x1A, Spaltenende = 0x0D, NichtGeloescht = ' ';
constexpr int AnzahlOffset = 4, HinweisOffset = 14, VersionOffset = 16, PasswortOffset = 18;

// Header length of a table with n columns: 32 + 32 n + 1.
constexpr int KopfLaenge(int spalten) { return KopfGroesse + SpaltenGroesse * spalten + 1; }
// 1 + the column lengths.
constexpr int SatzLaenge(const DbaseSpalte* spalten, int anzahl) {
    int laenge = 1;
    for (int i = 0; i < anzahl; ++i) laenge += spalten[i].Laenge;
    return laenge;
}
// Offset of column `spalte` in the record, the deletion byte being at 0.
constexpr int SpaltenOffset(const DbaseSpalte* spalten, int spalte) { return SatzLaenge(spalten, spalte); }

// Header and descriptors up to the 0x0D: `kennung` in bytes 0-3, the 32-bit count at 4,
// header and record length at 8 and 10, zeros elsewhere (callers fill 12-31 as needed).
std::string Kopf(const unsigned char kennung[4], uint32_t saetze, const DbaseSpalte* spalten, int anzahl);
// dBase III's first four bytes: 3, then the year mod 100, month and day of `heute`.
void DatumKennung(const LocalTime& heute, unsigned char kennung[4]);

void SetzeU16(std::string& bytes, size_t offset, uint16_t wert);
uint16_t U16(const unsigned char* p);
uint32_t U32(const unsigned char* p);

// Appends `text` cut or padded with blanks to `laenge` bytes.
void Text(std::string& satz, const std::string& text, size_t laenge);
// Appends `wert` as a decimal number zero-padded to `laenge` ("%0*ld"); valid record
// values always fit, a value that does not is cut to `laenge` characters.
void Zahl(std::string& satz, long wert, int laenge);
}  // namespace Dbase

// Reads the fields of one record in order. The first short read or malformed number makes
// Ok() false for good; the values read after that are 0 or empty.
class FeldLeser {
public:
    explicit FeldLeser(DateiLeser& datei) : datei_(datei) {}
    bool Ok() const { return ok_; }
    // Optional blanks, an optional sign, digits, optional blanks; all blanks reads as 0.
    long Zahl(int laenge);
    std::string Text(size_t laenge);  // trailing blanks cut
    uint16_t Binaer16();               // little-endian
    void Ueberspringe(size_t laenge);

private:
    bool Lies(char* ziel, size_t n);

    DateiLeser& datei_;
    bool ok_ = true;
};
