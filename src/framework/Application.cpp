// Application run sequence and message loop.
#include "framework/Application.h"

#include "framework/FrameWindow.h"

Application::Application(const std::string& name, HINSTANCE instance, const std::string& cmdLine,
                         int show)
    : name_(name), instance_(instance), cmdLine_(cmdLine), show_(show) {}

Application::~Application() = default;

void Application::SetMainWindow(std::unique_ptr<FrameWindow> frame) {
    mainWindow_ = std::move(frame);
    if (mainWindow_) mainWindow_->QuitOnDestroy = true;
}

int Application::Run() {
    if (!InitInstance() || !InitMainWindow() || !mainWindow_ || !mainWindow_->Create()) return 1;
    ShowWindow(mainWindow_->Handle(), show_);
    UpdateWindow(mainWindow_->Handle());
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg)) continue;
        if (accel_ && mainWindow_->Handle() && TranslateAcceleratorA(mainWindow_->Handle(), accel_, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
