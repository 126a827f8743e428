// VTIMEZONE observances with yearly onset rules (BYMONTH with one BYDAY, the form every
// common calendar writes) or a single onset.
#include "interop/Zeitzone.h"

#include <cstdlib>

namespace {
// "+0100", "-0530", "+013000" in minutes.
bool LiesVersatz(const std::string& s, int& minuten) {
    if (s.size() < 5 || (s[0] != '+' && s[0] != '-')) return false;
    const int h = std::atoi(s.substr(1, 2).c_str()), m = std::atoi(s.substr(3, 2).c_str());
    minuten = (s[0] == '-' ? -1 : 1) * (h * 60 + m);
    return true;
}
}  // namespace

bool Zeitzone::Lies(const std::vector<Inhaltszeile>& zeilen) {
    Teil teil;
    bool imTeil = false, gueltig = false;
    for (const Inhaltszeile& z : zeilen) {
        if (z.Name == "TZID" && !imTeil) tzid_ = z.Wert;
        if (z.Name == "BEGIN" && (z.Wert == "STANDARD" || z.Wert == "DAYLIGHT")) {
            teil = Teil{};
            imTeil = gueltig = true;
        } else if (imTeil && z.Name == "DTSTART") {
            ICalZeit t;
            gueltig &= LiesICalZeit(z.Wert, t);
            teil.Anfang = t.Wert;
        } else if (imTeil && z.Name == "TZOFFSETTO") {
            gueltig &= LiesVersatz(z.Wert, teil.VersatzNach);
        } else if (imTeil && z.Name == "TZOFFSETFROM") {
            gueltig &= LiesVersatz(z.Wert, teil.VersatzVor);
        } else if (imTeil && z.Name == "RRULE") {
            teil.HatRegel = teil.Regel.Lies(z.Wert) && teil.Regel.Freq == Wiederholungsregel::Jaehrlich &&
                            teil.Regel.ByMonth.size() == 1 && teil.Regel.ByDay.size() <= 1;
            gueltig &= teil.HatRegel;
        } else if (imTeil && z.Name == "END") {
            if (gueltig && teil.Anfang.Jahr) teile_.push_back(teil);
            imTeil = false;
        }
    }
    return !tzid_.empty() && !teile_.empty();
}

Zeitpunkt Zeitzone::LetzterBeginn(const Teil& t, const Zeitpunkt& wand) {
    if (!t.HatRegel) return t.Anfang < wand || t.Anfang == wand ? t.Anfang : Zeitpunkt{};
    for (int jahr = wand.Jahr; jahr >= wand.Jahr - 1 && jahr >= t.Anfang.Jahr; --jahr) {
        const int monat = t.Regel.ByMonth[0];
        int tag = t.Anfang.Tag;
        if (!t.Regel.ByDay.empty()) {
            const auto& d = t.Regel.ByDay[0];
            tag = NterWochentag(jahr, monat, d.first ? d.first : 1, d.second);
        } else if (!t.Regel.ByMonthDay.empty()) {
            tag = t.Regel.ByMonthDay[0];
        }
        const Zeitpunkt beginn = MachZeitpunkt(jahr, monat, tag, t.Anfang.Stunde, t.Anfang.Minute);
        if (t.Regel.HatBis && t.Regel.Bis.Wert < beginn) continue;
        if (!(wand < beginn) && !(beginn < t.Anfang)) return beginn;
    }
    return Zeitpunkt{};
}

Zeitpunkt Zeitzone::NachUtc(const Zeitpunkt& wand) const {
    const Teil* gilt = nullptr;
    Zeitpunkt bester;
    for (const Teil& t : teile_) {
        const Zeitpunkt b = LetzterBeginn(t, wand);
        if (b.Jahr && (!gilt || bester < b)) {
            gilt = &t;
            bester = b;
        }
    }
    if (!gilt) return Plus(wand, -teile_.front().VersatzNach);  // before every onset: the first description
    const int sprung = gilt->VersatzNach - gilt->VersatzVor;
    if (sprung > 0 && wand < Plus(bester, sprung)) return Plus(wand, -gilt->VersatzVor);
    return Plus(wand, -gilt->VersatzNach);
}
