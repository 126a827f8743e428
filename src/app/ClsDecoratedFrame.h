// The main frame: window position from the settings, weekday names, the button bar,
// the status bar with the message and clock gadgets, and menu hints.
#pragma once
#include "framework/DecoratedFrame.h"

#include <memory>

class ClsCalendarWindow;
class ClsStartWindow;
class TToolTip;

class ClsDecoratedFrame : public DecoratedFrame {
public:
    static constexpr int MessageGadget = 15;
    static constexpr int ClockGadget = 16;
    static constexpr UINT_PTR StartTimer = 54;

    ClsDecoratedFrame(const std::string& title, ClsCalendarWindow* client);
    ~ClsDecoratedFrame() override;

    void BuildControlBar(TToolTip* tip);
    void BuildStatusBar(TToolTip* tip);
    void SetStatusText(const std::string& text);
    void SetClockText(const std::string& text);
    // What the message gadget shows when no hint or status text is set.
    void SetDefaultStatusText(const std::string& text);

protected:
    void SetupWindow() override;
    void OnTimer(UINT_PTR id) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnMenuHint(UINT id) override;

private:
    ClsCalendarWindow* calendar_;
    RECT lastPlacement_{};
    std::unique_ptr<ClsStartWindow> startWindow_;
    bool startShown_ = false;
    bool timerDone_ = false;
};
