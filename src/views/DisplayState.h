// The date the calendar shows; every view derives its day, week or month from it.
// The view mode itself is the setting TheSettings.Mode (0 day, 1 week, 2 month).
#pragma once
#include <cstdint>

struct SelectedDate {
    int Year = 2000;  // navigation keeps it within 1800–3999
    int8_t Month = 1;
    int8_t Day = 1;   // may name a day the month lacks after a month or year step
};

extern SelectedDate Selected;  // set to today when the main window is constructed
