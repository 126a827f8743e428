// Where the arrow keys move the selected date in the week and month views (the day view
// ignores them). The week view's two columns Monday-Wednesday and Thursday-Sunday make
// Left and Right jump between columns and Up and Down run round the week.
#pragma once
#include "settings/ViewMode.h"
#include "store/Zeitpunkt.h"

enum class ArrowKey { Left, Right, Up, Down };

// The new date (time 0:00); `selected` itself in the day view.
Zeitpunkt ArrowKeyTarget(ViewMode mode, ArrowKey key, const Zeitpunkt& selected);
