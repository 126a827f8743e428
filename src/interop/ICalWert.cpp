// Parsers of the iCalendar value types the import uses.
#include "interop/ICalWert.h"

#include <cctype>

namespace {
bool Ziffern(const std::string& s, size_t pos, size_t n, int& out) {
    if (pos + n > s.size()) return false;
    out = 0;
    for (size_t i = pos; i < pos + n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}
}  // namespace

bool LiesICalZeit(const std::string& text, ICalZeit& out) {
    int j, m, t, h = 0, mi = 0, s = 0;
    if (!Ziffern(text, 0, 4, j) || !Ziffern(text, 4, 2, m) || !Ziffern(text, 6, 2, t)) return false;
    out = ICalZeit{};
    if (text.size() == 8) {
        out.NurDatum = true;
    } else {
        if (text.size() < 15 || text[8] != 'T' || !Ziffern(text, 9, 2, h) || !Ziffern(text, 11, 2, mi) ||
            !Ziffern(text, 13, 2, s))
            return false;
        out.Utc = text.size() == 16 && (text[15] == 'Z' || text[15] == 'z');
        if (text.size() != 15 && !out.Utc) return false;
    }
    if (j < 1 || m < 1 || m > 12 || t < 1 || t > TageImMonat(j, m) || h > 23 || mi > 59 || s > 60) return false;
    // Later years ("UNTIL=99991231") become 4000, past the calendar's range yet inside the
    // minute numbers.
    out.Wert = MachZeitpunkt(j > 4000 ? 4000 : j, m, t, h, mi);
    return true;
}

bool LiesDauer(const std::string& text, int64_t& minuten) {
    size_t i = 0;
    bool minus = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    if (i >= text.size() || text[i++] != 'P') return false;
    int64_t sekunden = 0;
    bool zeitTeil = false, etwas = false;
    while (i < text.size()) {
        if (text[i] == 'T' && !zeitTeil) {
            zeitTeil = true;
            ++i;
            continue;
        }
        int64_t n = 0;
        size_t anfang = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - anfang < 9)
            n = n * 10 + (text[i++] - '0');
        if (i == anfang || i >= text.size()) return false;
        const char e = text[i++];
        if (!zeitTeil && e == 'W') sekunden += n * 7 * 86400;
        else if (!zeitTeil && e == 'D') sekunden += n * 86400;
        else if (zeitTeil && e == 'H') sekunden += n * 3600;
        else if (zeitTeil && e == 'M') sekunden += n * 60;
        else if (zeitTeil && e == 'S') sekunden += n;
        else return false;
        etwas = true;
    }
    if (!etwas) return false;
    minuten = (minus ? -sekunden : sekunden) / 60;
    return true;
}

Zeitpunkt Plus(const Zeitpunkt& z, int64_t minuten) {
    const int64_t grenze = ToMinutes(MachZeitpunkt(4000, 12, 31, 23, 59));
    const int64_t n = int64_t(ToMinutes(z)) + minuten;
    return FromMinutes(uint32_t(n < 0 ? 0 : n > grenze ? grenze : n));
}
