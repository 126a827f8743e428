// The day view's time grid as typed in the day dialog: reading a time text, the end time a
// column reaches, and the checks of the four values with their messages.
#pragma once
#include <string>

struct TagesRaster {
    int StartAM = 0, StepAM = 0, StartPM = 0, StepPM = 0;  // minutes since midnight, minutes
};

// Hours x 100 + minutes after removing a colon ("8:30" is 510); a start without a colon is
// whole hours ("8" is 8:00, "830" 830:00). -1 for a text that is no such number or too long.
int LiesRasterZeit(const std::string& text, bool start);
// "%d:%02d" of start + 23 rows, the beginning of a column's last row.
std::string RasterEnde(int start, int step);
// The four texts checked in order; 0 and `r` filled, or the message id of the first failure.
int PruefeRaster(const std::string& startAM, const std::string& stepAM, const std::string& startPM,
                 const std::string& stepPM, TagesRaster& r);
