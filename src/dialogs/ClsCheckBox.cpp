// ClsCheckBox: the subclassed check box and the marker names in the configuration.
#include "dialogs/ClsCheckBox.h"

#include "core/RegAccess.h"
#include "core/ResourceIds.h"
#include "dialogs/ClsMiniEdit.h"
#include "settings/Settings.h"

namespace {
std::string Schluessel(int n) { return "SelectionMarker" + std::to_string(n); }
}  // namespace

std::string MarkenName(int n) {
    char wert[MarkenLaenge + 1];
    return RegReadString(Hive::CurrentUser, RegPath::Address, Schluessel(n).c_str(), std::to_string(n).c_str(), wert,
                         sizeof wert);
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
    const int n = GetDlgCtrlID(box_) - (IDC_ADRESSEN_FILTER1 - 1);
    RegWriteString(Hive::CurrentUser, RegPath::Address, Schluessel(n).c_str(), edit.Text().c_str());
}
