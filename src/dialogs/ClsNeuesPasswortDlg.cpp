// ClsNeuesPasswortDlg: both fields must match; a password that cannot be stored is refused.
#include "dialogs/ClsNeuesPasswortDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "store/ClsListe.h"
#include "store/Passwort.h"

ClsNeuesPasswortDlg::ClsNeuesPasswortDlg(HWND parent, HMODULE module, ClsListe& liste)
    : Dialog(parent, IDD_NEUES_KENNWORT, module), liste_(liste) {}

void ClsNeuesPasswortDlg::SetupWindow() {
    LimitText(IDC_NEUES_KENNWORT_EINGABE, PasswortEingabeMax);
    LimitText(IDC_NEUES_KENNWORT_WIEDERHOLUNG, PasswortEingabeMax);
}

bool ClsNeuesPasswortDlg::CanClose() {
    const std::string neu = GetItemText(IDC_NEUES_KENNWORT_EINGABE).substr(0, PasswortEingabeMax);
    if (neu != GetItemText(IDC_NEUES_KENNWORT_WIEDERHOLUNG).substr(0, PasswortEingabeMax)) {
        Message(IDS_KENNWORT_UNGLEICH, IDS_TITEL_FEHLER, Mb::Ok | Mb::IconExclamation);
        return false;
    }
    // A character that scrambles to a zero byte would cut the stored password short: the
    // message names it, as the rule behind it is not one a user can guess.
    const int stelle = NichtSpeicherbareStelle(neu);
    if (stelle >= 0) {
        GetHost().MessageText(Format(LoadResString(IDS_KENNWORT_NICHT_SPEICHERBAR), neu[size_t(stelle)], stelle + 1),
                              LoadResString(IDS_TITEL_FEHLER), Mb::Ok | Mb::IconExclamation);
        return false;
    }
    SetzePasswort(liste_.Passwort, neu);
    liste_.SetzeGeaendert();
    return true;
}

void NeuesPasswort(HWND owner, ClsListe& liste) {
    ClsNeuesPasswortDlg dlg(owner, ResourceModule(), liste);
    dlg.Execute();
}
