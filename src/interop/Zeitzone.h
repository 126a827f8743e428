// Time zones of the import: the system's rules (UTC to local time, given by the platform)
// and the VTIMEZONE descriptions of a file, which turn a TZID wall-clock time into UTC.
#pragma once
#include "interop/Inhaltszeile.h"
#include "interop/Wiederholungsregel.h"

#include <vector>

// UTC to the local time of the system (Win32: its time-zone rules; tests: a fixed rule).
class Ortszeit {
public:
    virtual ~Ortszeit() = default;
    virtual Zeitpunkt AusUtc(const Zeitpunkt& utc) const = 0;
};

class Zeitzone {
public:
    // The lines from BEGIN:VTIMEZONE to its END; false when it has no TZID or no usable
    // STANDARD or DAYLIGHT part.
    bool Lies(const std::vector<Inhaltszeile>& zeilen);
    const std::string& Tzid() const { return tzid_; }
    // A wall-clock time of this zone as UTC; one in the gap of a forward change counts in
    // the offset before it (02:30 on the spring day is 03:30 summer time).
    Zeitpunkt NachUtc(const Zeitpunkt& wand) const;

private:
    struct Teil {
        Zeitpunkt Anfang;  // DTSTART: the first onset, in the time before it
        int VersatzVor = 0;   // TZOFFSETFROM in minutes
        int VersatzNach = 0;  // TZOFFSETTO in minutes
        bool HatRegel = false;
        Wiederholungsregel Regel;
    };
    // The latest onset of `t` at or before `wand` (Jahr 0: none).
    static Zeitpunkt LetzterBeginn(const Teil& t, const Zeitpunkt& wand);

    std::string tzid_;
    std::vector<Teil> teile_;
};
