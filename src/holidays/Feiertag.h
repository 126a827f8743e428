// One rule of the holiday table, byte for byte as it is stored in ORDIVO.PHD, and the
// packing of its rule parameter. The product runs on little-endian x86 only.
#pragma once
#include <cstddef>
#include <cstdint>

// Rule kinds (`Art`); any other value computes no date.
namespace FeiertagArt {
constexpr int16_t Fest = 1;         // fixed date
constexpr int16_t Ostern = 2;       // days from Easter Sunday
constexpr int16_t Wochentag = 4;    // n-th weekday of a month
constexpr int16_t Weihnachten = 8;  // days from the last Sunday before 25 December
}  // namespace FeiertagArt

// `Status` bits.
namespace FeiertagStatus {
constexpr uint8_t Aktiv = 0x01;
constexpr uint8_t Gesetzlich = 0x02;  // public holiday in VonJahr2..BisJahr2
}  // namespace FeiertagStatus

#pragma pack(push, 1)
struct Feiertag {
    char Kurzname[13];  // at most 12 characters; empty ends the table
    char Langname[24];  // at most 23 characters
    int16_t Art;
    uint16_t Regel;     // packing depends on Art, see the helpers below
    int16_t Tag;        // day of the year of the year last computed
    uint8_t Status;
    int16_t VonJahr;
    int16_t BisJahr;
    int16_t VonJahr2;
    int16_t BisJahr2;
};
#pragma pack(pop)
// The file record, the same in the 32- and the 64-bit build.
static_assert(sizeof(Feiertag) == 52, "Feiertag is a 52-byte file record");
static_assert(offsetof(Feiertag, Langname) == 13 && offsetof(Feiertag, Art) == 37 && offsetof(Feiertag, Regel) == 39 &&
                  offsetof(Feiertag, Tag) == 41 && offsetof(Feiertag, Status) == 43 &&
                  offsetof(Feiertag, VonJahr) == 44 && offsetof(Feiertag, BisJahr) == 46 &&
                  offsetof(Feiertag, VonJahr2) == 48 && offsetof(Feiertag, BisJahr2) == 50,
              "Feiertag field offsets");

constexpr int KurznameMax = 12;
constexpr int LangnameMax = 23;

// Art 1: byte 39 = month, byte 40 = day.
inline uint16_t RegelFest(int monat, int tag) {
    return static_cast<uint16_t>((monat & 0xFF) | (tag & 0xFF) << 8);
}
inline int FestMonat(uint16_t regel) { return regel & 0xFF; }
inline int FestTag(uint16_t regel) { return regel >> 8; }

// Art 2 and 8: signed offset in days.
inline uint16_t RegelVersatz(int tage) { return static_cast<uint16_t>(tage); }
inline int Versatz(uint16_t regel) { return static_cast<int16_t>(regel); }

// Art 4: bits 0-2 n (1-5), bits 3-5 weekday (1 Monday .. 7 Sunday), bits 6-9 month.
inline uint16_t RegelWochentag(int n, int wochentag, int monat) {
    return static_cast<uint16_t>((n & 7) | (wochentag & 7) << 3 | (monat & 15) << 6);
}
inline int WochentagN(uint16_t regel) { return regel & 7; }
inline int WochentagTag(uint16_t regel) { return regel >> 3 & 7; }
inline int WochentagMonat(uint16_t regel) { return regel >> 6 & 15; }
