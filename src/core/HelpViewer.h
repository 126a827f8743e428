// Opens the help: the classic help file through WinHelp when it exists, otherwise the
// German HTML help beside the program in the system's default viewer.
#pragma once
#include <windows.h>

#include <string>

constexpr const char* HtmlHelpName = "ordivo-hilfe.html";
constexpr const char* HelpHelpFile = "WINHELP.HLP";

// The program's help file: "ordivo.hlp" in the program directory.
std::string HelpFile();
// context 0 opens the index; otherwise the topic of that help context (3601–3606).
void OpenHelp(HWND owner, const std::string& hlpFile, int context);
// The program's own help at a context.
inline void OpenHelp(HWND owner, int context) { OpenHelp(owner, HelpFile(), context); }
// The address of the HTML help page for a context: "file:///...#c3604", or the page itself.
std::string HtmlHelpUrl(const std::string& programDir, int context);
