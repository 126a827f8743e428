// The preferences dialog (template 4923, command 107): the appointment file opened at start,
// written to General\DefaultFile at once on OK.
#pragma once
#include "framework/Dialog.h"

#include <string>

class ClsVorgabenDlg : public Dialog {
public:
    explicit ClsVorgabenDlg(HWND parent);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    std::string gespeichert_;  // the value read at set-up
};

// True when the value was written.
bool RunVorgabenDlg(HWND owner);
