// What the day and cell painters share for one appointment line: its colour by priority
// and done state, the target's text colour rule, the " ¹²)" markers and cutting to width.
#pragma once
#include "drawing/Palette.h"
#include "settings/ColourTable.h"
#include "store/ClsListe.h"
#include "drawing/Canvas.h"

#include <string>

// Where a painter draws: 0-2 the screen views; 3-10 printout pages (odd black, even coloured).
enum class ViewTarget {
    Day = 0, Week = 1, Month = 2,
    PrintDayBlack = 3, PrintDayColour = 4, PrintWeekBlack = 5, PrintWeekColour = 6,
    PrintBlack = 7, PrintColour = 8, PrintMonthBlack = 9, PrintMonthColour = 10,
};
inline bool IsScreen(ViewTarget target) { return static_cast<int>(target) < 3; }

// Black for the black print targets 3, 5, 7 and 9, else the colour itself.
Rgb ViewColour(ViewTarget target, Rgb colour);

// Role "Termine, erledigte" when drawn as done, else the role of the priority.
Rgb AppointmentColour(const ColourTable& farben, const Termin& t, const Zeitpunkt& jetzt);

bool HasLongText(const Termin& t);  // first byte of the description not zero
bool HasAddress(const Termin& t);

// " " then "¹" for a description and "²" for an address, then ")"; empty without either.
std::string Markers(const Termin& t);
extern const char* const MarkerOne;   // " ²)": room for one marker
extern const char* const MarkerBoth;  // " ¹²)"

// The longest start of `text` whose width is at most maxWidth (characters dropped from the
// end); text widths grow with length, so the search halves the range.
std::string FitText(Canvas& canvas, const FontSpec& font, const std::string& text, int maxWidth);

// Slot index of a record returned by the collection's walk (HitEntry::NoAppointment for null).
int32_t SlotIndex(ClsListe& liste, const Termin* t);
