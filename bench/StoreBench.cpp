// Benchmarks of the collection at 1,000 / 10,000 / 100,000 appointments: insert, a month of
// Hole, the overlap scan and yearly-copy generation (against sorting as many records).
#include "store/ClsListe.h"
#include "store/JahresKopien.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {
// n records spread over 1995-2004, 1,440 minutes apart, every 20th a yearly master.
void Fuelle(ClsListe& liste, int n, bool mitMastern) {
    liste.Leeren();
    liste.Reserviere(n + JahresKopienAnzahl * (n / 20) + 51);
    liste.Laedt = true;
    const uint32_t anfang = ToMinutes(MachZeitpunkt(1995, 1, 1, 8, 0));
    const uint32_t schritt = uint32_t(int64_t(10) * 525949 / n);
    for (int i = 0; i < n; ++i) {
        Termin t;
        t.Start = FromMinutes(anfang + uint32_t(i) * schritt);
        t.Ende = t.Start;
        t.Ende.Stunde = int8_t((t.Start.Stunde + 1) % 24);
        if (mitMastern && i % 20 == 0) {
            t.Flags = FlagJaehrlich;
            t.Id = uint16_t(2 + i / 20);
        }
        liste.Anhaengen(t);
    }
    liste.Laedt = false;
}

Termin Zufall(std::mt19937& z) {
    Termin t;
    t.Start = FromMinutes(ToMinutes(MachZeitpunkt(1995, 1, 1)) + z() % (10u * 525949u));
    t.Ende = t.Start;
    return t;
}

void BM_Einfuegen(benchmark::State& state) {
    ClsListe liste;
    Fuelle(liste, int(state.range(0)), false);
    std::mt19937 z(1);
    for (auto _ : state) {
        const Termin t = Zufall(z);
        liste.Einfuegen(t);
        state.PauseTiming();
        liste.Erster();
        while (CompareZeitpunkt(liste.Aktuell()->Start, t.Start) != 0) liste.Naechster();
        liste.LoescheAktuell();
        state.ResumeTiming();
    }
}

void BM_HoleMonat(benchmark::State& state) {
    ClsListe liste;
    Fuelle(liste, int(state.range(0)), false);
    int gelesen = 0;
    for (auto _ : state) {
        liste.MerkePosition();
        liste.Erster();
        for (int tag = 1; tag <= 30; ++tag) {
            Termin out;
            out.Start = MachZeitpunkt(2000, 6, tag);
            while (liste.Hole(out, true)) {
                ++gelesen;
                out.Start = MachZeitpunkt(2000, 6, tag);
            }
        }
        liste.HolePosition();
    }
    benchmark::DoNotOptimize(gelesen);
}

void BM_PruefeUeberschneidung(benchmark::State& state) {
    ClsListe liste;
    Fuelle(liste, int(state.range(0)), false);
    Termin neu;
    neu.Start = MachZeitpunkt(2010, 1, 1, 8, 0);  // after all records: a full scan, no message
    neu.Ende = MachZeitpunkt(2010, 1, 1, 9, 0);
    for (auto _ : state) benchmark::DoNotOptimize(liste.PruefeUeberschneidung(neu));
}

void BM_JahresKopien(benchmark::State& state) {
    ClsListe liste;
    for (auto _ : state) {
        state.PauseTiming();
        Fuelle(liste, int(state.range(0)), true);
        state.ResumeTiming();
        ErzeugeJahresKopien(liste);
    }
    state.counters["Kopien"] = double(state.range(0) / 20 * JahresKopienAnzahl);
}

// Reference: sorting as many records as the generation adds.
void BM_SortiereKopienZahl(benchmark::State& state) {
    std::mt19937 z(2);
    std::vector<Termin> vorlage;
    for (int i = 0; i < state.range(0) / 20 * JahresKopienAnzahl; ++i) vorlage.push_back(Zufall(z));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Termin> v = vorlage;
        state.ResumeTiming();
        std::stable_sort(v.begin(), v.end(),
                         [](const Termin& a, const Termin& b) { return SortKey(a.Start) < SortKey(b.Start); });
    }
}
}  // namespace

BENCHMARK(BM_Einfuegen)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_HoleMonat)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_PruefeUeberschneidung)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_JahresKopien)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortiereKopienZahl)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
