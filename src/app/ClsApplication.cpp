// ClsApplication: start-up order of the frame, its bars and the calendar window.
#include "app/ClsApplication.h"

#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "app/TToolTip.h"
#include "app/TipRules.h"
#include "app/Win32Host.h"
#include "core/ResourceIds.h"

ClsApplication::ClsApplication(const std::string& name, HINSTANCE instance, const std::string& cmdLine,
                               int show, Win32Host& host)
    : Application(name, instance, cmdLine, show), host_(host) {
    LOGFONTA lf{};
    lf.lfHeight = -9;  // character height 9
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    toolTip_ = std::make_unique<TToolTip>(TipStyle::Shadow, CreateFontIndirectA(&lf));
    dokument_.Dateiname = FileFromCommandLine(cmdLine);
}

ClsApplication::~ClsApplication() { host_.SetMainWindow(nullptr); }

std::string ClsApplication::FileFromCommandLine(const std::string& cmdLine) {
    if (cmdLine.empty() || cmdLine[0] == '-') return std::string();
    // Decision: Explorer quotes a path with blanks; one surrounding pair of quotes goes.
    if (cmdLine.size() >= 2 && cmdLine.front() == '"' && cmdLine.back() == '"') return cmdLine.substr(1, cmdLine.size() - 2);
    return cmdLine;
}

bool ClsApplication::InitInstance() {
    HACCEL accel = LoadAcceleratorsA(Instance(), "ACCELCOMMANDS");
    if (!accel) return false;
    SetAccelerators(accel);
    return true;
}

bool ClsApplication::InitMainWindow() {
    mainWindow_ = std::make_unique<ClsMainWindow>(dokument_, settings_, feiertage_);
    host_.SetMainWindow(mainWindow_.get());
    auto frame = std::make_unique<ClsDecoratedFrame>(Name(), mainWindow_.get());
    mainWindow_->AttachFrame(frame.get());
    frame->AssignMenu(LoadMenuA(Instance(), "DUMMY"));
    frame->BuildControlBar(toolTip_.get());
    frame->SetIcon(LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_ORDIVO)));
    frame->BuildStatusBar(toolTip_.get());

    ReadStartupSettings(settings_, !dokument_.Dateiname.empty());
    if (dokument_.Dateiname.empty()) dokument_.Dateiname = settings_.DefaultFile;

    SetMainWindow(std::move(frame));
    return true;
}
