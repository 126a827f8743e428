// Hit-testing the last paint: which day a point lies on, which recorded area (appointment
// line, time row, free rest of a cell) it hits, and which date and time a drop there means.
#pragma once
#include "settings/ViewMode.h"
#include "views/ViewState.h"

// Left, top, right, bottom of a line: the width of a cell, the height of a row.
struct EditArea {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct AppointmentHit {
    int32_t Appointment = HitEntry::NoAppointment;  // slot in the collection
    EditArea Rect;          // the line of the area found (what a right click inverts)
    bool Editable = false;  // the area can take the in-place editor
};

// Day of the month under (x, y), or -1 outside the grid. The day view answers the
// selected day; the week view moves `selected` to the day hit (it may change month and
// year); the month view leaves it alone.
int PointToDay(int x, int y, ViewMode mode, const Layout& layout, SelectedDate& selected);

// Scans the blocks in order; in a block the first area containing the point (edges
// included) decides. The scan ends at the first block giving an editable area (entries
// 0-23 when wantEditable) or an appointment; the result describes the area that ended it.
AppointmentHit HitAppointmentAt(const HitGrid& hits, const Layout& layout, int x, int y, bool wantEditable);

// The same scan over the areas that carry a date; false when the point is on none.
bool DropTargetAt(const HitGrid& hits, int x, int y, Zeitpunkt& target);
