// Palette, colour roles and the stored form of the role indexes.
#include "settings/ColourTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(Palette, SixteenVgaColoursInColorrefLayout) {
    const uint8_t rgb[PaletteSize][3] = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
        {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    for (int i = 0; i < PaletteSize; ++i) {
        const Rgb c = PaletteColour(i);
        EXPECT_EQ(c.Value, rgb[i][0] | rgb[i][1] << 8 | rgb[i][2] << 16u) << i;
        EXPECT_EQ(c.R(), rgb[i][0]) << i;
        EXPECT_EQ(c.B(), rgb[i][2]) << i;
    }
    EXPECT_EQ(PaletteColour(9).Value, 0x000000FFu);  // red is the low byte
    EXPECT_EQ(PaletteColour(-1), Rgb{});
    EXPECT_EQ(PaletteColour(16), Rgb{});
}

TEST(ColourTable, DefaultRoleNamesAndIndexes) {
    const struct {
        const char* name;
        int index;
    } expected[ColourRoleCount] = {
        {"Feiertage", 9},          {"Wochentage", 12},          {"Termine, normale", 0},
        {"Termine, weniger wichtige", 7}, {"Termine, wichtige", 12}, {"Termine, sehr wichtige", 2},
        {"Termine, erledigte", 8}, {"Hintergrund", 15},
    };
    const ColourTable t;
    for (int r = 0; r < ColourRoleCount; ++r) {
        EXPECT_STREQ(t.Role(r).Name, expected[r].name) << r;
        EXPECT_EQ(t.Role(r).Index, expected[r].index) << r;
        EXPECT_EQ(t.Colour(r), PaletteColour(expected[r].index)) << r;
    }
    EXPECT_EQ(t.IndexesText(), "9,12,0,7,12,2,8,15");  // no trailing comma
}

TEST(ColourTable, StoredTextAppliesOverCurrentIndexes) {
    struct Case {
        const char* stored;
        const char* result;  // starting from all roles at 4
    };
    const Case cases[] = {
        {"9,12,0,7,12,2,8,15", "9,12,0,7,12,2,8,15"},
        {"1,2,3", "1,2,3,4,4,4,4,4"},
        {"", "4,4,4,4,4,4,4,4"},
        {"16,-1,3", "4,4,3,4,4,4,4,4"},         // outside the palette: unchanged
        {"1,2,3,4,5,6,7,8,9,10", "1,2,3,4,5,6,7,8"},
        {"junk", "0,4,4,4,4,4,4,4"},            // no digits read as 0, like every number
    };
    for (const Case& c : cases) {
        ColourTable t;
        for (int r = 0; r < ColourRoleCount; ++r) t.SetIndex(r, 4);
        t.ReadIndexes(c.stored);
        EXPECT_EQ(t.IndexesText(), c.result) << c.stored;
    }
}

TEST(ColourTable, WorkingCopyIsIndependent) {
    ColourTable global;
    ColourTable working = global;
    working.SetIndex(RoleHintergrund, 11);
    EXPECT_EQ(global.Role(RoleHintergrund).Index, 15);  // cancel: global untouched
    global = working;                                   // OK: copied back
    EXPECT_EQ(global.Colour(RoleHintergrund), Rgb(255, 255, 0));
    EXPECT_STREQ(global.Role(RoleHintergrund).Name, "Hintergrund");
}
}  // namespace
