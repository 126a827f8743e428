// ClsAlteEntfDlg: presets both days with the earliest appointment's date, checks the range,
// asks, and deletes.
#include "dialogs/ClsAlteEntfDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "store/AlteTermine.h"
#include "store/DatumText.h"

ClsAlteEntfDlg::ClsAlteEntfDlg(HWND parent, ClsListe& liste)
    : Dialog(parent, IDD_ALTE_LOESCHEN, ResourceModule()), liste_(liste) {}

void ClsAlteEntfDlg::SetupWindow() {
    if (liste_.Anzahl() == 0) return;
    const std::string erster = DatumText(liste_.Satz(0).Start);
    SetItemText(IDC_ALTE_VON, erster);
    SetItemText(IDC_ALTE_BIS, erster);
}

bool ClsAlteEntfDlg::CanClose() {
    Zeitpunkt von, bis;
    if (!LeseZeitraum(GetItemText(IDC_ALTE_VON), GetItemText(IDC_ALTE_BIS), von, bis)) return false;
    if (!BestaetigeAlteLoeschen(von, bis)) {
        CloseDialog(IDCANCEL);
        return false;
    }
    const int geloescht = LoescheAlte(liste_, von, bis);
    CloseDialog(geloescht > 0 ? IDOK : IDCANCEL);
    return false;
}

bool RunAlteEntfDlg(HWND owner, ClsListe& liste) {
    ClsAlteEntfDlg dlg(owner, liste);
    return dlg.Execute() == IDOK;
}
