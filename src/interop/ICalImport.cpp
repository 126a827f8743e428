// The iCalendar import: the file's components, its time zones, then each event turned
// into one or more appointments.
#include "interop/ICalImport.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "interop/ImportFrage.h"
#include "interop/Zeichensatz.h"
#include "store/JahresKopien.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <new>
#include <set>

namespace {
struct Ereignis {
    ICalZeit Start, Ende, RecId;
    std::string StartZone, EndeZone, RecZone;
    bool HatStart = false, StartFehler = false, HatEnde = false, HatRecId = false;
    int64_t Dauer = -1;  // DURATION in minutes; -1 = none
    std::string Summary, Beschreibung, Kontakt, Uid, Verwandt, Regel;
    int Prioritaet = 0;
    bool Erledigt = false, VonHand = false, Abgesagt = false;
    bool HatAlarm = false, AlarmAmEnde = false, AlarmAbsolut = false;
    int64_t AlarmMinuten = 0;
    ICalZeit AlarmZeit;
    std::vector<std::pair<ICalZeit, std::string>> Ausnahmen;  // EXDATE with its TZID
};

std::string Ansi(const std::string& wert) { return AnsiAusUtf8(TextAusWert(wert)); }

bool LiesZeit(const Inhaltszeile& z, ICalZeit& zeit, std::string& zone) {
    zone = z.Param("TZID");
    return LiesICalZeit(z.Wert, zeit);
}

// One VALARM (its lines without BEGIN and END).
void LiesAlarm(const std::vector<Inhaltszeile>& zeilen, size_t von, size_t bis, Ereignis& e) {
    for (size_t i = von; i < bis; ++i) {
        const Inhaltszeile& z = zeilen[i];
        if (z.Name != "TRIGGER") continue;
        if (z.Param("VALUE") == "DATE-TIME") {
            e.HatAlarm = e.AlarmAbsolut = LiesICalZeit(z.Wert, e.AlarmZeit);
        } else {
            e.HatAlarm = LiesDauer(z.Wert, e.AlarmMinuten);
            e.AlarmAmEnde = z.Param("RELATED") == "END";
        }
    }
}

void LiesEigenschaft(const Inhaltszeile& z, Ereignis& e) {
    const std::string& n = z.Name;
    if (n == "DTSTART") {
        e.HatStart = true;
        e.StartFehler = !LiesZeit(z, e.Start, e.StartZone);
    } else if (n == "DTEND") {
        e.HatEnde = LiesZeit(z, e.Ende, e.EndeZone);
    } else if (n == "DURATION") {
        if (!LiesDauer(z.Wert, e.Dauer)) e.Dauer = -1;
    } else if (n == "RECURRENCE-ID") {
        e.HatRecId = LiesZeit(z, e.RecId, e.RecZone);
    } else if (n == "SUMMARY") {
        e.Summary = Ansi(z.Wert);
    } else if (n == "DESCRIPTION") {
        e.Beschreibung = Ansi(z.Wert);
    } else if (n == "CONTACT") {
        e.Kontakt = Ansi(z.Wert);
    } else if (n == "UID") {
        e.Uid = z.Wert;
    } else if (n == "RELATED-TO") {
        e.Verwandt = z.Wert;
    } else if (n == "RRULE") {
        e.Regel = z.Wert;
    } else if (n == "EXDATE") {
        for (const std::string& t : TeileWert(z.Wert, ',')) {
            ICalZeit zeit;
            if (LiesICalZeit(t, zeit)) e.Ausnahmen.emplace_back(zeit, z.Param("TZID"));
        }
    } else if (n == "PRIORITY") {
        const int p = std::atoi(z.Wert.c_str());
        e.Prioritaet = p >= 1 && p <= 2 ? 3 : p >= 3 && p <= 4 ? 2 : p >= 6 && p <= 9 ? 1 : 0;
    } else if (n == "STATUS") {
        e.Abgesagt = Gross(z.Wert) == "CANCELLED";
        e.Erledigt |= Gross(z.Wert) == "COMPLETED";
    } else if (n == "X-ORDIVO-ERLEDIGT") {
        e.Erledigt = Gross(z.Wert) == "TRUE";
    } else if (n == "X-ORDIVO-VON-HAND") {
        e.VonHand = Gross(z.Wert) == "TRUE";
    }
}

class Leser {
public:
    Leser(ClsAdrListe& adressen, const Ortszeit& ortszeit, ICalErgebnis& e)
        : adressen_(adressen), ortszeit_(ortszeit), e_(e) {}

    void Lies(const std::vector<Inhaltszeile>& zeilen);

private:
    Zeitpunkt Lokal(const ICalZeit& z, const std::string& zone, bool* ohneZone = nullptr) const;
    void Verarbeite(const Ereignis& ev);
    Termin Vorlage(const Ereignis& ev);
    static bool VorEnde(const Zeitpunkt& wand, const void* kontext);

    ClsAdrListe& adressen_;
    const Ortszeit& ortszeit_;
    ICalErgebnis& e_;
    std::map<std::string, Zeitzone> zonen_;
    std::set<std::pair<std::string, int64_t>> verschoben_;  // UID and local start of moved instances
    std::map<std::string, uint16_t> gruppen_;               // RELATED-TO stem -> series number
    uint16_t naechsteId_ = 1;
    const Ereignis* aktuell_ = nullptr;  // the event being expanded, for VorEnde
    const Wiederholungsregel* regel_ = nullptr;
};

Zeitpunkt Leser::Lokal(const ICalZeit& z, const std::string& zone, bool* ohneZone) const {
    if (z.NurDatum) return z.Wert;
    if (z.Utc) return ortszeit_.AusUtc(z.Wert);
    if (zone.empty()) return z.Wert;
    const auto it = zonen_.find(zone);
    if (it == zonen_.end()) {
        if (zone == "UTC" || zone == "Etc/UTC" || zone == "GMT") return ortszeit_.AusUtc(z.Wert);
        if (ohneZone) *ohneZone = true;
        return z.Wert;
    }
    return ortszeit_.AusUtc(it->second.NachUtc(z.Wert));
}

void Leser::Lies(const std::vector<Inhaltszeile>& zeilen) {
    // Components as line ranges; the structure must nest and close.
    struct Bereich {
        std::string Art;
        size_t Von, Bis;
    };
    std::vector<Bereich> oben;  // the components below VCALENDAR
    std::vector<std::pair<std::string, size_t>> stapel;
    bool kalender = false;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const Inhaltszeile& z = zeilen[i];
        if (z.Name == "BEGIN") {
            if (stapel.empty() && Gross(z.Wert) != "VCALENDAR") {
                e_.FehlerZeile = z.Zeile;
                return;
            }
            kalender = true;
            stapel.emplace_back(Gross(z.Wert), i);
        } else if (z.Name == "END") {
            if (stapel.empty() || stapel.back().first != Gross(z.Wert)) {
                e_.FehlerZeile = z.Zeile;
                return;
            }
            if (stapel.size() == 2) oben.push_back({stapel.back().first, stapel.back().second, i});
            stapel.pop_back();
        } else if (stapel.empty()) {
            e_.FehlerZeile = z.Zeile;
            return;
        }
    }
    if (!stapel.empty() || !kalender) {
        e_.FehlerZeile = zeilen.empty() ? 1 : zeilen.back().Zeile;
        return;
    }
    std::vector<Ereignis> ereignisse;
    for (const Bereich& b : oben) {
        if (b.Art == "VTIMEZONE") {
            Zeitzone zone;
            if (zone.Lies(std::vector<Inhaltszeile>(zeilen.begin() + long(b.Von), zeilen.begin() + long(b.Bis) + 1)))
                zonen_[zone.Tzid()] = zone;
        } else if (b.Art == "VTODO" || b.Art == "VJOURNAL") {
            ++e_.Ausgelassen[AuslassungAufgabe];
        } else if (b.Art == "VEVENT") {
            Ereignis ev;
            for (size_t i = b.Von + 1; i < b.Bis; ++i) {
                if (zeilen[i].Name != "BEGIN") {
                    LiesEigenschaft(zeilen[i], ev);
                    continue;
                }
                size_t ende = i + 1, tiefe = 1;
                for (; ende < b.Bis; ++ende) {
                    if (zeilen[ende].Name == "BEGIN") ++tiefe;
                    if (zeilen[ende].Name == "END" && --tiefe == 0) break;
                }
                if (Gross(zeilen[i].Wert) == "VALARM" && !ev.HatAlarm) LiesAlarm(zeilen, i + 1, ende, ev);
                i = ende;
            }
            ereignisse.push_back(std::move(ev));
        }
    }
    for (const Ereignis& ev : ereignisse)
        if (ev.HatRecId && ev.HatStart)
            verschoben_.insert({ev.Uid, int64_t(ToMinutes(Lokal(ev.RecId, ev.RecZone)))});
    for (const Ereignis& ev : ereignisse) Verarbeite(ev);
}

// The fields every occurrence of the event shares.
Termin Leser::Vorlage(const Ereignis& ev) {
    Termin t;
    if (ev.Summary.size() > 49) ++e_.Gekuerzt;
    t.SetzeKurzbeschr(ev.Summary);
    t.Beschr = ev.Beschreibung;
    t.SetzePrioritaet(ev.Prioritaet);
    if (ev.Erledigt) t.Flags |= FlagErledigt;
    if (ev.VonHand) t.Flags |= FlagManuellErledigt;
    if (!ev.Kontakt.empty()) {
        for (int i = 0; i < adressen_.Anzahl() && !t.AdrId; ++i) {
            const Adresse& a = adressen_.Satz(i);
            if (ClsAdrListe::Zeile(a, true) == ev.Kontakt || ClsAdrListe::Zeile(a, false) == ev.Kontakt) t.AdrId = a.ID;
        }
        if (!t.AdrId) t.Beschr += (t.Beschr.empty() ? "" : "\r\n") + Format(LoadResString(IDS_KONTAKT), ev.Kontakt.c_str());
    }
    return t;
}

bool Leser::VorEnde(const Zeitpunkt& wand, const void* kontext) {
    const Leser& l = *static_cast<const Leser*>(kontext);
    const Ereignis& ev = *l.aktuell_;
    const Wiederholungsregel& r = *l.regel_;
    if (r.Bis.NurDatum) return DatumKey(wand) <= DatumKey(r.Bis.Wert);
    const Zeitpunkt lokal = l.Lokal(ICalZeit{wand, false, ev.Start.Utc}, ev.StartZone);
    return !(l.Lokal(r.Bis, ev.StartZone) < lokal);
}

void Leser::Verarbeite(const Ereignis& ev) {
    if (ev.Abgesagt) {
        ++e_.Ausgelassen[AuslassungAbgesagt];
        return;
    }
    if (!ev.HatStart || ev.StartFehler) {
        ++e_.Ausgelassen[AuslassungOhneBeginn];
        return;
    }
    if (ev.Start.Wert.Jahr < 1800 || ev.Start.Wert.Jahr > 3999) {
        ++e_.Ausgelassen[AuslassungBereich];
        return;
    }
    bool ohneZone = false;
    const Zeitpunkt start = Lokal(ev.Start, ev.StartZone, &ohneZone);
    e_.OhneZone += ohneZone;

    std::vector<Zeitpunkt> wand{ev.Start.Wert};
    bool jaehrlich = false;
    if (!ev.Regel.empty() && !ev.HatRecId) {
        Wiederholungsregel r;
        if (!r.Lies(ev.Regel)) {
            ++e_.Ausgelassen[AuslassungRegel];
            return;
        }
        bool verschoben = false;
        for (const auto& v : verschoben_) verschoben |= v.first == ev.Uid;
        jaehrlich = r.IstSchlichtJaehrlich(ev.Start.Wert) && ev.Ausnahmen.empty() && !verschoben;
        if (!jaehrlich) {
            bool abgeschnitten = false;
            aktuell_ = &ev;
            regel_ = &r;
            Zeitpunkt vorjahr = Jetzt();  // a long-running series keeps its current part
            vorjahr.Jahr = int16_t(vorjahr.Jahr - 1);
            wand = Entfalte(r, ev.Start.Wert, MaxWiederholungen, vorjahr, &Leser::VorEnde, this, abgeschnitten);
            e_.Abgeschnitten += abgeschnitten;
        }
    }

    // Length and warning, taken from the first occurrence for all of them.
    int64_t dauer = -1;
    if (ev.HatEnde) dauer = int64_t(ToMinutes(Lokal(ev.Ende, ev.EndeZone))) - int64_t(ToMinutes(start));
    else if (ev.Dauer >= 0) dauer = ev.Dauer;
    const bool ganztag = ev.Start.NurDatum;
    const Zeitpunkt ersteEnde = Plus(start, dauer);
    const bool mitternacht = dauer > 0 && dauer <= 1440 && ersteEnde.Stunde == 0 && ersteEnde.Minute == 0;
    if (ganztag ? dauer > 1440 : dauer > 0 && DatumKey(ersteEnde) != DatumKey(start) && !mitternacht) ++e_.Mehrtaegig;
    int64_t warnung = 0;
    if (ev.HatAlarm)
        warnung = ev.AlarmAbsolut ? int64_t(ToMinutes(Lokal(ev.AlarmZeit, ""))) - int64_t(ToMinutes(start))
                                  : ev.AlarmMinuten + (ev.AlarmAmEnde && dauer > 0 ? dauer : 0);

    const Termin vorlage = Vorlage(ev);
    uint16_t id = 0;  // once the numbers run out, further series import as single records
    if (jaehrlich || wand.size() > 1) id = naechsteId_ ? naechsteId_++ : 0;
    else if (!ev.Verwandt.empty()) {
        auto g = gruppen_.emplace(ev.Verwandt, naechsteId_);
        if (g.second && naechsteId_) ++naechsteId_;
        id = g.first->second;
    }
    bool ausserhalb = false;
    for (const Zeitpunkt& w : wand) {
        const Zeitpunkt s = Lokal(ICalZeit{w, ganztag, ev.Start.Utc}, ev.StartZone);
        bool weg = verschoben_.count({ev.Uid, int64_t(ToMinutes(s))}) && !ev.HatRecId;
        for (const auto& a : ev.Ausnahmen)
            weg |= a.first.NurDatum ? DatumKey(a.first.Wert) == DatumKey(s) : Lokal(a.first, a.second) == s;
        if (weg) continue;
        if (s.Jahr < 1800 || s.Jahr > 3999) {
            ausserhalb = true;
            continue;
        }
        Termin t = vorlage;
        t.Id = id;
        t.Start = s;
        t.Ende = MachZeitpunkt(s.Jahr, s.Monat, s.Tag);
        if (ganztag) {
            t.Flags |= FlagOhneZeit | FlagOhneEnde;
        } else if (dauer <= 0) {
            t.Flags |= FlagOhneEnde;
        } else {
            const Zeitpunkt ende = Plus(s, dauer);
            if (DatumKey(ende) == DatumKey(s)) {
                t.Ende.Stunde = ende.Stunde;
                t.Ende.Minute = ende.Minute;
            } else if (dauer <= 1440 && ende.Stunde == 0 && ende.Minute == 0) {
                t.Ende.Stunde = 23;  // ends at midnight: the last minute of its day
                t.Ende.Minute = 59;
            } else {
                t.Flags |= FlagOhneEnde;
            }
        }
        if (ev.HatAlarm) t.Vorwarnung = Plus(s, warnung);
        if (jaehrlich) {
            t.Flags |= FlagJaehrlich;
            t.Ende.Jahr = 1;  // the yearly step of the record model
            t.Ende.Monat = 0;
            t.Ende.Tag = 0;
            t.VorwarnBasis = t.Vorwarnung;
        }
        e_.Termine.push_back(std::move(t));
    }
    e_.Ausgelassen[AuslassungBereich] += ausserhalb;
}
}  // namespace

ICalErgebnis LiesICal(const std::string& text, ClsAdrListe& adressen, const Ortszeit& ortszeit) {
    ICalErgebnis e;
    const Zeilenliste zl = ZerlegeZeilen(text);
    if (zl.FehlerZeile) {
        e.FehlerZeile = zl.FehlerZeile;
        return e;
    }
    Leser(adressen, ortszeit, e).Lies(zl.Zeilen);
    if (e.FehlerZeile) e.Termine.clear();
    return e;
}

std::string ICalBericht(const ICalErgebnis& e) {
    std::string text = AnzahlText(IDS_IMPORT_TERMINE, int(e.Termine.size()));
    const int texte[AuslassungArten] = {IDS_IMPORT_OHNE_BEGINN, IDS_IMPORT_BEREICH, IDS_IMPORT_REGEL,
                                        IDS_IMPORT_ABGESAGT, IDS_IMPORT_AUFGABEN};
    for (int i = 0; i < AuslassungArten; ++i)
        if (e.Ausgelassen[i]) text += "\n" + AnzahlText(texte[i], e.Ausgelassen[i]);
    if (e.Abgeschnitten) text += "\n" + AnzahlText(IDS_IMPORT_ABGESCHNITTEN, e.Abgeschnitten, MaxWiederholungen);
    if (e.Mehrtaegig) text += "\n" + AnzahlText(IDS_IMPORT_MEHRTAEGIG, e.Mehrtaegig);
    if (e.Gekuerzt) text += "\n" + AnzahlText(IDS_IMPORT_GEKUERZT, e.Gekuerzt);
    if (e.OhneZone) text += "\n" + AnzahlText(IDS_IMPORT_OHNE_ZONE, e.OhneZone);
    return text;
}

bool UebernimmTermine(ClsListe& liste, ICalErgebnis& e) {
    if (!FrageImport(IDS_TERMINE_IMPORTIEREN, int(e.Termine.size()), ICalBericht(e))) return false;
    try {
        const Zeitpunkt jetzt = Jetzt();
        Zeitpunkt vorjahr = jetzt;
        vorjahr.Jahr = int16_t(vorjahr.Jahr - 1);
        uint16_t hoechste = 0;
        for (const Termin& t : e.Termine) hoechste = std::max(hoechste, t.Id);
        const std::vector<uint16_t> frei = liste.FreieIds(hoechste);
        std::vector<Termin> alle;
        alle.reserve(e.Termine.size());
        for (Termin& t : e.Termine) {
            t.Id = t.Id && t.Id <= frei.size() ? frei[t.Id - 1] : 0;  // numbers run out: single records
            if (t.IstJahresMaster()) {
                t = MasterAb(t, vorjahr);  // an old master moves on as saving moves it, into the current years
                for (Termin& k : ErzeugeKopien(t)) alle.push_back(std::move(k));
            }
            alle.push_back(std::move(t));
        }
        // Reminders already past in the other program are not due here: each would open a notice.
        for (Termin& t : alle)
            if (t.Vorwarnung.Jahr > 0 && !(jetzt < t.Vorwarnung)) t.Vorwarnung.Jahr = 0;
        if (!liste.EinfuegenMehrere(std::move(alle))) return false;
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    MeldeImport(ICalBericht(e));
    return true;
}
