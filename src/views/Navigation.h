// Stepping the shown date: today, one step and one big step forward or back, by view mode.
#pragma once
#include "core/ResourceIds.h"
#include "settings/ViewMode.h"
#include "views/ViewState.h"

constexpr int MinYear = 1800, MaxYear = 3999;

// Applies a navigation command to `date` in view `mode`.
// Day steps count through month and year ends; month steps keep the day number, year
// steps keep month and day. Returns false and leaves `date` alone when the year would
// leave MinYear..MaxYear.
bool StepDate(SelectedDate& date, ViewMode mode, unsigned command, const SelectedDate& today);
