// The day dialog (template 4252): start time and row length of the day view's morning and
// afternoon columns, with the end times shown as they are typed.
#pragma once
#include "framework/Dialog.h"

struct Settings;

class ClsTagesDlg : public Dialog {
public:
    ClsTagesDlg(HWND parent, Settings& settings);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    void ZeigeEnden();
    Settings& settings_;
};

// Command 409; true when the grid was stored (the caller repaints).
bool RunTagesDlg(HWND owner, Settings& settings);
