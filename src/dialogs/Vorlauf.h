// Lead times in days, hours and minutes: splitting a minute count for the edit fields,
// reading the fields back, and the warning time that lies a lead before a start.
#pragma once
#include "store/Zeitpunkt.h"

#include <cstdint>
#include <string>

struct Vorlauf {
    long Tage = 0, Stunden = 0, Minuten = 0;
};

Vorlauf TeileMinuten(long minuten);  // minuten >= 0
// Whole numbers from the three fields (a text without digits counts 0, negative ones too);
// the sum is capped at INT32_MAX minutes.
long VorlaufMinuten(const std::string& tage, const std::string& stunden, const std::string& minuten);
// The moment `minuten` before `start`, never before 1 January of year 1: a warning in year 0
// would mean none.
Zeitpunkt WarnungVor(const Zeitpunkt& start, int64_t minuten);
// Minutes from `von` to `bis`, 0 when `bis` is not later.
long MinutenBis(const Zeitpunkt& von, const Zeitpunkt& bis);
