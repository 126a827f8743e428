// The address record: eleven texts (widths include the terminating zero), number,
// selection markers and the remark. A value type: copying copies the remark.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

struct Adresse {
    char FIRMA[40] = {};
    char ANREDE[20] = {};
    char NAME1[40] = {};
    char NAME2[40] = {};
    char STRASSE[40] = {};
    char PLZORT[40] = {};
    char LAND[20] = {};
    char TELEFON[20] = {};
    char FAX[20] = {};
    char BTX[20] = {};
    char SORT[10] = {};      // never empty in a stored address
    uint16_t ID = 0;         // 0 = none
    uint16_t FLAGS = 0;      // bit i = selection marker i + 1
    std::string BEMERK;      // remark of any length

    static constexpr size_t BemerkInline = 196;  // longer remarks take 256-byte blocks in the file
    // 0 when the remark fits the record, else ceil((length + 1) / 256).
    int Blocks() const { return BEMERK.size() <= BemerkInline ? 0 : int((BEMERK.size() + 1 + 255) / 256); }

    // Copies `text` into `feld`, cut to its width less the zero.
    template <size_t N>
    static void Setze(char (&feld)[N], const std::string& text) {
        const size_t n = text.size() < N - 1 ? text.size() : N - 1;
        std::memset(feld, 0, N);
        std::memcpy(feld, text.data(), n);
    }
};
