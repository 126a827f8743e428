// Where the painters drew what: 31 blocks of 25 areas with the date and time a drop there
// means and the appointment drawn there, and the selection frames of the days drawn.
#pragma once
#include "store/Zeitpunkt.h"

#include <cstdint>

struct HitEntry {
    static constexpr int32_t NoAppointment = -1;

    int16_t X = 0, Y = 0, Width = 0, Height = 0;
    Zeitpunkt Date;                   // Jahr 0 = no date (not a drop target)
    int32_t Appointment = NoAppointment;  // slot index into the collection
};

struct HitGrid {
    static constexpr int Blocks = 31;
    static constexpr int Entries = 25;
    static constexpr int WholeCell = 24;  // entry of the whole day cell

    HitEntry Block[Blocks][Entries];

    void Clear();
    // Sets entry (block, entry); out-of-range places are ignored. Coordinates are clipped
    // to 16 bits.
    void Set(int block, int entry, int x, int y, int width, int height, const Zeitpunkt& date,
             int32_t appointment = HitEntry::NoAppointment);
};

struct DayRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Selection frames by day of the month (1-31; entry 0 unused).
struct DayFrameTable {
    DayRect Day[32];
};
