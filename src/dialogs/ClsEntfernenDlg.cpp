// ClsEntfernenDlg: the appointment, the two member lists and their moves, and the removal.
#include "dialogs/ClsEntfernenDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"

ClsEntfernenDlg::ClsEntfernenDlg(HWND parent, ClsListe& liste, int slot)
    : Dialog(parent, IDD_ENTFERNEN, ResourceModule()), liste_(liste), slot_(slot), auswahl_(liste, slot) {}

void ClsEntfernenDlg::SetupWindow() {
    if (slot_ < 0 || slot_ >= liste_.Anzahl()) return;
    const Termin& t = liste_.Satz(slot_);
    SetItemText(IDC_ENTFERNEN_TERMIN, MitgliedZeile(t));
    SetItemText(IDC_ENTFERNEN_KURZTEXT, t.Kurzbeschr);
    EnableItem(IDC_ENTFERNEN_ALLE_BLEIBEN, !auswahl_.Jaehrlich());
    FuelleListen();
}

void ClsEntfernenDlg::FuelleListen() {
    for (int id : {IDC_ENTFERNEN_BLEIBEN, IDC_ENTFERNEN_WEG}) {
        ListClear(id);
        for (const std::string& zeile : auswahl_.Zeilen(id == IDC_ENTFERNEN_WEG)) ListAdd(id, zeile);
    }
}

bool ClsEntfernenDlg::OnCommand(int id, int notify, HWND) {
    switch (id) {
    case IDC_ENTFERNEN_BLEIBEN:
    case IDC_ENTFERNEN_WEG:
        if (notify != LBN_DBLCLK) return true;
        if (auswahl_.Wechsle(id == IDC_ENTFERNEN_WEG, ListSelection(id))) FuelleListen();
        else GetHost().Beep();
        return true;
    case IDC_ENTFERNEN_ALLE_WEG:
    case IDC_ENTFERNEN_ALLE_BLEIBEN:
        auswahl_.Alle(id == IDC_ENTFERNEN_ALLE_WEG);
        FuelleListen();
        return true;
    default: return false;
    }
}

bool ClsEntfernenDlg::CanClose() {
    auswahl_.Entferne();
    return true;
}

bool RunEntfernenDlg(HWND owner, ClsListe& liste, int slot) {
    ClsEntfernenDlg dlg(owner, liste, slot);
    return dlg.Execute() == IDOK;
}
