// The application object: name "Ordivo", the command-line file, instance set-up with the
// accelerators and the creation of the calendar window inside the decorated frame. It owns
// the open file, the settings and the holiday table, which it hands to the windows.
#pragma once
#include "document/Dokument.h"
#include "framework/Application.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"

#include <memory>

class ClsMainWindow;
class TToolTip;
class Win32Host;

class ClsApplication : public Application {
public:
    ClsApplication(const std::string& name, HINSTANCE instance, const std::string& cmdLine, int show,
                   Win32Host& host);
    ~ClsApplication() override;

    // The file named on the command line: empty when the line is empty or starts with "-";
    // one pair of surrounding double quotes is removed.
    static std::string FileFromCommandLine(const std::string& cmdLine);

protected:
    bool InitInstance() override;
    bool InitMainWindow() override;

private:
    Win32Host& host_;
    Dokument dokument_;
    Settings settings_;
    Feiertage feiertage_;
    std::unique_ptr<TToolTip> toolTip_;  // lives as long as the application
    std::unique_ptr<ClsMainWindow> mainWindow_;
};
