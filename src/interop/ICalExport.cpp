// Writer of the iCalendar export.
#include "interop/ICalExport.h"

#include "core/TextFormat.h"
#include "interop/Inhaltszeile.h"
#include "interop/Zeichensatz.h"

#include <map>

int ICalPrioritaet(int prioritaet) {
    static const int Werte[4] = {5, 9, 3, 1};
    return Werte[prioritaet & 3];
}

namespace {
std::string Datum(const Zeitpunkt& z) { return Format("%04d%02d%02d", z.Jahr, z.Monat, z.Tag); }
std::string DatumZeit(const Zeitpunkt& z) {
    return Datum(z) + Format("T%02d%02d00", z.Stunde, z.Minute);
}
std::string Text(const std::string& ansi) { return WertAusText(Utf8AusAnsi(ansi)); }

// FNV-1a of the short text: the UID stays when only other fields change.
uint32_t Streuwert(const char* s) {
    uint32_t h = 2166136261u;
    for (; *s; ++s) h = (h ^ static_cast<unsigned char>(*s)) * 16777619u;
    return h;
}

// The signed lead time as a duration: warning before the start gives "-PT15M".
std::string Vorlauf(const Zeitpunkt& start, const Zeitpunkt& warnung) {
    const int64_t diff = int64_t(ToMinutes(warnung)) - int64_t(ToMinutes(start));
    return Format("%sPT%lldM", diff < 0 ? "-" : "", static_cast<long long>(diff < 0 ? -diff : diff));
}

void SchreibeTermin(ZeilenSchreiber& w, const Termin& t, const std::string& uid, const std::string& stempel,
                    const std::string& serie, ClsAdrListe& adressen) {
    w.Zeile("BEGIN", "VEVENT");
    w.Zeile("UID", uid);
    w.Zeile("DTSTAMP", stempel);
    if (t.Hat(FlagOhneZeit)) {
        w.Zeile("DTSTART;VALUE=DATE", Datum(t.Start));
    } else {
        w.Zeile("DTSTART", DatumZeit(t.Start));
        Zeitpunkt ende = t.Start;
        ende.Stunde = t.Ende.Stunde;
        ende.Minute = t.Ende.Minute;
        if (!t.Hat(FlagOhneEnde) && t.Start < ende) w.Zeile("DTEND", DatumZeit(ende));
    }
    if (t.IstJahresMaster()) w.Zeile("RRULE", "FREQ=YEARLY");
    if (!serie.empty()) w.Zeile("RELATED-TO", serie);
    w.Zeile("SUMMARY", Text(t.Kurzbeschr));
    if (!t.Beschr.empty()) w.Zeile("DESCRIPTION", Text(t.Beschr));
    w.Zeile("PRIORITY", Format("%d", ICalPrioritaet(t.Prioritaet())));
    if (const Adresse* a = t.AdrId ? adressen.Finde(t.AdrId) : nullptr)
        w.Zeile("CONTACT", Text(ClsAdrListe::Zeile(*a, true)));
    // VEVENT has no completion status of its own.
    if (t.Hat(FlagErledigt)) w.Zeile("X-ORDIVO-ERLEDIGT", "TRUE");
    if (t.Hat(FlagManuellErledigt)) w.Zeile("X-ORDIVO-VON-HAND", "TRUE");
    // A yearly master's copies warn by VorwarnBasis; its own warning is gone once answered.
    const Zeitpunkt& warnung = t.IstJahresMaster() ? t.VorwarnBasis : t.Vorwarnung;
    if (warnung.Jahr > 0) {
        w.Zeile("BEGIN", "VALARM");
        w.Zeile("ACTION", "DISPLAY");
        w.Zeile("DESCRIPTION", Text(t.Kurzbeschr[0] ? t.Kurzbeschr : "Ordivo"));
        w.Zeile("TRIGGER", Vorlauf(t.Start, warnung));
        w.Zeile("END", "VALARM");
    }
    w.Zeile("END", "VEVENT");
}
}  // namespace

std::string ICalAusListe(ClsListe& liste, ClsAdrListe& adressen, const Zeitpunkt& stempelUtc) {
    ZeilenSchreiber w;
    w.Zeile("BEGIN", "VCALENDAR");
    w.Zeile("VERSION", "2.0");
    w.Zeile("PRODID", "-//Ordivo//Ordivo//DE");
    w.Zeile("CALSCALE", "GREGORIAN");
    const std::string stempel = DatumZeit(stempelUtc) + "Z";

    // A series' stem: its number and the start of its first member.
    std::map<uint16_t, std::string> serien;
    for (int i = 0; i < liste.Anzahl(); ++i) {
        const Termin& t = liste.Satz(i);
        if (t.Id != 0 && !t.Hat(FlagJaehrlich) && !serien.count(t.Id))
            serien[t.Id] = Format("ordivo-serie-%u-", unsigned(t.Id)) + DatumZeit(t.Start) + "@ordivo";
    }
    std::map<std::string, int> vergeben;  // equal starts and texts get a running number
    for (int i = 0; i < liste.Anzahl(); ++i) {
        const Termin& t = liste.Satz(i);
        if (t.Hat(FlagJahresKopie)) continue;
        std::string uid = t.IstJahresMaster() ? Format("ordivo-jaehrlich-%u-%08x", unsigned(t.Id), Streuwert(t.Kurzbeschr))
                                              : "ordivo-" + DatumZeit(t.Start) + Format("-%08x", Streuwert(t.Kurzbeschr));
        const int n = vergeben[uid]++;
        if (n > 0) uid += Format("-%d", n + 1);
        const auto s = serien.find(t.Id);
        SchreibeTermin(w, t, uid + "@ordivo", stempel, s != serien.end() && !t.Hat(FlagJaehrlich) ? s->second : "",
                       adressen);
    }
    w.Zeile("END", "VCALENDAR");
    return w.Text();
}
