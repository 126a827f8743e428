// DateiSchreiber: a 256 KiB buffer in front of an unbuffered stdio file.
#include "store/DateiSchreiber.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

#include <cerrno>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr size_t PufferGroesse = 256 * 1024;
int fehlerNach = 0;  // the seam's countdown; 0 = off

bool SeamSchlaegtZu() {
    if (fehlerNach <= 0) return false;
    return --fehlerNach == 0;
}

bool Umbenennen(const char* von, const char* nach) { return std::rename(von, nach) == 0; }
DateiErsetzer ersetzer = Umbenennen;

// The written bytes on the disk before the file takes the place of the previous version.
// A device that cannot be synced (EINVAL) has nothing to wait for.
bool AufPlatte(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0 || errno == EINVAL;
#endif
}
}  // namespace

void DateiSchreiber::FehlerBeiVorgang(int n) { fehlerNach = n; }
void SetzeDateiErsetzer(DateiErsetzer e) { ersetzer = e ? e : Umbenennen; }

void MeldeSchreibfehler(const std::string& pfad) {
    GetHost().MessageText(Format(LoadResString(IDS_SCHREIBFEHLER), pfad.c_str()), "Ordivo",
                          Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
}

bool DateiSchreiber::Ersetze(const std::string& von, const std::string& nach) {
    return !SeamSchlaegtZu() && ersetzer(von.c_str(), nach.c_str());
}

DateiSchreiber::~DateiSchreiber() {
    if (datei_) std::fclose(datei_);
}

bool DateiSchreiber::Erzeuge(const std::string& pfad, const std::string& meldeName) {
    if (datei_) std::fclose(datei_);
    meldeName_ = meldeName.empty() ? pfad : meldeName;
    ok_ = true;
    datei_ = std::fopen(pfad.c_str(), "wb");
    if (!datei_) return ok_ = false;
    std::setvbuf(datei_, nullptr, _IONBF, 0);
    puffer_.clear();
    try {
        puffer_.reserve(PufferGroesse);
    } catch (...) {
        // Without the buffer every write goes straight to the file.
    }
    return true;
}

bool DateiSchreiber::Fehler() {
    if (ok_) {
        ok_ = false;
        MeldeSchreibfehler(meldeName_);
    }
    return false;
}

bool DateiSchreiber::Leere() {
    if (puffer_.empty()) return ok_;
    const bool geschrieben = std::fwrite(puffer_.data(), 1, puffer_.size(), datei_) == puffer_.size();
    puffer_.clear();
    return geschrieben ? ok_ : Fehler();
}

bool DateiSchreiber::Schreibe(const void* daten, size_t n) {
    if (!datei_ || !ok_) return false;
    if (SeamSchlaegtZu()) return Fehler();
    if (puffer_.size() + n > puffer_.capacity() && !Leere()) return false;
    if (n > puffer_.capacity()) {
        return std::fwrite(daten, 1, n, datei_) == n ? true : Fehler();
    }
    const char* p = static_cast<const char*>(daten);
    puffer_.insert(puffer_.end(), p, p + n);
    return true;
}

bool DateiSchreiber::Schliessen() {
    if (!datei_) return false;
    if (ok_ && SeamSchlaegtZu()) Fehler();
    if (ok_) Leere();
    if (ok_ && !AufPlatte(datei_)) Fehler();
    const bool zu = std::fclose(datei_) == 0;
    datei_ = nullptr;
    if (!zu) Fehler();
    return ok_;
}
