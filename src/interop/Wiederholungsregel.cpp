// Expansion of recurrence rules period by period: the candidates of each day, week, month
// or year are made in order and filtered by the BY parts.
#include "interop/Wiederholungsregel.h"

#include "interop/Inhaltszeile.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <utility>

namespace {
const char* const Tage[7] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

bool Zahl(const std::string& s, int& out, int von, int bis) {
    if (s.empty() || s.size() > 6) return false;
    char* ende = nullptr;
    const long n = std::strtol(s.c_str(), &ende, 10);
    if (*ende || n < von || n > bis) return false;
    out = int(n);
    return true;
}

bool Liste(const std::string& s, std::vector<int>& out, int von, int bis) {
    for (const std::string& t : TeileWert(s, ',')) {
        int n;
        if (!Zahl(t, n, von, bis) || n == 0) return false;
        out.push_back(n);
    }
    return true;
}

bool Enthaelt(const std::vector<int>& v, int n) { return std::find(v.begin(), v.end(), n) != v.end(); }
}  // namespace

int NterWochentag(int jahr, int monat, int n, int wochentag) {
    const int laenge = TageImMonat(jahr, monat);
    if (n > 0) {
        const int erster = 1 + (wochentag - Wochentag(jahr, monat, 1) + 7) % 7;
        const int tag = erster + 7 * (n - 1);
        return tag <= laenge ? tag : 0;
    }
    const int letzter = laenge - (Wochentag(jahr, monat, laenge) - wochentag + 7) % 7;
    const int tag = letzter + 7 * (n + 1);
    return tag >= 1 ? tag : 0;
}

bool Wiederholungsregel::Lies(const std::string& wert) {
    bool hatFreq = false;
    for (const std::string& teil : TeileWert(wert, ';')) {
        const size_t gleich = teil.find('=');
        if (gleich == std::string::npos) return false;
        const std::string name = Gross(teil.substr(0, gleich)), w = Gross(teil.substr(gleich + 1));
        if (name == "FREQ") {
            static const char* const Arten[4] = {"DAILY", "WEEKLY", "MONTHLY", "YEARLY"};
            const auto* a = std::find(Arten, Arten + 4, w);
            if (a == Arten + 4) return false;
            Freq = Art(a - Arten);
            hatFreq = true;
        } else if (name == "INTERVAL") {
            if (!Zahl(w, Intervall, 1, 1000)) return false;
        } else if (name == "COUNT") {
            if (!Zahl(w, Anzahl, 1, 1000000)) return false;
        } else if (name == "UNTIL") {
            if (!LiesICalZeit(w, Bis)) return false;
            HatBis = true;
        } else if (name == "BYMONTHDAY") {
            if (!Liste(w, ByMonthDay, -31, 31)) return false;
        } else if (name == "BYMONTH") {
            if (!Liste(w, ByMonth, 1, 12)) return false;
        } else if (name == "BYDAY") {
            for (const std::string& t : TeileWert(w, ',')) {
                if (t.size() < 2) return false;
                const auto* tag = std::find(Tage, Tage + 7, t.substr(t.size() - 2));
                int n = 0;
                if (tag == Tage + 7 || (t.size() > 2 && (!Zahl(t.substr(0, t.size() - 2), n, -5, 5) || n == 0)))
                    return false;
                ByDay.emplace_back(n, int(tag - Tage) + 1);
            }
        } else if (name != "WKST") {
            return false;
        }
    }
    // An ordinal weekday only within a month.
    for (const auto& d : ByDay)
        if (d.first != 0 && !(Freq == Monatlich || (Freq == Jaehrlich && !ByMonth.empty()))) return false;
    return hatFreq;
}

bool Wiederholungsregel::IstSchlichtJaehrlich(const Zeitpunkt& start) const {
    return Freq == Jaehrlich && Intervall == 1 && Anzahl == 0 && !HatBis && ByDay.empty() &&
           (ByMonth.empty() || ByMonth == std::vector<int>{start.Monat}) &&
           (ByMonthDay.empty() || ByMonthDay == std::vector<int>{start.Tag});
}

namespace {
// The days of one month that the BY parts allow, ascending; `standardTag` without any.
std::vector<int> TageImMonatNachRegel(const Wiederholungsregel& r, int jahr, int monat, int standardTag) {
    const int laenge = TageImMonat(jahr, monat);
    std::vector<int> tage;
    if (!r.ByMonthDay.empty()) {
        for (int d : r.ByMonthDay) {
            const int tag = d > 0 ? d : laenge + 1 + d;
            if (tag >= 1 && tag <= laenge) tage.push_back(tag);
        }
    }
    if (!r.ByDay.empty()) {
        std::vector<int> wt;
        for (const auto& d : r.ByDay) {
            if (d.first != 0) {
                const int tag = NterWochentag(jahr, monat, d.first, d.second);
                if (tag) wt.push_back(tag);
            } else {
                for (int tag = NterWochentag(jahr, monat, 1, d.second); tag <= laenge; tag += 7) wt.push_back(tag);
            }
        }
        if (r.ByMonthDay.empty()) {
            tage = wt;
        } else {
            std::vector<int> beide;
            for (int t : tage)
                if (Enthaelt(wt, t)) beide.push_back(t);
            tage = beide;
        }
    }
    if (r.ByMonthDay.empty() && r.ByDay.empty() && standardTag <= laenge) tage.push_back(standardTag);
    std::sort(tage.begin(), tage.end());
    tage.erase(std::unique(tage.begin(), tage.end()), tage.end());
    return tage;
}

bool TagPasst(const Wiederholungsregel& r, const Zeitpunkt& z) {
    if (!r.ByMonth.empty() && !Enthaelt(r.ByMonth, z.Monat)) return false;
    if (!r.ByMonthDay.empty()) {
        const int laenge = TageImMonat(z.Jahr, z.Monat);
        bool passt = false;
        for (int d : r.ByMonthDay) passt |= (d > 0 ? d : laenge + 1 + d) == z.Tag;
        if (!passt) return false;
    }
    if (r.ByDay.empty()) return true;
    for (const auto& d : r.ByDay)
        if (d.second == Wochentag(z.Jahr, z.Monat, z.Tag)) return true;
    return false;
}
}  // namespace

std::vector<Zeitpunkt> Entfalte(const Wiederholungsregel& r, const Zeitpunkt& start, int hoechstens,
                                const Zeitpunkt& ab, bool (*bisOk)(const Zeitpunkt&, const void*),
                                const void* kontext, bool& abgeschnitten) {
    std::vector<Zeitpunkt> out{start};
    size_t vorne = 0;  // out[vorne...] are kept
    abgeschnitten = false;
    int gezaehlt = 1;
    auto nimm = [&](const Zeitpunkt& z) {  // false: the series has ended
        if (!(start < z)) return true;
        if ((r.Anzahl && gezaehlt >= r.Anzahl) || (r.HatBis && !bisOk(z, kontext))) return false;
        if (int(out.size() - vorne) >= hoechstens) {
            abgeschnitten = true;
            if (!(out[vorne] < ab)) return false;
            ++vorne;
        }
        out.push_back(z);
        ++gezaehlt;
        return true;
    };
    auto fertig = [&] {  // without the starts that gave way
        out.erase(out.begin(), out.begin() + std::ptrdiff_t(vorne));
        return std::move(out);
    };
    auto amTag = [&](int j, int m, int t) { return MachZeitpunkt(j, m, t, start.Stunde, start.Minute); };
    const uint32_t starttag = TagToMinutes(start) / 1440;
    for (int64_t k = 0;; k += r.Intervall) {
        std::vector<Zeitpunkt> kandidaten;
        if (r.Freq == Wiederholungsregel::Taeglich) {
            const Zeitpunkt tag = TagFromMinutes(uint32_t((starttag + k) * 1440));
            if (TagPasst(r, tag)) kandidaten.push_back(amTag(tag.Jahr, tag.Monat, tag.Tag));
            if (tag.Jahr > 3999) break;
        } else if (r.Freq == Wiederholungsregel::Woechentlich) {
            const int64_t montag = starttag - (Wochentag(start.Jahr, start.Monat, start.Tag) - 1) + 7 * k;
            if (TagFromMinutes(uint32_t(montag * 1440)).Jahr > 3999) break;
            for (int wt = 1; wt <= 7; ++wt) {
                const Zeitpunkt tag = TagFromMinutes(uint32_t((montag + wt - 1) * 1440));
                const bool gewaehlt = r.ByDay.empty() ? wt == Wochentag(start.Jahr, start.Monat, start.Tag)
                                                      : TagPasst(r, tag);
                if (gewaehlt && (r.ByMonth.empty() || Enthaelt(r.ByMonth, tag.Monat)))
                    kandidaten.push_back(amTag(tag.Jahr, tag.Monat, tag.Tag));
            }
        } else if (r.Freq == Wiederholungsregel::Monatlich) {
            const int64_t index = int64_t(start.Jahr) * 12 + (start.Monat - 1) + k;
            const int j = int(index / 12), m = int(index % 12) + 1;
            if (j > 3999) break;
            if (r.ByMonth.empty() || Enthaelt(r.ByMonth, m))
                for (int t : TageImMonatNachRegel(r, j, m, start.Tag)) kandidaten.push_back(amTag(j, m, t));
        } else {
            const int j = int(start.Jahr + k);
            if (j > 3999) break;
            const std::vector<int> monate = r.ByMonth.empty() ? std::vector<int>{start.Monat} : r.ByMonth;
            for (int m = 1; m <= 12; ++m)
                if (Enthaelt(monate, m))
                    for (int t : TageImMonatNachRegel(r, j, m, start.Tag)) kandidaten.push_back(amTag(j, m, t));
        }
        for (const Zeitpunkt& z : kandidaten)
            if (!nimm(z)) return fertig();
    }
    return fertig();
}
