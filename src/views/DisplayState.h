// The display state all views share: the shown date, the current moment the painters
// compare against, and what the last paint computed (layout, hit grid, selection frames).
// The view mode itself is the setting TheSettings.Mode (0 day, 1 week, 2 month).
#pragma once
#include "store/Zeitpunkt.h"
#include "views/HitGrid.h"
#include "views/ViewLayout.h"

#include <cstdint>

struct SelectedDate {
    int Year = 2000;  // navigation keeps it within 1800–3999
    int8_t Month = 1;
    int8_t Day = 1;   // may name a day the month lacks after a month or year step
};

extern SelectedDate Selected;  // set to today when the main window is constructed

// The current moment to the minute; refreshed at every paint and by the reminder scan.
extern Zeitpunkt ViewNow;

// Valid from one paint to the next.
extern Layout TheLayout;
extern HitGrid Hits;
extern DayFrameTable DayFrames;
