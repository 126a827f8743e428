// The 0x80-0x9F block of Windows-1252 is the only part that differs from Unicode.
#include "interop/Zeichensatz.h"

#include <cstdint>

namespace {
const uint16_t Block80[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

uint32_t Unicode(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return Block80[b - 0x80] ? Block80[b - 0x80] : b;
    return b;
}

char Ansi(uint32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    if (u < 0xA0 && !Block80[u - 0x80]) return char(u);  // the five bytes 1252 leaves unassigned
    for (int i = 0; i < 32; ++i)
        if (Block80[i] == u) return char(0x80 + i);
    return '?';
}

void HaengeAn(std::string& out, uint32_t u) {
    if (u < 0x80) {
        out += char(u);
    } else if (u < 0x800) {
        out += char(0xC0 | (u >> 6));
        out += char(0x80 | (u & 0x3F));
    } else {
        out += char(0xE0 | (u >> 12));
        out += char(0x80 | ((u >> 6) & 0x3F));
        out += char(0x80 | (u & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at s[i] and its code point; 0 when there is none.
size_t Sequenz(const std::string& s, size_t i, uint32_t& u) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    size_t n = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (n == 0 || b >= 0xF5 || i + n > s.size()) return 0;
    u = b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        const unsigned char f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80) return 0;
        u = (u << 6) | (f & 0x3F);
    }
    static const uint32_t Minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    return u >= Minimum[n] ? n : 0;
}
}  // namespace

std::string Utf8AusAnsi(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (char c : ansi) HaengeAn(out, Unicode(static_cast<unsigned char>(c)));
    return out;
}

std::string AnsiAusUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        uint32_t u = 0;
        const size_t n = b < 0x80 ? 0 : Sequenz(utf8, i, u);
        if (n == 0) {
            out += char(b);
            ++i;
        } else {
            out += Ansi(u);
            i += n;
        }
    }
    return out;
}
