// The application object: name "Ordivo", the command-line file, instance set-up with the
// accelerators and the creation of the calendar window inside the decorated frame.
#pragma once
#include "framework/Application.h"

#include <memory>

class ClsMainWindow;
class TToolTip;

class ClsApplication : public Application {
public:
    ClsApplication(const std::string& name, HINSTANCE instance, const std::string& cmdLine, int show);
    ~ClsApplication() override;

    // The file named on the command line: empty when the line is empty or starts with "-".
    static std::string FileFromCommandLine(const std::string& cmdLine);

protected:
    bool InitInstance() override;
    bool InitMainWindow() override;

private:
    std::unique_ptr<TToolTip> toolTip_;  // lives as long as the application
    std::unique_ptr<ClsMainWindow> mainWindow_;
};
