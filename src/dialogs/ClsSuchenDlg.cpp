// ClsSuchenDlg: search button, order options, the result list and Go to.
#include "dialogs/ClsSuchenDlg.h"

#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "store/Suche.h"

#include <vector>

namespace {
constexpr int HilfeKontext = 3603;
}

ClsSuchenDlg::ClsSuchenDlg(HWND parent, ClsListe& liste)
    : Dialog(parent, IDD_SUCHEN, ResourceModule()), liste_(liste) {}

void ClsSuchenDlg::SetupWindow() {
    LimitText(IDC_SUCHEN_TEXT, TerminBild::KurzbeschrLaenge - 1);
    SetChecked(IDC_SUCHEN_NACH_DATUM, true);
}

bool ClsSuchenDlg::OnCommand(int id, int notify, HWND) {
    switch (id) {
    case IDC_SUCHEN_STARTEN:
        // Enter on a hit goes to it, like a double click; a new search would drop the choice.
        if (GetFocus() == Item(IDC_SUCHEN_LISTE) && ListSelection(IDC_SUCHEN_LISTE) >= 0) {
            GeheZu();
            return true;
        }
        gesucht_ = GetItemText(IDC_SUCHEN_TEXT).substr(0, TerminBild::KurzbeschrLaenge - 1);
        gespeichert_ = true;
        Suchen();
        return true;
    case IDC_SUCHEN_NACH_TEXT:
    case IDC_SUCHEN_NACH_DATUM:
        // Choice: an empty text counts as stored once it was searched for (it matches all).
        if (notify == BN_CLICKED && !Filling && gespeichert_) Suchen();
        return true;
    case IDC_SUCHEN_LISTE:
        if (notify == LBN_DBLCLK) GeheZu();
        return true;
    case IDC_SUCHEN_GEHE_ZU: GeheZu(); return true;
    case IDC_SUCHEN_HILFE: OpenHelp(Handle(), HilfeKontext); return true;
    case IDOK: return true;  // Enter runs the default button, Search
    default: return false;
    }
}

void ClsSuchenDlg::Suchen() {
    const std::vector<std::string> zeilen = Suche(liste_, gesucht_, IsChecked(IDC_SUCHEN_NACH_TEXT));
    HWND liste = Item(IDC_SUCHEN_LISTE);
    SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
    ListClear(IDC_SUCHEN_LISTE);
    for (const std::string& zeile : zeilen) ListAdd(IDC_SUCHEN_LISTE, zeile);
    SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(liste, nullptr, TRUE);
    if (zeilen.empty()) Message(IDS_KEIN_TREFFER, IDS_TITEL_SUCHEN, Mb::Ok | Mb::IconExclamation);
}

void ClsSuchenDlg::GeheZu() {
    const int zeile = ListSelection(IDC_SUCHEN_LISTE);
    if (zeile < 0) return;
    HWND liste = Item(IDC_SUCHEN_LISTE);
    std::vector<char> text(size_t(SendMessageA(liste, LB_GETTEXTLEN, zeile, 0)) + 1);
    SendMessageA(liste, LB_GETTEXT, zeile, reinterpret_cast<LPARAM>(text.data()));
    const int slot = FindeSuchZeile(liste_, text.data());
    if (slot < 0) return;
    const Zeitpunkt& start = liste_.Satz(slot).Start;
    ziel_ = MachZeitpunkt(start.Jahr, start.Monat, start.Tag);
    CloseDialog(IDOK);
}

Zeitpunkt RunSuchenDlg(HWND owner, ClsListe& liste) {
    ClsSuchenDlg dlg(owner, liste);
    dlg.Execute();
    return dlg.Ziel();
}
