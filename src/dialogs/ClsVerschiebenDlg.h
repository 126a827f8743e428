// The move dialog (template 8636): a new date and time for the collection's current
// appointment; its end and advance warning move along.
#pragma once
#include "framework/Dialog.h"
#include "store/ClsListe.h"

class ClsVerschiebenDlg : public Dialog {
public:
    ClsVerschiebenDlg(HWND parent, ClsListe& liste);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    ClsListe& liste_;
};

// Runs the dialog on the current record; true when it was moved.
bool RunVerschiebenDlg(HWND owner, ClsListe& liste);
