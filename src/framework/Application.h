// Application object: instance set-up, main-window creation, message loop, exit code.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

class FrameWindow;

class Application {
public:
    Application(const std::string& name, HINSTANCE instance, const std::string& cmdLine, int show);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Instance set-up, main-window creation, show, message loop; returns the exit code.
    int Run();

    const std::string& Name() const { return name_; }
    HINSTANCE Instance() const { return instance_; }
    const std::string& CmdLine() const { return cmdLine_; }
    FrameWindow* MainWindow() const { return mainWindow_.get(); }

protected:
    // false ends start-up.
    virtual bool InitInstance() { return true; }
    virtual bool InitMainWindow() = 0;
    void SetMainWindow(std::unique_ptr<FrameWindow> frame);
    void SetAccelerators(HACCEL accel) { accel_ = accel; }
    // Messages for modeless windows; true when consumed.
    virtual bool PreTranslate(MSG& /*msg*/) { return false; }

private:
    std::string name_;
    HINSTANCE instance_;
    std::string cmdLine_;
    int show_;
    HACCEL accel_ = nullptr;  // resource accelerators need no release
    std::unique_ptr<FrameWindow> mainWindow_;
};
