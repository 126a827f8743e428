// Buffered input file for the appointment file. Reads never go past the end; Rest()
// lets the readers check declared counts against the bytes that are really there.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Outcome of reading a table: read, refused after a message already shown (memory), or
// refused because the bytes do not form a valid table.
enum class LeseErgebnis { Ok, Gemeldet, Beschaedigt };

class DateiLeser {
public:
    DateiLeser() = default;
    ~DateiLeser();
    DateiLeser(const DateiLeser&) = delete;
    DateiLeser& operator=(const DateiLeser&) = delete;

    bool Oeffne(const std::string& pfad);  // false when it cannot be opened for reading
    void Schliesse();
    // Copies up to n bytes; returns how many there were.
    size_t Lies(void* ziel, size_t n);
    bool LiesGanz(void* ziel, size_t n) { return Lies(ziel, n) == n; }
    // The next n bytes in one piece, valid until the next read or skip; null, with nothing
    // consumed, when fewer are left.
    const char* Nimm(size_t n) {
        if (puffer_.size() - pufferPos_ < n) return NimmNachgefuellt(n);
        const char* p = puffer_.data() + pufferPos_;
        pufferPos_ += n;
        position_ += n;
        return p;
    }
    bool Ueberspringe(uint64_t n);  // false when fewer bytes are left
    uint64_t Rest() const { return groesse_ - position_; }

private:
    bool Fuelle();
    const char* NimmNachgefuellt(size_t n);

    std::FILE* datei_ = nullptr;
    std::vector<char> puffer_;
    size_t pufferPos_ = 0;
    uint64_t groesse_ = 0, position_ = 0;
};
