// Definitions of the shared display state.
#include "views/DisplayState.h"

SelectedDate Selected;
Zeitpunkt ViewNow;
Layout TheLayout;
HitGrid Hits;
DayFrameTable DayFrames;
