// The three views of the calendar, numbered as stored in View\Mode and as commands 351-353.
#pragma once

enum class ViewMode { Day = 0, Week = 1, Month = 2 };
