// Termin helpers: short text, the end moment and the done rule.
#include "store/Termin.h"

#include <algorithm>
#include <cstring>

void Termin::SetzeKurzbeschr(std::string_view text) {
    const size_t n = std::min(text.size(), sizeof(Kurzbeschr) - 1);
    std::memset(Kurzbeschr, 0, sizeof(Kurzbeschr));
    std::memcpy(Kurzbeschr, text.data(), n);
}

Zeitpunkt Termin::EndeAmStarttag() const {
    Zeitpunkt e = Start;
    const bool ganzerTag = Hat(FlagOhneZeit) || Hat(FlagOhneEnde);
    e.Stunde = ganzerTag ? 23 : Ende.Stunde;
    e.Minute = ganzerTag ? 59 : Ende.Minute;
    return e;
}

int IsDrawnDone(const Termin& t, const Zeitpunkt& jetzt) {
    const bool vorbei = CompareZeitpunkt(t.EndeAmStarttag(), jetzt) <= 0;
    if (vorbei && (!t.Hat(FlagManuellErledigt) || t.Hat(FlagErledigt))) return 1;
    return t.Hat(FlagErledigt) ? 2 : 0;
}
