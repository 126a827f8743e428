// ClsGotoDlg: reads the date on OK; a refused text keeps the dialog open.
#include "dialogs/ClsGotoDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"

namespace {
constexpr int MaxDatumZeichen = 11;
}

ClsGotoDlg::ClsGotoDlg(HWND parent) : Dialog(parent, IDD_GEHE_ZU, ResourceModule()) {}

void ClsGotoDlg::SetupWindow() { LimitText(IDC_GEHE_ZU_DATUM, MaxDatumZeichen); }

bool ClsGotoDlg::CanClose() {
    // ParseDatum shows its own message for a refused text.
    const Datum d = ParseDatum(GetItemText(IDC_GEHE_ZU_DATUM).substr(0, MaxDatumZeichen));
    if (d.Jahr < 0) return false;
    Ergebnis = d;
    return true;
}

Datum RunGotoDlg(HWND owner) {
    ClsGotoDlg dlg(owner);
    return dlg.Execute() == IDOK ? dlg.Ergebnis : Datum{};
}
