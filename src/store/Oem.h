// Windows-1252 to OEM text for the dBase exports: the German OEM code page 850.
#pragma once
#include <string>

// Table conversion; matches CharToOemBuffA on a German system (code page 850), characters
// that 850 lacks become '?'. Bytes below 0x80 are unchanged.
std::string ZuOem(const std::string& ansi);
