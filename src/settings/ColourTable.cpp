// Colour roles: built-in names and indexes, and their stored text form.
#include "settings/ColourTable.h"

#include "core/ConfigText.h"

namespace {
constexpr ColourRole Defaults[ColourRoleCount] = {
    {"Feiertage", 9},
    {"Wochentage", 12},
    {"Termine, normale", 0},
    {"Termine, weniger wichtige", 7},
    {"Termine, wichtige", 12},
    {"Termine, sehr wichtige", 2},
    {"Termine, erledigte", 8},
    {"Hintergrund", 15},
};
}  // namespace

ColourTable::ColourTable() {
    for (int i = 0; i < ColourRoleCount; ++i) roles_[i] = Defaults[i];
}

void ColourTable::SetIndex(int role, int index) {
    if (IsPaletteIndex(index)) roles_[role].Index = static_cast<int16_t>(index);
}

void ColourTable::ReadIndexes(const char* text) {
    int indexes[ColourRoleCount];
    const int read = ParseNumberList(text, indexes, ColourRoleCount);
    // A stored index outside the palette keeps the role's current colour.
    for (int i = 0; i < read; ++i) SetIndex(i, indexes[i]);
}

std::string ColourTable::IndexesText() const {
    std::string text;
    for (const ColourRole& role : roles_) text += std::to_string(role.Index) + ",";
    text.pop_back();
    return text;
}
