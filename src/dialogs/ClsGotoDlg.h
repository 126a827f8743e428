// The go-to dialog (template 1838): a date typed into field 101.
#pragma once
#include "framework/Dialog.h"
#include "store/DatumText.h"

class ClsGotoDlg : public Dialog {
public:
    explicit ClsGotoDlg(HWND parent);

    Datum Ergebnis;  // Jahr -1 until OK with a valid date

protected:
    void SetupWindow() override;
    bool CanClose() override;
};

// Runs the dialog; the date typed, or Jahr -1 after Cancel.
Datum RunGotoDlg(HWND owner);
