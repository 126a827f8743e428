// LiesRasterZeit, RasterEnde and PruefeRaster.
#include "dialogs/TagesRaster.h"

#include "core/ResourceIds.h"
#include "core/TextFormat.h"

namespace {
constexpr int Zeilen = 24;  // rows of each column
constexpr int Mittag = 720, Mitternacht = 1440;
constexpr int MaxSchritt = 30;
}  // namespace

int LiesRasterZeit(const std::string& text, bool start) {
    std::string ziffern;
    bool doppelpunkt = false;
    for (char c : text) {
        if (c == ':' && !doppelpunkt) doppelpunkt = true;
        else if (c >= '0' && c <= '9') ziffern += c;
        else return -1;
    }
    if (ziffern.empty() || ziffern.size() > 4) return -1;
    if (start && !doppelpunkt) ziffern += "00";
    if (ziffern.size() > 4) return -1;
    const int wert = std::stoi(ziffern);
    if (!start) return wert;
    // Choice: minutes past 59 are no time ("8:5" would otherwise start the column at 1:25).
    return wert % 100 < 60 ? wert / 100 * 60 + wert % 100 : -1;
}

std::string RasterEnde(int start, int step) {
    const int ende = start + (Zeilen - 1) * step;
    return Format("%d:%02d", ende / 60, ende % 60);
}

int PruefeRaster(const std::string& startAM, const std::string& stepAM, const std::string& startPM,
                 const std::string& stepPM, TagesRaster& r) {
    TagesRaster neu;
    neu.StartAM = LiesRasterZeit(startAM, true);
    if (neu.StartAM < 0 || neu.StartAM >= Mittag) return IDS_RASTER_START_AM;
    neu.StepAM = LiesRasterZeit(stepAM, false);
    if (neu.StepAM < 1 || neu.StepAM > MaxSchritt) return IDS_RASTER_SCHRITT_AM;
    neu.StartPM = LiesRasterZeit(startPM, true);
    if (neu.StartPM < neu.StartAM + Zeilen * neu.StepAM) return IDS_RASTER_START_PM;
    if (neu.StartPM >= Mitternacht) return IDS_RASTER_START_PM_SPAET;
    neu.StepPM = LiesRasterZeit(stepPM, false);
    if (neu.StepPM < 1 || neu.StepPM > MaxSchritt || neu.StartPM + Zeilen * neu.StepPM > Mitternacht)
        return IDS_RASTER_SCHRITT_PM;
    r = neu;
    return 0;
}
