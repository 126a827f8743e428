// The about dialog (template 4269): program name, version and the program icon.
#pragma once
#include "framework/Dialog.h"

class AboutDlg : public Dialog {
public:
    explicit AboutDlg(HWND parent);

protected:
    void SetupWindow() override;
};
