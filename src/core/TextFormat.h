// printf-style formatting into a std::string, for texts built from resource strings.
#pragma once
#include <string>

#if defined(__GNUC__)
#define ORDIVO_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define ORDIVO_PRINTF(f, a)
#endif

std::string Format(const char* fmt, ...) ORDIVO_PRINTF(1, 2);
