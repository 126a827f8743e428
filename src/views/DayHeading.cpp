// Holiday lookup and heading colour of one day.
#include "views/DayHeading.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "settings/Settings.h"
#include "holidays/FeiertagName.h"
#include "views/ViewState.h"

namespace {
FeiertagAnsicht AnsichtAus(const Settings& s) {
    FeiertagAnsicht ansicht;
    ansicht.Modus = static_cast<int>(s.Mode);
    ansicht.Day1 = SonderTag{s.Day1.Used, s.Day1.Kind ? 1 : 0};
    ansicht.Day2 = SonderTag{s.Day2.Used, s.Day2.Kind ? 1 : 0};
    return ansicht;
}
}  // namespace

DayHeading LookUpDayHeading(PaintContext& ctx, const Zeitpunkt& day) {
    const Settings& s = ctx.Config;
    const TagesName name = FeiertagName(ctx.Holidays, day.Jahr, day.Monat, day.Tag, AnsichtAus(s));
    DayHeading h;
    h.Weekday = Wochentag(day.Jahr, day.Monat, day.Tag);
    h.DayOfYear = TagDesJahres(day.Jahr, day.Monat, day.Tag);
    h.Holiday = name.Text;
    const bool red = h.Weekday == 7 || (!name.Text.empty() && name.Art == 1);
    h.Colour = s.Look.Farben.Colour(red ? RoleFeiertage : RoleWochentage);
    return h;
}

bool IsPublicHoliday(Feiertage& feiertage, const Settings& s, int jahr, int monat, int tag) {
    const TagesName name = FeiertagName(feiertage, jahr, monat, tag, AnsichtAus(s));
    return !name.Text.empty() && name.Art == 1;
}

std::string WeekdayName(int weekday, bool full) {
    if (weekday < 1 || weekday > 7) return {};
    return LoadResString((full ? IDS_MONTAG : IDS_MO) + weekday - 1);
}
