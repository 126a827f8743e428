// ClsCheckBox and ClsMiniEdit.
#include "dialogs/ClsMarkenBox.h"

#include "core/ProgramPath.h"
#include "core/RegAccess.h"
#include "core/ResourceIds.h"
#include "settings/Settings.h"

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

std::string MarkenName(int n) {
    char name[24], standard[4], wert[MarkenLaenge + 1];
    wsprintfA(name, "SelectionMarker%d", n);
    wsprintfA(standard, "%d", n);
    return RegReadString(Hive::CurrentUser, RegPath::Address, name, standard, wert, sizeof wert);
}

ClsCheckBox::~ClsCheckBox() {
    if (box_ && IsWindow(box_)) SetWindowLongPtrA(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

void ClsCheckBox::Binde(HWND box) {
    box_ = box;
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

LRESULT CALLBACK ClsCheckBox::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ClsCheckBox*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_RBUTTONUP) {
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ClientToScreen(wnd, &p);
        self->BearbeiteMarke(p);
        return 0;
    }
    return CallWindowProcA(self->original_, wnd, msg, wp, lp);
}

void ClsCheckBox::BearbeiteMarke(POINT bildschirm) {
    char text[MarkenLaenge + 1] = {};
    GetWindowTextA(box_, text, sizeof text);
    ClsMiniEdit edit(GetParent(box_), bildschirm, text);
    if (edit.Execute() != IDOK) return;
    SetWindowTextA(box_, edit.Text().c_str());
    char name[24];
    wsprintfA(name, "SelectionMarker%d", GetDlgCtrlID(box_) - (IDC_ADRESSEN_FILTER1 - 1));
    RegWriteString(Hive::CurrentUser, RegPath::Address, name, edit.Text().c_str());
}
