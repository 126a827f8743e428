// ClsNeuesPasswortDlg: both fields must match; a password that cannot be stored is refused.
#include "store/ClsNeuesPasswortDlg.h"

#include "app/AppState.h"
#include "app/Host.h"
#include "store/ClsListe.h"
#include "store/Passwort.h"

#include <cstring>

ClsNeuesPasswortDlg::ClsNeuesPasswortDlg(HWND parent, HMODULE module) : Dialog(parent, Vorlage, module) {}

void ClsNeuesPasswortDlg::SetupWindow() {
    LimitText(Feld, PasswortEingabeMax);
    LimitText(Wiederholung, PasswortEingabeMax);
}

bool ClsNeuesPasswortDlg::CanClose() {
    const std::string neu = GetItemText(Feld).substr(0, PasswortEingabeMax);
    if (neu != GetItemText(Wiederholung).substr(0, PasswortEingabeMax)) {
        Message(1133, 1134, Mb::Ok | Mb::IconExclamation);
        return false;
    }
    // A character that scrambles to a zero byte would cut the stored password short.
    if (!PasswortSpeicherbar(neu)) {
        Message(1135, 1134, Mb::Ok | Mb::IconExclamation);
        return false;
    }
    std::memset(Liste.Passwort, 0, sizeof Liste.Passwort);
    std::memcpy(Liste.Passwort, neu.data(), neu.size());
    Liste.SetzeGeaendert();
    return true;
}

void NeuesPasswort(HWND owner) {
    ClsNeuesPasswortDlg dlg(owner, app::ResourceLibrary);
    dlg.Execute();
}
