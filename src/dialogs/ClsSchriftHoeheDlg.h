// The font height dialog (template 5473, command 406): the row height in use and the
// smallest and largest text height of the views.
#pragma once
#include "framework/Dialog.h"

struct Settings;

class ClsSchriftHoeheDlg : public Dialog {
public:
    ClsSchriftHoeheDlg(HWND parent, Settings& settings, int zeilenHoehe);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    Settings& settings_;
    int zeilenHoehe_;
};

// True when new heights were taken over (the caller repaints).
bool RunSchriftHoeheDlg(HWND owner, Settings& settings, int zeilenHoehe);
