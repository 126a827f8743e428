// The eight colour roles of the views and coloured printouts, each pointing into the
// palette. A plain value: copying the table copies names and indexes, which is how the
// colours dialog takes its working copy and puts it back on OK.
#pragma once
#include "drawing/Palette.h"

#include <cstdint>
#include <string>

enum ColourRoleId {
    RoleFeiertage,           // Sundays and public holidays
    RoleWochentage,          // other day headings, weekday names
    RoleTermineNormal,       // priority 0
    RoleTermineWeniger,      // priority 1
    RoleTermineWichtig,      // priority 2
    RoleTermineSehrWichtig,  // priority 3
    RoleTermineErledigt,     // appointments drawn as done
    RoleHintergrund,         // fill of the calendar grid
    ColourRoleCount
};

struct ColourRole {
    char Name[40];
    int16_t Index;  // palette index 0–15
};

class ColourTable {
public:
    ColourTable();  // the built-in defaults

    const ColourRole& Role(int role) const { return roles_[role]; }
    Rgb Colour(int role) const { return PaletteColour(roles_[role].Index); }
    // Out-of-range palette indexes are ignored.
    void SetIndex(int role, int index);

    // Applies the stored "View\Colors" text over the current indexes: the i-th number
    // becomes role i's index; a shorter list changes only its first roles.
    void ReadIndexes(const char* text);
    // The eight indexes in role order, joined by ",".
    std::string IndexesText() const;

private:
    ColourRole roles_[ColourRoleCount];
};
