// Small builders for appointment records in the store tests.
#pragma once
#include "store/ClsListe.h"

#include <string>
#include <vector>

inline Termin MachTermin(int j, int m, int t, int h, int mi, int endeH, int endeMi, uint16_t flags = 0,
                         const std::string& text = "") {
    Termin r;
    r.Start = MachZeitpunkt(j, m, t, h, mi);
    r.Ende = MachZeitpunkt(j, m, t, endeH, endeMi);
    r.Flags = flags;
    r.SetzeKurzbeschr(text);
    return r;
}

// A yearly master: its end holds the year step 1-0-0 with the end time.
inline Termin MachJahresMaster(int j, int m, int t, int h, int mi, int endeH, int endeMi, const std::string& text,
                               uint16_t id = 0) {
    Termin r = MachTermin(j, m, t, h, mi, endeH, endeMi, FlagJaehrlich, text);
    r.Ende = MachZeitpunkt(1, 0, 0, endeH, endeMi);
    r.Id = id;
    return r;
}

// Short texts of the whole collection in slot order.
inline std::vector<std::string> Texte(ClsListe& l) {
    std::vector<std::string> out;
    for (int i = 0; i < l.Anzahl(); ++i) out.push_back(l.Satz(i).Kurzbeschr);
    return out;
}
