// OpenHelp: WinHelp for an existing .hlp file, else the HTML help by ShellExecute.
#include "core/HelpViewer.h"

#include "core/ProgramPath.h"

#include <shellapi.h>

namespace {
bool FileExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::string HelpFile() { return ProgramDirectory() + "\\ordivo.hlp"; }

std::string HtmlHelpUrl(const std::string& programDir, int context) {
    std::string url = "file:///" + programDir + "\\" + HtmlHelpName;
    for (char& c : url)
        if (c == '\\') c = '/';
    if (context) url += "#c" + std::to_string(context);
    return url;
}

void OpenHelp(HWND owner, const std::string& hlpFile, int context) {
    std::string path = hlpFile;
    if (path.find('\\') == std::string::npos) {  // a bare name lives in the Windows directory
        char dir[MAX_PATH] = {};
        GetWindowsDirectoryA(dir, sizeof dir);
        path = std::string(dir) + "\\" + hlpFile;
    }
    if (FileExists(path)) {
        WinHelpA(owner, path.c_str(), context ? HELP_CONTEXT : HELP_INDEX, static_cast<ULONG_PTR>(context));
        return;
    }
    // Help on help without WINHELP.HLP: the HTML help's own section on using it.
    const int topic = hlpFile == HelpHelpFile ? 3600 : context;
    ShellExecuteA(owner, "open", HtmlHelpUrl(ProgramDirectory(), topic).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
