// The date picker window (command 304): this year and the next as year calendars; a click on a
// day shows that day in the calendar window, button 801 runs the go-to dialog, 802 closes.
#pragma once
#include "framework/Window.h"
#include "views/DatePicker.h"

class ClsCalendarWindow;

class ClsSelectDateWindow : public Window {
public:
    // `font` is the calendar window's, kept from the first paint of any picker on.
    ClsSelectDateWindow(ClsCalendarWindow& main, const YearCalendarHolidays& holidays, YearCalendarFont& font);

    bool OnCommand(UINT id) override;

protected:
    const char* ClassName() const override { return "OrdivoSelectDate"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    void OnSize(int w, int h) override;
    void CleanupWindow() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    PickerClient Client() const;
    void PlaceButtons();
    void OnLeftUp(int x, int y);

    ClsCalendarWindow& main_;
    YearCalendarHolidays holidays_;
    YearCalendarFont& font_;
    HWND buttons_[2] = {};  // 801, 802; child windows, destroyed with the picker
};
