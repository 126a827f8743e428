// Appearance dialog rules: the font height check with its two messages, the default file
// name as stored, and which colour role each line of the colour sample is drawn in.
#include "dialogs/DarstellungRegeln.h"

#include "core/ResString.h"
#include "settings/ColourTable.h"
#include "views/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DarstellungRegeln, FontHeightsFrom6To24SmallestNotAboveLargest) {
    const struct {
        const char *min, *max;
        int meldung, neuMin, neuMax;  // -1: nothing taken over
    } faelle[] = {
        {"6", "24", 0, 6, 24},       {" 12 ", "12", 0, 12, 12},   {"5", "24", 1168, -1, -1},
        {"6", "25", 1168, -1, -1},   {"-6", "9", 1168, -1, -1},   {"7x", "9", 1168, -1, -1},
        {"", "9", 1168, -1, -1},     {"20", "10", 1169, -1, -1},
    };
    for (const auto& f : faelle) {
        int min = -1, max = -1;
        EXPECT_EQ(PruefeSchriftHoehen(f.min, f.max, min, max), f.meldung) << f.min << "/" << f.max;
        EXPECT_EQ(std::vector<int>({min, max}), std::vector<int>({f.neuMin, f.neuMax})) << f.min << "/" << f.max;
    }
}

TEST(DarstellungRegeln, DefaultFileIsLowerCaseWithOdvWhenItHasNoDot) {
    const struct {
        const char *ein, *aus;
    } faelle[] = {
        {"Termine", "termine.odv"},
        {"PRIVAT.ODV", "privat.odv"},
        {"C:\\B\xDCRO\\Plan", "c:\\b\xFCro\\plan.odv"},  // Windows-1252 umlaut
        {"c:\\alt.v2\\plan", "c:\\alt.v2\\plan"},       // any dot counts
        {"", ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(VorgabeDateiname(f.ein), f.aus) << f.ein;
}

TEST(DarstellungRegeln, SampleLinesTakeTheirRolesColours) {
    ColourTable farben;
    for (int role = 0; role < ColourRoleCount; ++role) farben.SetIndex(role, role + 1);  // all different
    RecordingCanvas canvas;
    DrawColourSample(canvas, farben, 200, 140);
    ASSERT_EQ(canvas.Count(RecordingCanvas::Kind::Fill), 1);
    EXPECT_EQ(canvas.Of(RecordingCanvas::Kind::Fill)[0].colour, farben.Colour(RoleHintergrund));
    const struct {
        int text, role;
    } zeilen[] = {{1206, RoleWochentage},      {1207, RoleFeiertage},      {1239, RoleTermineErledigt},
                  {1240, RoleTermineWeniger},  {1241, RoleTermineNormal},  {1242, RoleTermineWichtig},
                  {1243, RoleTermineSehrWichtig}};
    for (const auto& z : zeilen) {
        const RecordingCanvas::Call* t = canvas.TextStartingWith(LoadResString(z.text));
        ASSERT_TRUE(t) << z.text;
        EXPECT_EQ(t->colour, farben.Colour(z.role)) << z.text;
    }
}
