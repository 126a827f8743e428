// Holiday lookup and heading colour of one day.
#include "views/DayHeading.h"

#include "app/ResString.h"
#include "app/Settings.h"
#include "holidays/FeiertagName.h"
#include "settings/Appearance.h"

DayHeading LookUpDayHeading(const Zeitpunkt& day) {
    FeiertagAnsicht ansicht;
    ansicht.Modus = TheSettings.Mode;
    ansicht.Day1 = SonderTag{TheSettings.Day1.Used, TheSettings.Day1.Kind ? 1 : 0};
    ansicht.Day2 = SonderTag{TheSettings.Day2.Used, TheSettings.Day2.Kind ? 1 : 0};
    const TagesName name = FeiertagName(day.Jahr, day.Monat, day.Tag, ansicht);
    DayHeading h;
    h.Weekday = Wochentag(day.Jahr, day.Monat, day.Tag);
    h.DayOfYear = TagDesJahres(day.Jahr, day.Monat, day.Tag);
    h.Holiday = name.Text;
    const bool red = h.Weekday == 7 || (!name.Text.empty() && name.Art == 1);
    h.Colour = TheAppearance.Farben.Colour(red ? RoleFeiertage : RoleWochentage);
    return h;
}

std::string WeekdayName(int weekday, bool full) {
    if (weekday < 1 || weekday > 7) return {};
    return LoadResString((full ? 1210 : 1200) + weekday);
}
