// ClsPasswortDlg and the password question of the loader and the overwrite check.
#include "dialogs/ClsPasswortDlg.h"

#include "core/ProgramPath.h"
#include "store/Passwort.h"

ClsPasswortDlg::ClsPasswortDlg(HWND parent, HMODULE module, std::string passwort)
    : Dialog(parent, Vorlage, module), passwort_(std::move(passwort)) {}

void ClsPasswortDlg::SetupWindow() { LimitText(Feld, PasswortEingabeMax); }

bool ClsPasswortDlg::CanClose() {
    // The field's first 11 characters (a limit on typing does not bind WM_SETTEXT), case-sensitive.
    if (GetItemText(Feld).substr(0, PasswortEingabeMax) == passwort_) return true;
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
