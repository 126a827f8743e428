// DateiSchreiber: a 256 KiB buffer in front of an unbuffered stdio file.
#include "store/DateiSchreiber.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

#include <cstring>

namespace {
constexpr size_t PufferGroesse = 256 * 1024;
int fehlerNach = 0;  // the seam's countdown; 0 = off

bool SeamSchlaegtZu() {
    if (fehlerNach <= 0) return false;
    return --fehlerNach == 0;
}
}  // namespace

void DateiSchreiber::FehlerBeiVorgang(int n) { fehlerNach = n; }

DateiSchreiber::~DateiSchreiber() {
    if (datei_) std::fclose(datei_);
}

bool DateiSchreiber::Erzeuge(const std::string& pfad) {
    if (datei_) std::fclose(datei_);
    pfad_ = pfad;
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
        GetHost().MessageText(Format(LoadResString(IDS_SCHREIBFEHLER), pfad_.c_str()), "Ordivo",
                              Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
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
    const bool zu = std::fclose(datei_) == 0;
    datei_ = nullptr;
    if (!zu) Fehler();
    return ok_;
}
