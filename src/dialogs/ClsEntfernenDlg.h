// The remove dialog (template 3634): removes one appointment and the later members of its
// series that the user moves into the right-hand list (all of them for a yearly series).
#pragma once
#include "framework/Dialog.h"
#include "store/SerienEntfernen.h"

class ClsEntfernenDlg : public Dialog {
public:
    ClsEntfernenDlg(HWND parent, ClsListe& liste, int slot);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    void FuelleListen();

    ClsListe& liste_;
    int slot_;
    SerienAuswahl auswahl_;
};

// Runs the dialog for the record in `slot`; true when it removed anything.
bool RunEntfernenDlg(HWND owner, ClsListe& liste, int slot);
