// The calendar window: paints the day, week or month view of the open file, and handles
// the mouse, the keys and in-place editing on it. The shell derives from it to add the
// commands, the timer and the close query.
#pragma once
#include "framework/Dispatch.h"
#include "framework/Window.h"
#include "settings/ViewMode.h"
#include "views/CalendarInput.h"
#include "views/DatePicker.h"
#include "views/ViewState.h"

#include <memory>

class Dokument;
class ClsSelectDateWindow;
class Feiertage;
struct Settings;

class ClsCalendarWindow : public Window {
public:
    ClsCalendarWindow(Dokument& dok, Settings& settings, Feiertage& feiertage);
    ~ClsCalendarWindow() override;

    ViewState& View() { return view_; }
    const ViewState& View() const { return view_; }
    // Commits an open in-place edit; returns the record it stored, if any.
    RecordRef CommitEdit();
    // Applies a navigation command (301-303, 666, 667); false (after a beep) at the limits.
    bool Navigate(UINT command);
    void SetViewMode(ViewMode mode);
    // Commits an open edit, shows the date and repaints.
    void GoToDate(const SelectedDate& date);
    // Command 304: opens the date picker, or gives the open one the focus.
    void OpenDatePicker();
    HWND DatePicker() const;  // nullptr when none is open
    // Command 822: toggles the done state of the appointment under the last click.
    void ToggleDone();

protected:
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    void OnSize(int w, int h) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    // The shown date moved to another period (the title changes).
    virtual void ViewDateChanged() {}
    // An appointment changed in place (not through insert or delete): warnings are replanned.
    virtual void AppointmentChanged() {}

    // The appointment under the last left or right click (its commands act on it).
    RecordRef& HitAppointment() { return input_.Hit; }

    Dokument& doc_;
    Settings& settings_;
    Feiertage& feiertage_;

private:
    LRESULT OnLeftDown(WPARAM wp, LPARAM lp);
    LRESULT OnLeftUp(WPARAM wp, LPARAM lp);
    LRESULT OnDoubleClick(WPARAM wp, LPARAM lp);
    LRESULT OnRightDown(WPARAM wp, LPARAM lp);
    LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    LRESULT OnCaptureChanged(WPARAM wp, LPARAM lp);
    LRESULT OnKeyDown(WPARAM wp, LPARAM lp);
    LRESULT OnKeyUp(WPARAM wp, LPARAM lp);
    LRESULT OnEndEdit(WPARAM wp, LPARAM lp);
    void PaintPending();
    void OpenEditor(int x, int y);
    void Drop(int x, int y, bool copy);
    void MoveSelection(ArrowKey key);
    void OpenAppointmentDialog(const Zeitpunkt& tag);
    void DrawSelectionFrame(int day);
    Zeitpunkt SelectedDay() const;

    static const MessageEntry<ClsCalendarWindow> kMessages[];

    ViewState view_;
    CalendarInput input_;
    YearCalendarFont yearFont_;  // fitted at the first paint of a picker, kept after
    std::unique_ptr<ClsSelectDateWindow> picker_;
};
