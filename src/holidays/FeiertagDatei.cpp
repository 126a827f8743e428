// Reading and writing ORDIVO.PHD with the C runtime; no Win32 needed.
#include "holidays/FeiertagDatei.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "holidays/FeiertagTabelle.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
constexpr size_t KopfGroesse = 16;
constexpr unsigned char Kopf[KopfGroesse] = {'o', 'r', 'd', 'h', 'd', 0, 530 & 0xFF, 530 >> 8};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool SchreibeDatei(const FeiertagTabelle& tabelle, const std::string& pfad) {
    std::FILE* raw = std::fopen(pfad.c_str(), "wb");
    if (!raw) return false;
    File f(raw);
    const bool ok = std::fwrite(Kopf, 1, KopfGroesse, raw) == KopfGroesse &&
                    std::fwrite(&tabelle, 1, sizeof tabelle, raw) == sizeof tabelle;
    return std::fclose(f.release()) == 0 && ok;
}
}  // namespace

bool LadeFeiertage(Feiertage& feiertage, const std::string& pfad) {
    // Opened for reading only, so that a write-protected program directory still
    // shows its holidays.
    File f(std::fopen(pfad.c_str(), "rb"));
    if (!f) return false;
    unsigned char puffer[KopfGroesse + sizeof(FeiertagTabelle)];
    const size_t gelesen = std::fread(puffer, 1, sizeof puffer, f.get());
    if (gelesen > KopfGroesse)
        std::memcpy(&feiertage.Tabelle, puffer + KopfGroesse, gelesen - KopfGroesse);
    feiertage.Geaendert();
    return true;
}

bool SpeichereFeiertage(const FeiertagTabelle& tabelle, const std::string& pfad) {
    const std::string neu = pfad + ".new";
    if (!SchreibeDatei(tabelle, neu)) {
        std::remove(neu.c_str());
        return false;
    }
    if (std::rename(neu.c_str(), pfad.c_str()) == 0) return true;
    // The Windows C runtime does not rename over an existing file.
    std::remove(pfad.c_str());
    return std::rename(neu.c_str(), pfad.c_str()) == 0;
}

std::string FeiertagDateiPfad(const std::string& programmPfad) {
    const size_t schnitt = programmPfad.find_last_of("\\/");
    if (schnitt == std::string::npos) return "ORDIVO.PHD";
    return programmPfad.substr(0, schnitt + 1) + "ORDIVO.PHD";
}

bool LadeFeiertageBeimStart(Feiertage& feiertage, const std::string& programmPfad) {
    if (LadeFeiertage(feiertage, FeiertagDateiPfad(programmPfad))) return true;
    Message(IDS_FEIERTAGSDATEI_FEHLT, IDS_TITEL_FEHLER, Mb::IconExclamation | Mb::TaskModal);
    return false;
}
