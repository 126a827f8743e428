// Text forms of settings values.
#include "core/ConfigText.h"

#include <algorithm>
#include <climits>
#include <cstring>

void CopyTruncated(char* buf, size_t size, const char* src) {
    if (size == 0) return;
    const size_t n = std::min(std::strlen(src), size - 1);
    std::memmove(buf, src, n);
    buf[n] = '\0';
}

int DecimalValue(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long value = 0;  // saturates at INT_MAX + 1 so INT_MIN stays reachable
    for (; *p >= '0' && *p <= '9'; ++p)
        value = std::min(value * 10 + (*p - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

int ParseNumberList(const char* text, int* values, int count) {
    int read = 0;
    for (const char* p = text; read < count && *p != '\0';) {
        values[read++] = DecimalValue(p);
        p = std::strchr(p, ',');
        if (!p) break;
        ++p;
    }
    return read;
}

bool FlagAt(const char* text, size_t pos) {
    for (size_t i = 0; i < pos; ++i)
        if (text[i] == '\0') return false;
    return text[pos] == '1';
}

int GridTimeToMinutes(int stored) { return stored / 100 * 60 + stored % 100; }

int MinutesToGridTime(int minutes) { return minutes / 60 * 100 + minutes % 60; }
