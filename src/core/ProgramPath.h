// Where the program runs from and the resource library it takes its texts, menus and
// dialog templates from.
#pragma once
#include <windows.h>

#include <string>

// Directory of ordivo.exe without a trailing backslash.
std::string ProgramDirectory();

// ORDIVO.DLL, set once by the entry (and the test main) before any window exists.
HMODULE ResourceModule();
void SetResourceModule(HMODULE module);
