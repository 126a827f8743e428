// ClsMiniEdit: placed at the point, reads the label back on OK.
#include "dialogs/ClsMiniEdit.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"

ClsMiniEdit::ClsMiniEdit(HWND parent, POINT bildschirm, const std::string& text)
    : Dialog(parent, IDD_MARKE, ResourceModule()), punkt_(bildschirm), text_(text.substr(0, MarkenLaenge)) {}

void ClsMiniEdit::SetupWindow() {
    SetWindowPos(Handle(), nullptr, punkt_.x, punkt_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LimitText(IDC_MARKE_TEXT, MarkenLaenge);
    SetItemText(IDC_MARKE_TEXT, text_);
}

bool ClsMiniEdit::CanClose() {
    text_ = GetItemText(IDC_MARKE_TEXT).substr(0, MarkenLaenge);
    return true;
}
