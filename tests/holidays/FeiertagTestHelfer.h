// Building holiday tables for the holiday and view tests.
#pragma once
#include "holidays/FeiertagTabelle.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

struct EintragDaten {
    const char* kurz;
    const char* lang;
    int16_t art;
    uint16_t regel;
    uint8_t status = FeiertagStatus::Aktiv;
    int16_t von = 1800, bis = 9999, von2 = 0, bis2 = 0;
};

inline Feiertag MachEintrag(const EintragDaten& d) {
    Feiertag e{};
    std::strncpy(e.Kurzname, d.kurz, KurznameMax);
    std::strncpy(e.Langname, d.lang, LangnameMax);
    e.Art = d.art;
    e.Regel = d.regel;
    e.Status = d.status;
    e.VonJahr = d.von;
    e.BisJahr = d.bis;
    e.VonJahr2 = d.von2;
    e.BisJahr2 = d.bis2;
    return e;
}

// Replaces the table; the next lookup recomputes it.
inline void SetzeTabelle(Feiertage& feiertage, std::initializer_list<EintragDaten> eintraege) {
    FeiertagTabelle& t = feiertage.Tabelle;
    t = FeiertagTabelle{};
    int i = 0;
    for (const auto& d : eintraege) t.Eintrag[i++] = MachEintrag(d);
    feiertage.Geaendert();
}


// A fresh holiday table per test.
class FeiertagFixture : public ::testing::Test {
protected:
    Feiertage feiertage;
};
