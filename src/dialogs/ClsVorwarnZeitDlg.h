// The warning time dialog (template IDD_VORWARNZEIT, command CM_VORWARNZEIT): shows the lead
// of an appointment's advance warning and sets a new one from days, hours and minutes.
#pragma once
#include "framework/Dialog.h"
#include "store/Termin.h"

class ClsVorwarnZeitDlg : public Dialog {
public:
    // `t` is changed in place on OK (its place in the collection stays).
    ClsVorwarnZeitDlg(HWND parent, Termin& t, const Zeitpunkt& jetzt);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    Termin& termin_;
    Zeitpunkt jetzt_;
};
