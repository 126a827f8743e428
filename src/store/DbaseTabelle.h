// dBase III table machinery shared by the appointment and the address table: column
// descriptors, the header, fixed-width fields written and read back.
#pragma once
#include "store/DateiLeser.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

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
void Text(std::string& satz, std::string_view text, size_t laenge);
// Length of f[0, n) without its trailing blanks. Mostly blank columns are the rule, so it
// goes back a word at a time.
size_t OhneBlanksAmEnde(const char* f, size_t n);
// Appends `wert` as a decimal number zero-padded to `laenge` ("%0*ld"); valid record
// values always fit, a value that does not is cut to `laenge` characters.
void Zahl(std::string& satz, long wert, int laenge);
}  // namespace Dbase

// The fields of a piece of a record already in memory, read in order. A malformed number
// makes Ok() false for good.
class FeldZeiger {
public:
    explicit FeldZeiger(const char* p) : p_(p) {}
    bool Ok() const { return ok_; }
    // Optional blanks, an optional sign, digits, optional blanks; all blanks reads as 0.
    long Zahl(int laenge) {
        const char* f = p_;
        p_ += laenge;
        long wert = 0;
        for (int i = 0; i < laenge; ++i) {
            const unsigned ziffer = unsigned(f[i] - '0');
            if (ziffer > 9) return ZahlMitZeichen(f, laenge);
            wert = wert * 10 + long(ziffer);
        }
        return wert;
    }
    // The next n >= 8 bytes when all are digits (then passed), else null (nothing passed).
    const char* Ziffern(size_t n) {
        for (size_t i = 0; i < n; i = i + 8 < n && i + 16 > n ? n - 8 : i + 8)
            if (!AchtZiffern(p_ + i)) return nullptr;
        const char* f = p_;
        p_ += n;
        return f;
    }
    // Trailing blanks cut; a view into the piece.
    std::string_view Text(size_t laenge) {
        const char* f = p_;
        p_ += laenge;
        return std::string_view(f, Dbase::OhneBlanksAmEnde(f, laenge));
    }
    uint16_t Binaer16() {  // little-endian
        const auto* b = reinterpret_cast<const unsigned char*>(p_);
        p_ += 2;
        return Dbase::U16(b);
    }
    void Ueberspringe(size_t laenge) { p_ += laenge; }

private:
    long ZahlMitZeichen(const char* f, int laenge);
    // Every byte 0x30-0x39: high nibble 3, and still 3 after adding 6 (no byte carries over).
    static bool AchtZiffern(const char* p) {
        uint64_t w;
        std::memcpy(&w, p, sizeof w);
        constexpr uint64_t Hoch = 0xF0F0F0F0F0F0F0F0u, Drei = 0x3030303030303030u, Sechs = 0x0606060606060606u;
        return (w & Hoch) == Drei && ((w + Sechs) & Hoch) == Drei;
    }

    const char* p_;
    bool ok_ = true;
};

// Reads the fields of one record in order, straight from the file's buffer. The first short
// read or malformed number makes Ok() false for good; the values read after that are 0 or empty.
class FeldLeser {
public:
    explicit FeldLeser(DateiLeser& datei) : datei_(datei) {}
    bool Ok() const { return ok_; }
    // The next n bytes in one piece for a FeldZeiger, valid until the next read; null after
    // a short read.
    const char* Stueck(size_t n) {
        const char* f = ok_ ? datei_.Nimm(n) : nullptr;
        if (!f) ok_ = false;
        return f;
    }
    long Zahl(int laenge) {
        const char* f = laenge > 0 && laenge < 32 ? Stueck(size_t(laenge)) : nullptr;
        if (!f) return ok_ = false, 0;
        FeldZeiger z(f);
        const long wert = z.Zahl(laenge);
        ok_ = z.Ok();
        return wert;
    }
    std::string Text(size_t laenge) {
        const char* f = Stueck(laenge);
        return f ? std::string(FeldZeiger(f).Text(laenge)) : std::string();
    }
    uint16_t Binaer16() {
        const char* f = Stueck(2);
        return f ? FeldZeiger(f).Binaer16() : 0;
    }
    void Ueberspringe(size_t laenge) {
        if (ok_ && !datei_.Ueberspringe(laenge)) ok_ = false;
    }

private:
    DateiLeser& datei_;
    bool ok_ = true;
};
