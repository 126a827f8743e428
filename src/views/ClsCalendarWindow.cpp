// ClsCalendarWindow: construction, paint, resize, navigation and the view mode.
#include "views/ClsCalendarWindow.h"

#include "core/Host.h"
#include "document/Dokument.h"
#include "framework/GdiCanvas.h"
#include "settings/Settings.h"
#include "views/CalendarPaint.h"
#include "views/ClsSelectDateWindow.h"
#include "views/Navigation.h"
#include "views/SelectionFrame.h"

ClsCalendarWindow::ClsCalendarWindow(Dokument& dok, Settings& settings, Feiertage& feiertage)
    : doc_(dok), settings_(settings), feiertage_(feiertage) {
    const LocalTime now = GetHost().Now();
    view_.Selected = SelectedDate{now.Jahr, static_cast<int8_t>(now.Monat), static_cast<int8_t>(now.Tag)};
}

ClsCalendarWindow::~ClsCalendarWindow() = default;

void ClsCalendarWindow::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.style |= CS_DBLCLKS;
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "APP_ICON");
    // Wine: class brushes are never freed by the class; this one lives for the process.
    wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 224));
}

void ClsCalendarWindow::Paint(HDC dc, bool, const RECT&) {
    RECT r{};
    GetClientRect(Handle(), &r);
    GdiCanvas canvas(dc);
    PaintContext ctx{doc_.Liste, feiertage_, settings_, view_};
    PaintCalendarView(ctx, canvas, ClientRect{r.left, r.top, r.right, r.bottom});
}

void ClsCalendarWindow::OnSize(int, int) {
    Invalidate(true);
    ForgetSelectionFrame(view_.Frame);
}

void ClsCalendarWindow::DrawSelectionFrame(int day) {
    if (day < 1 || day > 31) return;
    gdi::WindowDc dc(Handle());
    if (!dc.Get()) return;
    GdiCanvas canvas(dc.Get());
    ::DrawSelectionFrame(canvas, view_.Frame, settings_, view_.DayFrames.Day[day]);
}

bool ClsCalendarWindow::Navigate(UINT command) {
    CommitEdit();  // typed text lands on the day where it was typed
    const LocalTime now = GetHost().Now();
    const SelectedDate today{now.Jahr, static_cast<int8_t>(now.Monat), static_cast<int8_t>(now.Tag)};
    if (!StepDate(view_.Selected, settings_.Mode, command, today)) {
        GetHost().Beep();
        return false;
    }
    Invalidate(true);
    return true;
}

void ClsCalendarWindow::SetViewMode(ViewMode mode) {
    CommitEdit();
    settings_.Mode = mode;
    Invalidate(true);
}

void ClsCalendarWindow::GoToDate(const SelectedDate& date) {
    CommitEdit();
    view_.Selected = date;
    ViewDateChanged();
    Invalidate(true);
}

void ClsCalendarWindow::OpenDatePicker() {
    if (HWND open = DatePicker()) {
        SetFocus(open);
        return;
    }
    picker_ = std::make_unique<ClsSelectDateWindow>(*this, YearCalendarHolidays{feiertage_, settings_}, yearFont_);
    picker_->Create();
}

HWND ClsCalendarWindow::DatePicker() const { return picker_ ? picker_->Handle() : nullptr; }
