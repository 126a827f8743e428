// The state of the calendar view: the shown date, the moment the painters compare against,
// and what the last paint computed (layout, hit grid, selection frames). The calendar window
// owns one; the painters get it, with what they draw from, in a PaintContext.
#pragma once
#include "store/Zeitpunkt.h"
#include "views/HitGrid.h"
#include "views/ViewLayout.h"

#include <cstdint>

class ClsListe;
class Feiertage;
struct Settings;

struct SelectedDate {
    int Year = 2000;  // navigation keeps it within 1800–3999
    int8_t Month = 1;
    int8_t Day = 1;   // may name a day the month lacks after a month or year step
};

// The day a selected date names: a day the month lacks counts on into the next month
// (31 February 2026 is 3 March), as the date arithmetic does.
inline Zeitpunkt DayOf(const SelectedDate& s) { return DatumAusTagDesJahres(s.Year, TagDesJahres(s.Year, s.Month, s.Day)); }

// The day that the keys, the editor and a new appointment work on: in the month view a day the
// shown month lacks counts as its last day, so that they stay in the month on the screen.
inline Zeitpunkt ActiveDay(const SelectedDate& s, ViewMode mode) {
    const int last = TageImMonat(s.Year, s.Month);
    if (mode == ViewMode::Month && s.Day > last) return MachZeitpunkt(s.Year, s.Month, last);
    return DayOf(s);
}

// The selection frame drawn last and its view mode, so the next one first erases it.
struct SelectionMemory {
    DayRect Rect;
    int Mode = -1;        // -1: nothing to erase
    bool Called = false;  // no frame drawn yet since start
};

struct ViewState {
    SelectedDate Selected;  // set to today when the calendar window is constructed
    Zeitpunkt Now;          // the current moment to the minute; refreshed at every paint
    // Valid from one paint to the next.
    Layout Grid;
    HitGrid Hits;
    DayFrameTable DayFrames;
    SelectionMemory Frame;
};

// What a painter draws from (appointments, holidays, settings) and where it records what
// it drew (the view state).
struct PaintContext {
    ClsListe& Liste;
    Feiertage& Holidays;
    const Settings& Config;
    ViewState& View;
};
