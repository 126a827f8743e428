// ClsVerschiebenDlg: presets the appointment's date and time and moves it on OK.
#include "dialogs/ClsVerschiebenDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "store/DatumText.h"
#include "store/Verschieben.h"

ClsVerschiebenDlg::ClsVerschiebenDlg(HWND parent, ClsListe& liste)
    : Dialog(parent, IDD_VERSCHIEBEN, ResourceModule()), liste_(liste) {}

void ClsVerschiebenDlg::SetupWindow() {
    const Termin* t = liste_.Aktuell();
    if (!t || t->IstEndmarke()) return;
    SetItemText(IDC_VERSCHIEBEN_DATUM, DatumText(t->Start));
    SetItemText(IDC_VERSCHIEBEN_ZEIT, t->Hat(FlagOhneZeit) ? "" : ZeitText(t->Start.Stunde, t->Start.Minute));
}

// A refused date closes the dialog too, with nothing moved.
bool ClsVerschiebenDlg::CanClose() {
    const bool verschoben =
        VerschiebeAktuell(liste_, GetItemText(IDC_VERSCHIEBEN_DATUM), GetItemText(IDC_VERSCHIEBEN_ZEIT));
    CloseDialog(verschoben ? IDOK : IDCANCEL);
    return false;
}

bool RunVerschiebenDlg(HWND owner, ClsListe& liste) {
    ClsVerschiebenDlg dlg(owner, liste);
    return dlg.Execute() == IDOK;
}
