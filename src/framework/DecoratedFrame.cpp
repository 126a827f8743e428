// DecoratedFrame: creates the bars with the frame and lays them out around the client.
#include "framework/DecoratedFrame.h"

DecoratedFrame::DecoratedFrame(const std::string& title, Window* client, bool trackMenuSelection)
    : FrameWindow(title, client, trackMenuSelection) {}

void DecoratedFrame::InsertTop(std::unique_ptr<ControlBar> bar) {
    controlBar_ = std::move(bar);
    controlBar_->SetParent(this);
}

void DecoratedFrame::InsertBottom(std::unique_ptr<StatusBar> bar) {
    statusBar_ = std::move(bar);
    statusBar_->SetParent(this);
}

void DecoratedFrame::SetupWindow() {
    if (controlBar_) controlBar_->Create();
    if (statusBar_) statusBar_->Create();
    FrameWindow::SetupWindow();
}

void DecoratedFrame::LayoutChildren(RECT area) {
    if (controlBar_ && controlBar_->Handle()) {
        const int h = controlBar_->Height();
        MoveWindow(controlBar_->Handle(), area.left, area.top, area.right - area.left, h, TRUE);
        area.top += h;
    }
    if (statusBar_ && statusBar_->Handle()) {
        const int h = statusBar_->Height();
        MoveWindow(statusBar_->Handle(), area.left, area.bottom - h, area.right - area.left, h, TRUE);
        area.bottom -= h;
    }
    if (area.bottom < area.top) area.bottom = area.top;
    FrameWindow::LayoutChildren(area);
}
