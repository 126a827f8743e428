// The performance figures of a large calendar, side by side in one run: 100,000 appointments
// (5 % yearly masters, so 95,000 copies more in memory) and 5,000 addresses, measured against
// the I/O floor, against std::sort and against libical parsing the same appointments as the
// program's iCalendar export writes them.
// Prints each figure and, last, one line of ratios.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "drawing/Canvas.h"
#include "holidays/FeiertagTabelle.h"
#include "interop/ICalExport.h"
#include "reminders/VorwarnPlaner.h"
#include "settings/Settings.h"
#include "store/JahresKopien.h"
#include "store/Suche.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "views/CalendarPaint.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#ifdef ORDIVO_LIBICAL
#include <libical/ical.h>
#endif

namespace {
constexpr int Termine = 100000, Adressen = 5000, JaehrlichJeder = 20;

using Uhr = std::chrono::steady_clock;

// Best of `runs` wall-clock times of `f`, in milliseconds.
double Best(int runs, const std::function<void()>& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Uhr::now();
        f();
        best = std::min(best, std::chrono::duration<double, std::milli>(Uhr::now() - t0).count());
    }
    return best;
}

// A line of /proc/self/status in KiB: "VmRSS:" now, "VmHWM:" the peak since the last reset.
long StatusKiB(const char* feld) {
    long kib = 0;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char zeile[256];
        const size_t n = std::strlen(feld);
        while (std::fgets(zeile, sizeof zeile, f))
            if (std::strncmp(zeile, feld, n) == 0) kib = std::atol(zeile + n);
        std::fclose(f);
    }
    return kib;
}

// Sets the peak to the current RSS, so that the next peak is that of what runs after.
void SetzeSpitzeZurueck() {
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

constexpr uint32_t ZehnJahre = 10 * 525949;  // minutes
const uint32_t Anfang = ToMinutes(MachZeitpunkt(1995, 1, 1, 7, 0));

// n appointments from 1995 on, one every `schritt` minutes (by default ten years' worth,
// about 28 a day at n = 100,000), in start order; every 20th a yearly master; texts of
// several lengths, every 50th with a long description.
void Fuelle(ClsListe& liste, int n, uint32_t schritt = 0) {
    liste.Leeren();
    liste.Reserviere(n + JahresKopienAnzahl * (n / JaehrlichJeder) + 51);
    liste.Laedt = true;
    if (schritt == 0) schritt = ZehnJahre / uint32_t(n);
    for (int i = 0; i < n; ++i) {
        Termin t;
        t.Start = FromMinutes(Anfang + uint32_t(i) * schritt);
        t.Ende = t.Start;
        t.Ende.Stunde = int8_t(std::min(23, t.Start.Stunde + 1));
        t.SetzePrioritaet(i % 4);
        t.SetzeKurzbeschr("Termin " + std::to_string(i) + std::string(size_t(i % 30), 'x'));
        if (i % 50 == 0) t.Beschr = std::string(size_t(100 + i % 400), 'b');
        if (i % 7 == 0) t.Vorwarnung = FromMinutes(ToMinutes(t.Start) - 15);
        if (i % JaehrlichJeder == 0) {
            t.Flags = FlagJaehrlich;
            t.Id = uint16_t(2 + i / JaehrlichJeder);
            t.Ende = MachZeitpunkt(1, 0, 0, t.Ende.Stunde, t.Ende.Minute);
        }
        liste.Anhaengen(std::move(t));
    }
    liste.Laedt = false;
}

void FuelleAdressen(ClsAdrListe& adressen) {
    adressen.Initialisieren();
    for (int i = 0; i < Adressen; ++i) {
        Adresse a;
        Adresse::Setze(a.FIRMA, "Firma " + std::to_string(i));
        Adresse::Setze(a.NAME1, "Name " + std::to_string(i));
        Adresse::Setze(a.SORT, "S" + std::to_string(100000 + i));
        a.ID = uint16_t(i + 1);
        if (i % 10 == 0) a.BEMERK = std::string(300, 'r');
        adressen.EinfuegenSortiert(a);
    }
}

std::string LiesAlles(const std::string& pfad) {
    std::string bytes;
    if (std::FILE* f = std::fopen(pfad.c_str(), "rb")) {
        std::fseek(f, 0, SEEK_END);
        bytes.resize(size_t(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        bytes.resize(std::fread(&bytes[0], 1, bytes.size(), f));
        std::fclose(f);
    }
    return bytes;
}

void SchreibAlles(const std::string& pfad, const std::string& bytes) {
    if (std::FILE* f = std::fopen(pfad.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fflush(f);
        std::fclose(f);
    }
}

// A canvas that draws nothing: the paint walk without GDI.
class LeereLeinwand : public Canvas {
public:
    int UnitX() const override { return 1; }
    int UnitY() const override { return 1; }
    TextSize MeasureText(const std::string& text, const FontSpec& font) override {
        return TextSize{int(text.size()) * std::max(1, font.Height / 2), font.Height};
    }
    int FontAscent(const FontSpec& font) override { return font.Height * 4 / 5; }
    void DrawText(int, int, const std::string&, const TextStyle&) override {}
    void Line(int, int, int, int, const PenSpec&) override {}
    void Rectangle(int, int, int, int, const PenSpec&) override {}
    void FillRect(int, int, int, int, Rgb) override {}
    void FloodFill(int, int, Rgb, Rgb) override {}
};

// Best time of painting the month of the middle appointment of a list of n appointments, as
// densely packed as the 100,000 of the large calendar: both months show full cells, so the
// two figures differ only by the size of the collection the walk runs through.
double MonatMalen(int n) {
    Dokument doc;
    const uint32_t schritt = ZehnJahre / Termine;
    Fuelle(doc.Liste, n, schritt);
    ErzeugeJahresKopien(doc.Liste);
    Feiertage feiertage;
    Settings settings;
    settings.Mode = ViewMode::Month;
    ViewState view;
    const Zeitpunkt mitte = FromMinutes(Anfang + uint32_t(n / 2) * schritt);
    view.Selected = SelectedDate{mitte.Jahr, mitte.Monat, 15};
    PaintContext ctx{doc.Liste, feiertage, settings, view};
    LeereLeinwand leinwand;
    return Best(200, [&] { PaintCalendarView(ctx, leinwand, ClientRect{0, 0, 1000, 700}); });
}

class StilleAnzeige : public VorwarnAnzeige {
public:
    void Hinweis(int) override {}
    void Ton(const std::string&) override {}
    void Uhr(const std::string&) override {}
    void Neuzeichnen() override {}
    bool DialogOffen() const override { return false; }
};

void Zeile(const char* was, double ms) { std::printf("%-44s %10.2f ms\n", was, ms); }
}  // namespace

int main() {
    FakeHost host;
    host.now = LocalTime{2026, 12, 5, 12, 0, 0};
    TempDir dir;
    const std::string pfad = dir.Datei("gross.odv"), kopie = dir.Datei("kopie.odv");

    Dokument quelle;
    Fuelle(quelle.Liste, Termine);
    ErzeugeJahresKopien(quelle.Liste);  // as in a saved calendar: the header carries the capacity hint
    FuelleAdressen(quelle.AdrListe);
    if (!SchreibeDatei(quelle, pfad, ModusKalender)) {
        std::fprintf(stderr, "cannot write %s\n", pfad.c_str());
        return 1;
    }
    const std::string bytes = LiesAlles(pfad);
    std::printf("file: %d appointments (%d yearly), %d addresses, %zu bytes\n", Termine, Termine / JaehrlichJeder,
                Adressen, bytes.size());

    const double lesen = Best(5, [&] { LiesAlles(pfad); });
    malloc_trim(0);  // memory freed by the set-up goes back, so the load's growth shows in full
    SetzeSpitzeZurueck();
    const long rssVorher = StatusKiB("VmRSS:");
    Dokument doc;
    double laden = 1e300, bytesJeTermin = 0;
    for (int i = 0; i < 10; ++i) {
        doc.Dateiname = pfad;  // the load writes it in capitals, which Linux does not find again
        doc.Liste.Leeren();
        doc.AdrListe.Leeren();
        bool ok = true;
        laden = std::min(laden, Best(1, [&] { ok = doc.Laden() == Ladeausgang::Ok; }));
        if (!ok) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        if (i == 0) bytesJeTermin = double(StatusKiB("VmHWM:") - rssVorher) * 1024.0 / doc.Liste.Anzahl();
    }
    const double speichern = Best(5, [&] { SchreibeDatei(doc, kopie, ModusKalender); });
    const double schreiben = Best(5, [&] { SchreibAlles(kopie, bytes); });

    // Yearly copies against sorting as many records.
    ClsListe masterListe;
    Fuelle(masterListe, Termine);
    std::vector<Termin> sortiert;
    for (int i = 0; i < doc.Liste.Anzahl(); ++i) sortiert.push_back(doc.Liste.Satz(i));
    double erzeugen = 1e300;
    for (int i = 0; i < 3; ++i) {
        Fuelle(masterListe, Termine);
        erzeugen = std::min(erzeugen, Best(1, [&] { ErzeugeJahresKopien(masterListe); }));
    }
    std::mt19937 zufall(7);
    const double sortieren = Best(3, [&] {
        std::vector<Termin> v = sortiert;
        std::shuffle(v.begin(), v.end(), zufall);
        std::stable_sort(v.begin(), v.end(),
                         [](const Termin& a, const Termin& b) { return CompareZeitpunkt(a.Start, b.Start) < 0; });
    });

    const double malen1k = MonatMalen(1000), malen100k = MonatMalen(Termine);

    StilleAnzeige anzeige;
    AlarmSound toene[AlarmKindCount];
    VorwarnPlaner planer(doc.Liste, host, anzeige, toene);
    Termin neu;
    neu.Start = MachZeitpunkt(2026, 12, 24, 18, 0);
    neu.Ende = neu.Start;
    neu.Vorwarnung = MachZeitpunkt(2026, 12, 24, 17, 0);
    neu.SetzeKurzbeschr("Bescherung");
    const double einfuegen = Best(5, [&] {
        doc.Liste.Einfuegen(neu);
        planer.PlaneVorwarnungen();
        doc.Liste.LoescheAktuell();
    });
    const double suchen = Best(3, [&] { Suche(doc.Liste, "Termin 4711", true); });
    // A yearly master changed as the dialogs change it: replaced, then its 19 copies renewed.
    const double jahresMaster = Best(5, [&] {
        int m = 0;
        while (!doc.Liste.Satz(m).IstJahresMaster()) ++m;
        Termin t = doc.Liste.Satz(m);
        t.Start.Minute = int8_t(t.Start.Minute ^ 1);
        doc.Liste.SetzeAktuell(&doc.Liste.Satz(m));
        doc.Liste.LoescheAktuell();
        doc.Liste.Einfuegen(t);
        ErneuereKopien(doc.Liste, t.Id, t);
    });

    double libical = 0;
#ifdef ORDIVO_LIBICAL
    // As the program's own export writes it: every field of every appointment.
    const std::string ics = ICalAusListe(doc.Liste, doc.AdrListe, MachZeitpunkt(2026, 12, 5, 11, 0));
    libical = Best(5, [&] {
        icalcomponent* c = icalparser_parse_string(ics.c_str());
        icalcomponent_free(c);
    });
#endif

    Zeile("read the file's bytes (floor)", lesen);
    Zeile("load", laden);
    Zeile("save", speichern);
    Zeile("write the same bytes (floor)", schreiben);
    Zeile("yearly-copy generation", erzeugen);
    Zeile("std::stable_sort of as many records", sortieren);
    Zeile("month paint walk, 1,000 appointments", malen1k);
    Zeile("month paint walk, 100,000 appointments", malen100k);
    Zeile("insert one appointment + replan warnings", einfuegen);
    Zeile("search over all short texts", suchen);
    Zeile("change of a yearly master with its copies", jahresMaster);
    if (libical > 0) Zeile("libical parses the same as the .ics export", libical);
    else std::printf("libical: not built in (install libical-dev)\n");
    std::printf("%-44s %10.0f bytes\n", "peak RSS growth of the load per record", bytesJeTermin);
    std::printf("ratios load/read=%.1f libical/load=%.1f save/write=%.1f gen/sort=%.2f paint100k/paint1k=%.2f "
                "bytes/appt=%.0f\n",
                laden / lesen, libical / laden, speichern / schreiben, erzeugen / sortieren, malen100k / malen1k,
                bytesJeTermin);
    return 0;
}
