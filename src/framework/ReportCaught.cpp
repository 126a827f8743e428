// ReportCaught through OutputDebugString.
#include "framework/ReportCaught.h"

#include <cstdio>

void ReportCaught(const char* where, UINT msg, const char* what) {
    char text[256];
    std::snprintf(text, sizeof text, "Ordivo: %s message 0x%04X: %s\n", where, msg, what);
    OutputDebugStringA(text);
}
