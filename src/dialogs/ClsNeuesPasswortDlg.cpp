// ClsNeuesPasswortDlg: both fields must match; a password that cannot be stored is refused.
#include "dialogs/ClsNeuesPasswortDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "store/ClsListe.h"
#include "store/Passwort.h"

#include <cstring>

ClsNeuesPasswortDlg::ClsNeuesPasswortDlg(HWND parent, HMODULE module, ClsListe& liste)
    : Dialog(parent, Vorlage, module), liste_(liste) {}

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
    std::memset(liste_.Passwort, 0, sizeof liste_.Passwort);
    std::memcpy(liste_.Passwort, neu.data(), neu.size());
    liste_.SetzeGeaendert();
    return true;
}

void NeuesPasswort(HWND owner, ClsListe& liste) {
    ClsNeuesPasswortDlg dlg(owner, ResourceModule(), liste);
    dlg.Execute();
}
