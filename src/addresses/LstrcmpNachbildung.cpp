// Three-level comparison over Windows-1252 texts.
#include "addresses/LstrcmpNachbildung.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct Gewicht {
    int primaer, sekundaer, tertiaer;
};

// Base letters of 0xC0-0xFF ('*' = not a letter); 0xDF (sharp s) expands to "ss".
const char Basis[] = "AAAAAAACEEEEIIII" "DNOOOOO*OUUUUYTs" "AAAAAAACEEEEIIII" "DNOOOOO*OUUUUYTY";

std::vector<Gewicht> Gewichte(const char* s) {
    std::vector<Gewicht> g;
    for (; *s; ++s) {
        const unsigned char c = static_cast<unsigned char>(*s);
        if (c == '-' || c == '\'') continue;
        if (std::isalpha(c) && c < 0x80) {
            g.push_back({0x300 + std::toupper(c), 0, std::isupper(c) ? 1 : 0});
        } else if (c >= 0xC0 && Basis[c - 0xC0] != '*') {
            if (c == 0xDF) {
                g.push_back({0x300 + 'S', 1, 0});
                g.push_back({0x300 + 'S', 1, 0});
            } else {
                g.push_back({0x300 + Basis[c - 0xC0], c | 0x20, c < 0xE0 ? 1 : 0});
            }
        } else if (c >= '0' && c <= '9') {
            g.push_back({0x200 + c, 0, 0});
        } else {
            g.push_back({0x100 + c, 0, 0});
        }
    }
    return g;
}

int Stufe(const std::vector<Gewicht>& a, const std::vector<Gewicht>& b, int Gewicht::*feld) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i].*feld != b[i].*feld) return a[i].*feld < b[i].*feld ? -1 : 1;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}
}  // namespace

int VergleicheWieLstrcmp(const char* a, const char* b) {
    const std::vector<Gewicht> ga = Gewichte(a), gb = Gewichte(b);
    for (int Gewicht::*feld : {&Gewicht::primaer, &Gewicht::sekundaer, &Gewicht::tertiaer})
        if (const int r = Stufe(ga, gb, feld)) return r;
    const int r = std::strcmp(a, b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}
