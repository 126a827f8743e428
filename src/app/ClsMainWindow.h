// The calendar window of the shell: the command table, the set-up and close query of the
// program, the one-second timer, the private messages and the file commands.
#pragma once
#include "document/Dokument.h"
#include "printing/ClsPrinter.h"
#include "reminders/VorwarnPlaner.h"
#include "settings/Settings.h"
#include "views/ClsCalendarWindow.h"

#include <string>

class ClsDecoratedFrame;

class ClsMainWindow : public ClsCalendarWindow, private VorwarnAnzeige {
public:
    static constexpr UINT_PTR ClockTimer = 2;

    ClsMainWindow(Dokument& dok, Settings& settings, Feiertage& feiertage);
    ~ClsMainWindow() override;

    // The frame around the window; set by the application before creation.
    void AttachFrame(ClsDecoratedFrame* frame) { frame_ = frame; }

    bool CanClose() override;
    bool OnCommand(UINT id) override;
    int CommandState(UINT id) const override;

    // Writes the open file in save mode 1 (own file), or to `pfad` in mode 2 (appointment
    // export) or 3 (address export), keeping the previous file as .BAK; true only if every
    // part was written.
    bool SpeichereDatei(int mode);
    bool SpeichereDatei(int mode, const std::string& pfad);
    void SetTitle();
    bool TimerRunning() const { return timerRunning_; }

protected:
    const char* ClassName() const override { return "OrdivoCalendar"; }
    void SetupWindow() override;
    void CleanupWindow() override;
    void OnTimer(UINT_PTR id) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // Answers a diagnostic query (app/Diagnose.h).
    LRESULT Diagnose(WPARAM query, LPARAM mark);
    void ViewDateChanged() override { SetTitle(); }
    void AppointmentChanged() override { PlanNextWarning(); }

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
    void CmToggleDone(UINT id);
    void CmSearch(UINT id);
    void CmDeleteOld(UINT id);
    void CmMove(UINT id);
    void CmRemove(UINT id);
    // The clicked appointment made the current record: its slot, or -1 after a beep when
    // nothing or a generated yearly copy was clicked.
    int ClickedSlot();
    // The record in `slot` was changed in place: the collection is modified, a yearly master's
    // copies take the change (a save may write one of them as the series), and the clicked
    // appointment is the changed record.
    void ChangedInPlace(int slot);
    void CmHolidays(UINT id);
    void CmDayGrid(UINT id);
    void CmAddressBook(UINT id);
    void CmLinkAddress(UINT id);
    void CmSelectDate(UINT id);
    void CmPreferences(UINT id);
    void CmFontHeights(UINT id);
    void CmColours(UINT id);
    void CmNotYetAvailable(UINT id);
    void CmPrint(UINT id);
    void CmPrinterSetup(UINT id);

    // File commands (FileCommands.cpp).
    void CmNew(UINT id);
    void CmOpen(UINT id);
    void CmSave(UINT id);
    void CmSaveAs(UINT id);
    void AfterFileChange();

    // iCalendar and vCard (InteropCommands.cpp).
    void CmICalExport(UINT id);
    void CmICalImport(UINT id);
    void CmVCardExport(UINT id);
    void CmVCardImport(UINT id);
    bool ExportErlaubt();  // a protected calendar asks before writing unprotected data

    void ShowCommandsMenu();
    void CheckMenuCommand(UINT id, bool on);
    void SetStatus(const std::string& text);
    LRESULT OnStatusText(WPARAM wp, LPARAM lp);
    LRESULT OnListChanged(WPARAM wp, LPARAM lp);

    static const CommandEntry<ClsMainWindow> kCommands[];
    static const MessageEntry<ClsMainWindow> kMessages[];

    ClsDecoratedFrame* frame_ = nullptr;
    MainWindowSettings windowSettings_;
    ClsPrinter printer_;
    bool timerRunning_ = false;
    LPARAM lastMark_ = 0;  // diagnostic: the last mark posted by a test

    // Reminders (reminders/MainWindowReminders.cpp).
    void PlanNextWarning();
    void TimerTick();
    void CmAlarmSounds(UINT id);
    void CmRemark(UINT id);
    void CmWarningTime(UINT id);
    void Hinweis(int slot) override;
    void Ton(const std::string& datei) override;
    void Uhr(const std::string& text) override;
    void Neuzeichnen() override;
    bool DialogOffen() const override;
    VorwarnPlaner planer_{doc_.Liste, GetHost(), *this, windowSettings_.Sounds};
};
