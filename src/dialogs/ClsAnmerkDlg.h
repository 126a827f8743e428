// The remark dialog (template IDD_ANMERKUNG, command CM_ANMERKUNG): edits the long
// description of one appointment.
#pragma once
#include "framework/Dialog.h"
#include "store/Termin.h"

class ClsAnmerkDlg : public Dialog {
public:
    ClsAnmerkDlg(HWND parent, Termin& t);  // `t` is changed in place on OK

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    Termin& termin_;
};
