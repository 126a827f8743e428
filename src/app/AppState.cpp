// Definitions of the process-wide Win32 state.
#include "app/AppState.h"

namespace app {
HMODULE ResourceLibrary = nullptr;
HWND MainWindowHandle = nullptr;
std::string ProgramDir;
std::string HelpFile;
ClsDecoratedFrame* MainFrame = nullptr;
ClsMainWindow* MainWindow = nullptr;
std::string WeekdayShort[7];
std::string WeekdayLong[7];
}  // namespace app
