// ClsPasswortDlg and the password question of the loader and the overwrite check.
#include "dialogs/ClsPasswortDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "store/Passwort.h"

ClsPasswortDlg::ClsPasswortDlg(HWND parent, HMODULE module, std::string passwort)
    : Dialog(parent, IDD_KENNWORT, module), passwort_(std::move(passwort)) {}

void ClsPasswortDlg::SetupWindow() { LimitText(IDC_KENNWORT_EINGABE, PasswortEingabeMax); }

bool ClsPasswortDlg::CanClose() {
    // The field's first 11 characters (a limit on typing does not bind WM_SETTEXT), case-sensitive.
    if (GetItemText(IDC_KENNWORT_EINGABE).substr(0, PasswortEingabeMax) == passwort_) return true;
    CloseDialog(0);
    return false;
}

namespace {
bool FrageMitDialog(const std::string& passwort) {
    // Owned by whatever window is active: the calendar, or a dialog that asked for the file.
    ClsPasswortDlg dlg(GetActiveWindow(), ResourceModule(), passwort);
    return dlg.Execute() == IDOK;
}
}  // namespace

void InstallierePasswortDialog() { SetzePasswortFrage(FrageMitDialog); }
