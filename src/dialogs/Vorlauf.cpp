// Lead-time arithmetic shared by the warning notice and the warning time dialog.
#include "dialogs/Vorlauf.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

Vorlauf TeileMinuten(long minuten) { return Vorlauf{minuten / 1440, minuten % 1440 / 60, minuten % 60}; }

namespace {
// Reads at most 11 characters like the edit fields allow; far too large values are capped.
long Zahl(const std::string& text) {
    const long v = std::strtol(text.substr(0, 11).c_str(), nullptr, 10);
    return std::clamp(v, 0L, 100000000L);
}
}  // namespace

long VorlaufMinuten(const std::string& tage, const std::string& stunden, const std::string& minuten) {
    // Summed in 64 bits and capped to what Windows' 32-bit long holds (over 4000 years).
    const int64_t summe = int64_t(Zahl(tage)) * 1440 + int64_t(Zahl(stunden)) * 60 + Zahl(minuten);
    return long(std::min<int64_t>(summe, INT32_MAX));
}

Zeitpunkt WarnungVor(const Zeitpunkt& start, int64_t minuten) {
    const int64_t fruehest = ToMinutes(MachZeitpunkt(1, 1, 1));
    return FromMinutes(uint32_t(std::max(int64_t(ToMinutes(start)) - minuten, fruehest)));
}

long MinutenBis(const Zeitpunkt& von, const Zeitpunkt& bis) {
    return std::max(0L, long(ToMinutes(bis)) - long(ToMinutes(von)));
}
