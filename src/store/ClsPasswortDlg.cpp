// ClsPasswortDlg and the password question of the loader and the overwrite check.
#include "store/ClsPasswortDlg.h"

#include "app/AppState.h"
#include "store/Passwort.h"

ClsPasswortDlg::ClsPasswortDlg(HWND parent, HMODULE module, std::string passwort)
    : Dialog(parent, Vorlage, module), passwort_(std::move(passwort)) {}

void ClsPasswortDlg::SetupWindow() { LimitText(Feld, PasswortEingabeMax); }

bool ClsPasswortDlg::CanClose() {
    if (GetItemText(Feld) == passwort_) return true;  // case-sensitive
    CloseDialog(0);
    return false;
}

namespace {
bool FrageMitDialog(const std::string& passwort) {
    ClsPasswortDlg dlg(app::MainWindowHandle, app::ResourceLibrary, passwort);
    return dlg.Execute() == IDOK;
}
}  // namespace

void InstallierePasswortDialog() { SetzePasswortFrage(FrageMitDialog); }
