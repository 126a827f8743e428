// Program entry: show state, second-copy check, regional values, resource library,
// then the application object; the resource library is freed last.
#include "app/AppName.h"
#include "app/ClsApplication.h"
#include "app/Startup.h"
#include "app/Win32Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"

#include <windows.h>

#include <cstring>
#include <memory>

namespace {

struct CopySearch {
    bool found = false;
};

BOOL CALLBACK FindOtherCopy(HWND wnd, LPARAM lp) {
    auto* search = reinterpret_cast<CopySearch*>(lp);
    const size_t nameLen = std::strlen(AppName);
    char title[64] = {};
    GetWindowTextA(wnd, title, static_cast<int>(nameLen) + 1);
    if (lstrcmpiA(title, AppName) != 0) return TRUE;
    char cls[9] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (std::strncmp(cls, FrameClassName, 8) != 0) return TRUE;
    search->found = true;
    return FALSE;
}

// The two start-up texts that cannot come from the resource library.
void ShowLibraryMissing(int locale) {
    const char* text = locale == 407
        ? "Fehler beim Laden der ORDIVO.DLL.\nDiese mu\xDF sich im selben Verzeichnis befinden, wie ORDIVO.EXE."
        : "Error on loading ORDIVO.DLL.\nIt has to be in the same directory as ORDIVO.EXE.";
    MessageBoxA(nullptr, text, AppName, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
    if (show == SW_SHOWDEFAULT) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        GetStartupInfoA(&si);
        show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWNORMAL;
    }

    Win32Host host;
    SetHost(&host);

    CopySearch search;
    EnumWindows(&FindOtherCopy, reinterpret_cast<LPARAM>(&search));

    InstallRegistryStore();
    const int locale = ApplyRegionalSettings();

    SetResourceModule(LoadLibraryA("ORDIVO.DLL"));
    if (!ResourceModule()) {
        ShowLibraryMissing(locale);
        return 0;
    }

    int exitCode = 0;
    if (!search.found ||
        MessageBoxA(nullptr, LoadResString(IDS_LAEUFT_BEREITS), AppName, MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
        auto application = std::make_unique<ClsApplication>(AppName, instance, cmdLine ? cmdLine : "", show, host);
        exitCode = application->Run();
        application.reset();
    }
    FreeLibrary(ResourceModule());
    SetResourceModule(nullptr);
    SetHost(nullptr);
    return exitCode;
}
