// Debug output for an exception stopped at the border to user32.
#pragma once
#include <windows.h>

// Writes "Ordivo: <where> message 0x<msg>: <what>" to the debugger output.
void ReportCaught(const char* where, UINT msg, const char* what);
