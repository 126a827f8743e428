// Sets or removes the file password (template 2359): the new text twice; command 108.
#pragma once
#include "framework/Dialog.h"

class ClsListe;

class ClsNeuesPasswortDlg : public Dialog {
public:
    ClsNeuesPasswortDlg(HWND parent, HMODULE module, ClsListe& liste);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    ClsListe& liste_;
};

// Command 108: runs the dialog with `owner` as parent on the open file's collection.
void NeuesPasswort(HWND owner, ClsListe& liste);
