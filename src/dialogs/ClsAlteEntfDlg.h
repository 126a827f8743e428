// The delete-old dialog (template 4234): deletes every appointment within a date range
// after a confirmation.
#pragma once
#include "framework/Dialog.h"
#include "store/ClsListe.h"

class ClsAlteEntfDlg : public Dialog {
public:
    ClsAlteEntfDlg(HWND parent, ClsListe& liste);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    ClsListe& liste_;
};

// Runs the dialog; true when it deleted anything.
bool RunAlteEntfDlg(HWND owner, ClsListe& liste);
