// DateiLeser: stdio file, its size taken once at opening, read through a 256 KiB buffer.
#include "store/DateiLeser.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t PufferGroesse = 256 * 1024;
}

DateiLeser::~DateiLeser() { Schliesse(); }

void DateiLeser::Schliesse() {
    if (datei_) std::fclose(datei_);
    datei_ = nullptr;
    puffer_.clear();
    pufferPos_ = 0;
    groesse_ = position_ = 0;
}

bool DateiLeser::Oeffne(const std::string& pfad) {
    Schliesse();
    datei_ = std::fopen(pfad.c_str(), "rb");
    if (!datei_) return false;
    long groesse = -1;
    if (std::fseek(datei_, 0, SEEK_END) == 0) groesse = std::ftell(datei_);
    if (groesse < 0 || std::fseek(datei_, 0, SEEK_SET) != 0) {
        Schliesse();
        return false;
    }
    groesse_ = uint64_t(groesse);
    return true;
}

bool DateiLeser::Fuelle() {
    if (!datei_) return false;
    try {
        puffer_.resize(PufferGroesse);
    } catch (...) {
        return false;
    }
    const size_t n = std::fread(puffer_.data(), 1, puffer_.size(), datei_);
    puffer_.resize(n);
    pufferPos_ = 0;
    return n > 0;
}

// Moves the unread rest to the front and reads on behind it, the buffer growing for a
// piece larger than itself.
const char* DateiLeser::NimmNachgefuellt(size_t n) {
    if (!datei_ || n > Rest()) return nullptr;
    const size_t rest = puffer_.size() - pufferPos_;
    if (rest > 0) std::memmove(puffer_.data(), puffer_.data() + pufferPos_, rest);
    pufferPos_ = 0;
    try {
        puffer_.resize(std::max(PufferGroesse, n));
    } catch (...) {
        puffer_.resize(rest);
        return nullptr;
    }
    puffer_.resize(rest + std::fread(puffer_.data() + rest, 1, puffer_.size() - rest, datei_));
    return puffer_.size() < n ? nullptr : Nimm(n);
}

size_t DateiLeser::Lies(void* ziel, size_t n) {
    char* z = static_cast<char*>(ziel);
    size_t gelesen = 0;
    while (gelesen < n) {
        if (pufferPos_ == puffer_.size() && !Fuelle()) break;
        const size_t stueck = std::min(n - gelesen, puffer_.size() - pufferPos_);
        std::memcpy(z + gelesen, puffer_.data() + pufferPos_, stueck);
        pufferPos_ += stueck;
        gelesen += stueck;
    }
    position_ += gelesen;
    return gelesen;
}

bool DateiLeser::Ueberspringe(uint64_t n) {
    if (n > Rest()) return false;
    while (n > 0) {
        if (pufferPos_ == puffer_.size() && !Fuelle()) return false;
        const size_t stueck = size_t(std::min<uint64_t>(n, puffer_.size() - pufferPos_));
        pufferPos_ += stueck;
        position_ += stueck;
        n -= stueck;
    }
    return true;
}
