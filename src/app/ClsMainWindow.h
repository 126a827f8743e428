// The calendar window: client of the main frame. Owns the command table, the set-up and
// close query of the program, the one-second timer and the private messages.
#pragma once
#include "app/Settings.h"
#include "framework/Dispatch.h"
#include "framework/Window.h"
#include "views/CalendarInput.h"

#include <string>

class ClsMainWindow : public Window {
public:
    static constexpr UINT_PTR ClockTimer = 2;

    ClsMainWindow();
    ~ClsMainWindow() override;

    bool CanClose() override;
    bool OnCommand(UINT id) override;
    int CommandState(UINT id) const override;

    const std::string& DefaultStatusText() const { return defaultStatus_; }
    // Writes Dateiname in save mode 1 (own file), 2 (appointment export) or 3 (address
    // export), keeping the previous file as .BAK; true only if every part was written.
    bool SpeichereDatei(int mode);
    void SetTitle();
    bool TimerRunning() const { return timerRunning_; }

protected:
    const char* ClassName() const override { return "OrdivoCalendar"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void CleanupWindow() override;
    void OnTimer(UINT_PTR id) override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    void OnSize(int w, int h) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // Shell commands.
    void CmExit(UINT id);
    void CmNavigate(UINT id);
    void CmViewMode(UINT id);
    void CmMenuOnOff(UINT id);
    void CmAutoSave(UINT id);
    void CmSaveSettings(UINT id);
    void CmHelp(UINT id);
    void CmAbout(UINT id);
    void CmNewAppointment(UINT id);
    void CmNewPassword(UINT id);
    void CmNotYetAvailable(UINT id);

    // File commands (FileCommands.cpp).
    void CmNew(UINT id);
    void CmOpen(UINT id);
    void CmSave(UINT id);
    void CmSaveAs(UINT id);
    void AfterFileChange();

    void ShowCommandsMenu();
    void CheckMenuCommand(UINT id, bool on);
    void SetStatus(const std::string& text);
    LRESULT OnStatusText(WPARAM wp, LPARAM lp);
    LRESULT OnListChanged(WPARAM wp, LPARAM lp);

    // Mouse, keyboard and in-place editing (views/MainWindowInput.cpp)
    friend void EndInPlaceEditing();
    LRESULT OnLeftDown(WPARAM wp, LPARAM lp);
    LRESULT OnLeftUp(WPARAM wp, LPARAM lp);
    LRESULT OnDoubleClick(WPARAM wp, LPARAM lp);
    LRESULT OnRightDown(WPARAM wp, LPARAM lp);
    LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    LRESULT OnCaptureChanged(WPARAM wp, LPARAM lp);
    LRESULT OnKeyDown(WPARAM wp, LPARAM lp);
    LRESULT OnKeyUp(WPARAM wp, LPARAM lp);
    LRESULT OnEndEdit(WPARAM wp, LPARAM lp);
    void CmToggleDone(UINT id);
    RecordRef CommitEdit();  // the record the edit stored, if any
    void OpenEditor(int x, int y);
    void Drop(int x, int y, bool copy);
    void MoveSelection(ArrowKey key);
    void OpenAppointmentDialog(int day);
    CalendarInput input_;

    static const CommandEntry<ClsMainWindow> kCommands[];
    static const MessageEntry<ClsMainWindow> kMessages[];

    MainWindowSettings settings_;
    std::string defaultStatus_;
    std::string viewFontFace_ = "Arial";
    bool timerRunning_ = false;
};
