// Process-wide state of the running program that only the Win32 side needs.
#pragma once
#include <windows.h>

#include <string>

class ClsDecoratedFrame;
class ClsMainWindow;

namespace app {
extern HMODULE ResourceLibrary;      // ORDIVO.DLL
extern HWND MainWindowHandle;        // the calendar window
extern std::string ProgramDir;       // directory of ordivo.exe, no trailing backslash
extern std::string HelpFile;         // ProgramDir + "\ordivo.hlp"
extern ClsDecoratedFrame* MainFrame;
extern ClsMainWindow* MainWindow;
extern std::string WeekdayShort[7];  // Monday first, up to 2 characters
extern std::string WeekdayLong[7];   // Monday first, up to 10 characters

constexpr const char* AppName = "Ordivo";
constexpr const char* FrameClassName = "OrdivoFrame";
}  // namespace app
