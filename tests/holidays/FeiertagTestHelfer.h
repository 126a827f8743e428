// Building holiday tables and scratch files for the holiday tests.
#pragma once
#include "holidays/FeiertagTabelle.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
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

// Replaces the process-wide table; the next lookup recomputes it.
inline void SetzeTabelle(std::initializer_list<EintragDaten> eintraege) {
    FeiertagTabelle& t = Feiertage();
    t = FeiertagTabelle{};
    int i = 0;
    for (const auto& d : eintraege) t.Eintrag[i++] = MachEintrag(d);
    FeiertageGeaendert();
}

inline std::string LeseDatei(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void SchreibeDatei(const std::string& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh directory under /tmp, removed with its files at the end of the test.
class TempDir {
public:
    TempDir() {
        char muster[] = "/tmp/ordivo-holidays-XXXXXX";
        pfad_ = mkdtemp(muster) ? muster : "";
    }
    ~TempDir() {
        std::error_code ignoriert;
        if (!pfad_.empty()) std::filesystem::remove_all(pfad_, ignoriert);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Datei(const std::string& name) const { return pfad_ + "/" + name; }
    bool Ok() const { return !pfad_.empty(); }

private:
    std::string pfad_;
};
