// ClsListEditDlg: the command hook that marks edits, button enabling, and the Add, Change,
// Delete, New and Load sequences around the virtual operations.
#include "dialogs/ClsListEditDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"

ClsListEditDlg::ClsListEditDlg(HWND parent, int templateId) : Dialog(parent, templateId, ResourceModule()) {}

void ClsListEditDlg::SetupWindow() {
    changed_ = modified_ = existingLoaded_ = false;
    Refresh();
    AfterSetup();
    UpdateButtons();
}

bool ClsListEditDlg::CanClose() {
    if (!modified_) return true;
    return Message(IDS_AENDERUNGEN_VERWERFEN, IDS_TITEL_FRAGE, Mb::YesNo | Mb::IconQuestion) == Mb::IdYes;
}

void ClsListEditDlg::UpdateButtons() {
    EnableItem(IDC_LISTEDIT_HINZUFUEGEN, modified_ && CanAdd());
    EnableItem(IDC_LISTEDIT_AENDERN, modified_ && existingLoaded_ && CanChange());
    EnableItem(IDC_LISTEDIT_LOESCHEN, !modified_ && CanDelete());
}

bool ClsListEditDlg::OnCommand(int id, int notify, HWND) {
    const bool feld = (id >= 200 && id <= 299 && notify == EN_CHANGE) || (id >= 300 && id <= 399 && notify == BN_CLICKED);
    if (!Filling && feld) MarkModified();
    if (id == IDC_LISTEDIT_LISTE && notify == LBN_DBLCLK) Load(ListSelection(IDC_LISTEDIT_LISTE));
    if (id == IDC_LISTEDIT_AUSWAHL && notify == CBN_SELCHANGE && !Filling) Load(ComboSelection(IDC_LISTEDIT_AUSWAHL));
    if (notify != BN_CLICKED) return false;
    switch (id) {
    case IDC_LISTEDIT_HINZUFUEGEN: Add(); return true;
    case IDC_LISTEDIT_LOESCHEN: DeleteEntry(); return true;
    case IDC_LISTEDIT_AENDERN: Change(); return true;
    case IDC_LISTEDIT_NEU: New(); return true;
    case IDC_LISTEDIT_HILFE: Help(); return true;
    case IDOK: return true;  // Enter in a field neither adds nor closes
    case IDCANCEL: return !CanClose();  // Close, Esc: typed fields are dropped only after the question
    default: return false;
    }
}

void ClsListEditDlg::MarkModified() {
    modified_ = true;
    UpdateButtons();
}

void ClsListEditDlg::OnCancel() { CloseDialog(Result()); }

void ClsListEditDlg::Help() { GetHost().Beep(); }

void ClsListEditDlg::Add() {
    // Choice: a refused entry keeps the fields modified, so nothing typed is lost.
    if (!AddFromFields()) return;
    Refresh();
    existingLoaded_ = true;
    modified_ = false;
    UpdateButtons();
    changed_ = true;
}

void ClsListEditDlg::Change() {
    if (!FieldsValid()) return;
    changeMode_ = true;
    OnCommand(IDC_LISTEDIT_LOESCHEN, BN_CLICKED, nullptr);
    OnCommand(IDC_LISTEDIT_HINZUFUEGEN, BN_CLICKED, nullptr);
    changeMode_ = false;
}

void ClsListEditDlg::New() {
    if (!CanClose()) return;
    ClearFields();
    existingLoaded_ = modified_ = false;
    UpdateButtons();
}

void ClsListEditDlg::Load(int index) {
    if (index < 0 || !CanClose() || !LoadEntry(index)) return;
    existingLoaded_ = true;
    modified_ = false;
    UpdateButtons();
}
