// The calendar's context menu on an appointment: its six items with check mark and
// greying, and command 822 that switches the done state.
#pragma once
#include "store/Termin.h"

#include <array>

struct ContextItem {
    unsigned Command;
    int TextId;
    bool Checked;
    bool Greyed;
};

// In menu order 822, 821, 823, 824, 826, 825 (texts 1301-1306). 822 is checked when the
// appointment is shown done; 824 is greyed when it started before `jetzt`; a generated
// yearly copy greys all six.
std::array<ContextItem, 6> ContextMenuItems(const Termin& t, const Zeitpunkt& jetzt);

// Command 822 on t: not shown done -> done; shown done because it is past -> after
// question 1123 (OK) done by hand only and not done; done by the flag -> not done.
// False when the question was cancelled.
bool ToggleDone(Termin& t, const Zeitpunkt& jetzt);
