// The main frame: window position from the settings, weekday names, the button bar,
// the status bar with the message and clock gadgets, and menu hints.
#pragma once
#include "framework/DecoratedFrame.h"

class ClsDecoratedFrame : public DecoratedFrame {
public:
    static constexpr int MessageGadget = 15;
    static constexpr int ClockGadget = 16;

    ClsDecoratedFrame(const std::string& title, Window* client);
    ~ClsDecoratedFrame() override;

    void BuildControlBar();
    void BuildStatusBar();
    void SetStatusText(const std::string& text);

protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnMenuHint(UINT id) override;

private:
    RECT lastPlacement_{};
};
