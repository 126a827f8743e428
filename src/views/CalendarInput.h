// What the calendar window keeps between mouse and key events: the open in-place editor
// and the record it edits, the appointment under the last click with its line, and the
// state of a drag.
#pragma once
#include "views/ArrowKeys.h"
#include "views/ClsEditTerm.h"
#include "views/HitTest.h"
#include "store/RecordRef.h"

struct CalendarInput {
    ClsEditTerm Editor;       // EditWindow: open while IsOpen()
    RecordRef Edited;         // EditedAppointment; empty for a new appointment
    std::string Opened;       // the editor's text when it opened
    RecordRef Hit;            // HitAppointment: under the last left or right click
    EditArea EditRect;        // line of the last left click; Right 0 when it took no editor
    bool DragArmed = false;
    POINT DragOrigin{};
    bool ButtonSeen = false;  // a release before the first press is ignored
};
