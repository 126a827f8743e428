// ClsApplication: start-up order of the frame, its bars and the calendar window.
#include "app/ClsApplication.h"

#include "app/AppState.h"
#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "app/Settings.h"
#include "app/TToolTip.h"
#include "app/TipRules.h"
#include "store/ClsListe.h"

ClsApplication::ClsApplication(const std::string& name, HINSTANCE instance, const std::string& cmdLine,
                               int show)
    : Application(name, instance, cmdLine, show) {
    LOGFONTA lf{};
    lf.lfHeight = -9;  // character height 9
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    toolTip_ = std::make_unique<TToolTip>(TipStyle::Shadow, CreateFontIndirectA(&lf));
    Dateiname = FileFromCommandLine(cmdLine);
}

ClsApplication::~ClsApplication() = default;

std::string ClsApplication::FileFromCommandLine(const std::string& cmdLine) {
    if (cmdLine.empty() || cmdLine[0] == '-') return std::string();
    return cmdLine;  // whole text, no quote removal
}

bool ClsApplication::InitInstance() {
    HACCEL accel = LoadAcceleratorsA(Instance(), "ACCELCOMMANDS");
    if (!accel) return false;
    SetAccelerators(accel);
    return true;
}

bool ClsApplication::InitMainWindow() {
    mainWindow_ = std::make_unique<ClsMainWindow>();
    auto frame = std::make_unique<ClsDecoratedFrame>(Name(), mainWindow_.get());
    frame->AssignMenu(LoadMenuA(Instance(), "DUMMY"));
    frame->BuildControlBar(toolTip_.get());
    frame->SetIcon(LoadIconA(Instance(), MAKEINTRESOURCEA(4444)));
    frame->BuildStatusBar(toolTip_.get());

    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    app::ProgramDir = path;
    const size_t slash = app::ProgramDir.find_last_of('\\');
    if (slash != std::string::npos) app::ProgramDir.resize(slash);
    app::HelpFile = app::ProgramDir + "\\ordivo.hlp";

    ReadStartupSettings(!Dateiname.empty());
    if (Dateiname.empty()) Dateiname = TheSettings.DefaultFile;

    app::MainFrame = frame.get();
    app::MainWindow = mainWindow_.get();
    SetMainWindow(std::move(frame));
    return true;
}
