// The floating tip box shown when the mouse rests on a button: one pop-up window owned by
// the application, shown after a delay, hidden by any key, a click or leaving the bar.
#pragma once
#include "framework/Gdi.h"
#include "framework/Window.h"

#include <string>

class TToolTip : public Window {
public:
    static constexpr UINT_PTR ShowTimer = 1000;

    TToolTip(int style, HFONT font);  // takes ownership of the font
    ~TToolTip() override;

    // A non-empty text schedules the tip; an empty one hides it at once.
    void SetTipText(const std::string& text);
    bool TimerRunning() const { return timerRunning_; }
    const std::string& Text() const { return text_; }

protected:
    const char* ClassName() const override { return "Tiplo:Tooltip"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    void OnTimer(UINT_PTR id) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void StopTimer();
    void Place();
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp);

    int style_;
    gdi::Font font_;
    std::string text_;
    SIZE size_{};
    bool timerRunning_ = false;
    HHOOK hook_ = nullptr;
};

// The application's one tip (null before it exists).
TToolTip* TheToolTip();
