// Frame with a control bar at the top and a status bar at the bottom around the client.
#pragma once
#include "framework/ControlBar.h"
#include "framework/FrameWindow.h"
#include "framework/StatusBar.h"

#include <memory>

class DecoratedFrame : public FrameWindow {
public:
    DecoratedFrame(const std::string& title, Window* client, bool trackMenuSelection);

    void InsertTop(std::unique_ptr<ControlBar> bar);
    void InsertBottom(std::unique_ptr<StatusBar> bar);
    ControlBar* Bar() const { return controlBar_.get(); }
    StatusBar* Status() const { return statusBar_.get(); }

protected:
    void SetupWindow() override;
    void LayoutChildren(RECT area) override;

private:
    std::unique_ptr<ControlBar> controlBar_;
    std::unique_ptr<StatusBar> statusBar_;
};
