// Clearing and filling the hit grid.
#include "views/HitGrid.h"

#include <algorithm>

namespace {
int16_t Clip16(int v) { return int16_t(std::clamp(v, -32768, 32767)); }
}  // namespace

void HitGrid::Clear() {
    for (auto& block : Block)
        for (auto& e : block) e = HitEntry{};
}

void HitGrid::Set(int block, int entry, int x, int y, int width, int height, const Zeitpunkt& date,
                  int32_t appointment) {
    if (block < 0 || block >= Blocks || entry < 0 || entry >= Entries) return;
    HitEntry& e = Block[block][entry];
    e.X = Clip16(x);
    e.Y = Clip16(y);
    e.Width = Clip16(width);
    e.Height = Clip16(height);
    e.Date = date;
    e.Appointment = appointment;
}
