// Calendar arithmetic on Zeitpunkt. Years are summed in closed form instead of year by year,
// so converting dates of any year costs the same.
#include "store/Zeitpunkt.h"

#include "core/Host.h"

namespace {
constexpr int MonatsLaenge[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};
constexpr int64_t MinutenProTag = 1440;

int TageImJahr(int jahr) { return IstSchaltjahr(jahr) ? 366 : 365; }

// Days of the years 0 .. jahr-1 (0 for jahr <= 0); year 0 counts as a leap year.
int64_t TageVorJahr(int64_t jahr) {
    if (jahr <= 0) return 0;
    return 365 * jahr + (jahr + 3) / 4 - (jahr + 99) / 100 + (jahr + 399) / 400;
}

// Days of the months 1 .. monat-1 of the year.
int TageVorMonat(int jahr, int monat) {
    int tage = 0;
    for (int m = 1; m < monat && m <= 12; ++m) tage += TageImMonat(jahr, m);
    return tage;
}

// Splits a day count since 0000-01-01 into a date; the rest is always 0 <= rest < 1 year.
Zeitpunkt DatumAusTagen(int64_t tage) {
    int64_t jahr = tage * 400 / 146097;  // 146097 days per 400 years; corrected below
    while (jahr > 0 && TageVorJahr(jahr) > tage) --jahr;
    while (TageVorJahr(jahr + 1) <= tage) ++jahr;
    int64_t rest = tage - TageVorJahr(jahr);
    int monat = 1;
    while (monat < 12 && rest >= TageImMonat(int(jahr), monat)) rest -= TageImMonat(int(jahr), monat++);
    return MachZeitpunkt(int(jahr), monat, int(rest) + 1);
}

int64_t MinutenDesTages(const Zeitpunkt& z) {
    return (TageVorJahr(z.Jahr) + TageVorMonat(z.Jahr, z.Monat) + (z.Tag - 1)) * MinutenProTag;
}
}  // namespace

bool IstSchaltjahr(int jahr) { return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0; }

int TageImMonat(int jahr, int monat) {
    if (monat < 1 || monat > 12) return 0;
    return MonatsLaenge[IstSchaltjahr(jahr) ? 1 : 0][monat];
}

int TagDesJahres(int jahr, int monat, int tag) { return tag + TageVorMonat(jahr, monat); }

int Wochentag(int jahr, int monat, int tag) {
    const int64_t j = jahr - 1;
    const int64_t n = TagDesJahres(jahr, monat, tag) + 365 * j + j / 4 - j / 100 + j / 400 - 1;
    return int(((n % 7) + 7) % 7) + 1;
}

Zeitpunkt DatumAusTagDesJahres(int jahr, int n) {
    while (n < 1) n += TageImJahr(--jahr);
    int monat = 1;
    while (n > TageImMonat(jahr, monat)) {
        n -= TageImMonat(jahr, monat);
        if (++monat > 12) {
            monat = 1;
            ++jahr;
        }
    }
    return MachZeitpunkt(jahr, monat, n);
}

// Values outside 32 bits wrap as the unsigned result type does.
uint32_t ToMinutes(const Zeitpunkt& z) {
    return uint32_t(MinutenDesTages(z) + z.Stunde * 60 + z.Minute);
}

Zeitpunkt FromMinutes(uint32_t n) {
    Zeitpunkt z = DatumAusTagen(n / MinutenProTag);
    const uint32_t rest = n % MinutenProTag;
    z.Stunde = int8_t(rest / 60);
    z.Minute = int8_t(rest % 60);
    return z;
}

uint32_t TagToMinutes(const Zeitpunkt& z) { return uint32_t(MinutenDesTages(z)); }

Zeitpunkt TagFromMinutes(uint32_t n) { return DatumAusTagen(n / MinutenProTag); }

Zeitpunkt Jetzt() {
    const LocalTime t = GetHost().Now();
    return MachZeitpunkt(t.Jahr, t.Monat, t.Tag, t.Stunde, t.Minute);
}
