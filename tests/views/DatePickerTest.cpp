// The picker's year calendars: every drawn day is hit where it stands (29 February of the
// next year included), nothing between months or on labels, the font fit, red days, and
// where the picker opens.
#include "views/DatePicker.h"

#include "core/ResString.h"
#include "holidays/FeiertagTestHelfer.h"
#include "settings/Settings.h"
#include "views/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const PickerClient Client{612, 390, 28};
const int Zeile = (Client.Bottom - Client.ButtonBand - 8) / 40;  // one line of the calendars

struct Tag {
    int jahr, monat, tag, x, y;
    Rgb farbe;
};

// The day numbers as drawn (the only right-aligned texts), year and month counted along.
std::vector<Tag> GemalteTage(const RecordingCanvas& c, int jahr) {
    std::vector<Tag> tage;
    int monat = 0;
    for (const auto& t : c.Of(RecordingCanvas::Kind::Text)) {
        if (t.align != TextAlign::Right) continue;
        if (t.text == "1" && ++monat == 13) {
            monat = 1;
            ++jahr;
        }
        tage.push_back({jahr, monat, std::stoi(t.text), t.x0, t.y0, t.colour});
    }
    return tage;
}

class DatePicker : public testing::Test {
protected:
    void Male(int jahr) {
        YearCalendarFont font;
        PaintDatePicker(canvas, font, YearCalendarHolidays{feiertage, settings}, Client, jahr);
        cell = font.CellWidth;
    }
    Settings settings;
    Feiertage feiertage;
    RecordingCanvas canvas;
    int cell = 0;
};
}  // namespace

TEST_F(DatePicker, EveryDrawnDayOfBothYearsIsHitWhereItStands) {
    Male(2023);
    const std::vector<Tag> tage = GemalteTage(canvas, 2023);
    ASSERT_EQ(tage.size(), 365u + 366u);
    EXPECT_EQ(tage[365 + 31 + 28].monat * 100 + tage[365 + 31 + 28].tag, 229);  // the leap day of 2024
    for (const Tag& t : tage) {
        const YearCalendarHitResult hit = DatePickerHit(canvas, Client, 2023, t.x - cell / 2, t.y + Zeile / 2);
        ASSERT_EQ(std::vector<int>({hit.Year, hit.Month, hit.Day}), std::vector<int>({t.jahr, t.monat, t.tag}))
            << "drawn at " << t.x << "," << t.y;
    }
}

TEST_F(DatePicker, LabelsTitlesAndTheSpaceBetweenMonthsHitNothing) {
    Male(2024);
    const RecordingCanvas::Call* montag = canvas.TextStartingWith(LoadResString(1201));
    const RecordingCanvas::Call* januar = canvas.TextStartingWith(LoadResString(1246));
    ASSERT_TRUE(montag && januar);
    const struct {
        int x, y;
    } daneben[] = {
        {montag->x0 + 1, montag->y0 + 1},       // weekday label
        {januar->x0, januar->y0 + 1},           // month name
        {januar->x0, montag->y0 + 8 * Zeile},   // below January's last line, above April's name
        {Client.Right / 4, 1},                  // year number
    };
    for (const auto& p : daneben) EXPECT_EQ(DatePickerHit(canvas, Client, 2024, p.x, p.y).Month, 0) << p.x << "," << p.y;
}

TEST_F(DatePicker, FontGrowsPastOneLineThenShrinksToTheWidth) {
    // Recording metrics: ascent = height × 4/5, " 22" = 3 × height / 2.
    const struct {
        int w, h, height, cell;
    } faelle[] = {{400, 360, 13, 18}, {300, 360, 11, 15}};
    for (const auto& f : faelle) {
        const YearCalendarFont font = FitYearCalendarFont(canvas, f.w, f.h);
        EXPECT_EQ(std::vector<int>({font.Height, font.CellWidth}), std::vector<int>({f.height, f.cell})) << f.w;
    }
}

TEST_F(DatePicker, SundaysAndPublicHolidaysAreRed) {
    SetzeTabelle(feiertage, {{"Neujahr", "Neujahr", FeiertagArt::Fest, RegelFest(1, 1),
                              FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1800, 9999},
                             {"Hl. 3 K.", "Heilige Drei K\xF6nige", FeiertagArt::Fest, RegelFest(1, 6)}});
    Male(2026);
    const std::vector<Tag> tage = GemalteTage(canvas, 2026);
    const Rgb rot{255, 0, 0}, schwarz{};
    // 1 January 2026 is a Thursday, the 4th a Sunday; the 6th is named but no public holiday.
    const struct {
        int tag;
        Rgb farbe;
    } faelle[] = {{1, rot}, {2, schwarz}, {4, rot}, {6, schwarz}};
    for (const auto& f : faelle) EXPECT_EQ(tage[f.tag - 1].farbe, f.farbe) << f.tag;
}

TEST_F(DatePicker, OpensBesideTheFrameOrAtTheEdgeRules) {
    const struct {
        int x, y, sx, sy;
        int ox, oy;
    } faelle[] = {
        {100, 50, 1024, 768, 114, 60},
        {390, 338, 1024, 768, 404, 348},  // exactly fits
        {391, 339, 1024, 768, 10, 30},    // one pixel too far right and down
        {-8, -8, 1024, 768, 6, 2},
    };
    for (const auto& f : faelle) {
        const PickerOrigin o = PlacePicker(f.x, f.y, f.sx, f.sy);
        EXPECT_EQ(std::vector<int>({o.X, o.Y}), std::vector<int>({f.ox, f.oy})) << f.x << "," << f.y;
    }
}
