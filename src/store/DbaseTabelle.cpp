// dBase III header, descriptors and field conversions.
#include "store/DbaseTabelle.h"

#include "core/Host.h"
#include "store/DateiLeser.h"

#include <cstdio>
#include <cstring>

namespace Dbase {

std::string Kopf(const unsigned char kennung[4], uint32_t saetze, const DbaseSpalte* spalten, int anzahl) {
    std::string k(size_t(KopfLaenge(anzahl)), '\0');
    std::memcpy(&k[0], kennung, 4);
    for (int i = 0; i < 4; ++i) k[size_t(AnzahlOffset + i)] = char((saetze >> (8 * i)) & 0xFF);
    SetzeU16(k, 8, uint16_t(KopfLaenge(anzahl)));
    SetzeU16(k, 10, uint16_t(SatzLaenge(spalten, anzahl)));
    for (int i = 0; i < anzahl; ++i) {
        const size_t d = size_t(KopfGroesse + SpaltenGroesse * i);
        std::strncpy(&k[d], spalten[i].Name, 10);
        k[d + 11] = spalten[i].Typ;
        k[d + 16] = char(spalten[i].Laenge);
    }
    k.back() = Spaltenende;
    return k;
}

void DatumKennung(const LocalTime& heute, unsigned char kennung[4]) {
    kennung[0] = 3;
    kennung[1] = static_cast<unsigned char>(heute.Jahr % 100);
    kennung[2] = static_cast<unsigned char>(heute.Monat);
    kennung[3] = static_cast<unsigned char>(heute.Tag);
}

void SetzeU16(std::string& bytes, size_t offset, uint16_t wert) {
    bytes[offset] = char(wert & 0xFF);
    bytes[offset + 1] = char(wert >> 8);
}

uint16_t U16(const unsigned char* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const unsigned char* p) { return uint32_t(U16(p)) | (uint32_t(U16(p + 2)) << 16); }

void Text(std::string& satz, std::string_view text, size_t laenge) {
    const size_t n = text.size() < laenge ? text.size() : laenge;
    satz.append(text.data(), n);
    satz.append(laenge - n, ' ');
}

size_t OhneBlanksAmEnde(const char* f, size_t n) {
    constexpr uint64_t Blanks = 0x2020202020202020u;
    uint64_t w[4];
    while (n >= sizeof w && (std::memcpy(w, f + n - sizeof w, sizeof w),
                             ((w[0] ^ Blanks) | (w[1] ^ Blanks) | (w[2] ^ Blanks) | (w[3] ^ Blanks)) == 0))
        n -= sizeof w;
    while (n >= sizeof w[0] && (std::memcpy(w, f + n - sizeof w[0], sizeof w[0]), w[0] == Blanks)) n -= sizeof w[0];
    while (n > 0 && f[n - 1] == ' ') --n;
    return n;
}

void Zahl(std::string& satz, long wert, int laenge) {
    // What every valid record holds: digits only, written from the back.
    if (wert >= 0 && laenge > 0 && laenge < 19) {
        char ziffern[19];
        long rest = wert;
        for (int i = laenge - 1; i >= 0; --i, rest /= 10) ziffern[i] = char('0' + rest % 10);
        if (rest == 0) {
            satz.append(ziffern, size_t(laenge));
            return;
        }
    }
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%0*ld", laenge, wert);
    puffer[laenge] = '\0';
    Text(satz, puffer, size_t(laenge));
}

}  // namespace Dbase

// The general form, for a field that is not all digits.
long FeldZeiger::ZahlMitZeichen(const char* f, int laenge) {
    int i = 0;
    while (i < laenge && f[i] == ' ') ++i;
    const bool minus = i < laenge && f[i] == '-';
    if (i < laenge && (f[i] == '-' || f[i] == '+')) ++i;
    long wert = 0;
    int ziffern = 0;
    for (; i < laenge && f[i] >= '0' && f[i] <= '9'; ++i, ++ziffern) wert = wert * 10 + (f[i] - '0');
    while (i < laenge && f[i] == ' ') ++i;
    if (i < laenge || (ziffern == 0 && minus)) return ok_ = false, 0;
    return minus ? -wert : wert;
}
