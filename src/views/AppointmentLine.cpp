// Appointment colours, markers and text cutting of the painters.
#include "views/AppointmentLine.h"

#include "settings/ColourTable.h"
#include "views/HitGrid.h"

const char* const MarkerOne = " \xB2)";
const char* const MarkerBoth = " \xB9\xB2)";

Rgb ViewColour(ViewTarget target, Rgb colour) {
    switch (target) {
    case ViewTarget::PrintDayBlack:
    case ViewTarget::PrintWeekBlack:
    case ViewTarget::PrintBlack:
    case ViewTarget::PrintMonthBlack: return Rgb{};
    default: return colour;
    }
}

Rgb AppointmentColour(const ColourTable& farben, const Termin& t, const Zeitpunkt& jetzt) {
    if (IsDrawnDone(t, jetzt) != 0) return farben.Colour(RoleTermineErledigt);
    return farben.Colour(RoleTermineNormal + t.Prioritaet());
}

bool HasLongText(const Termin& t) { return !t.Beschr.empty() && t.Beschr[0] != '\0'; }
bool HasAddress(const Termin& t) { return t.AdrId != 0; }

std::string Markers(const Termin& t) {
    if (!HasLongText(t) && !HasAddress(t)) return {};
    std::string m = " ";
    if (HasLongText(t)) m += '\xB9';
    if (HasAddress(t)) m += '\xB2';
    return m + ")";
}

std::string FitText(Canvas& canvas, const FontSpec& font, const std::string& text, int maxWidth) {
    if (canvas.MeasureText(text, font).Cx <= maxWidth) return text;
    size_t fits = 0, tooLong = text.size();  // prefix lengths known to fit / not to fit
    while (tooLong - fits > 1) {
        const size_t mid = fits + (tooLong - fits) / 2;
        if (canvas.MeasureText(text.substr(0, mid), font).Cx <= maxWidth) fits = mid;
        else tooLong = mid;
    }
    return text.substr(0, fits);
}

int32_t SlotIndex(ClsListe& liste, const Termin* t) {
    if (!t || liste.Anzahl() == 0) return HitEntry::NoAppointment;
    const Termin* first = &liste.Satz(0);
    if (t < first || t >= first + liste.Anzahl()) return HitEntry::NoAppointment;
    return int32_t(t - first);
}
