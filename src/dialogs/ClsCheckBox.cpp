// ClsCheckBox: the subclassed check box and the marker names in the configuration.
#include "dialogs/ClsCheckBox.h"

#include "core/RegAccess.h"
#include "core/ResourceIds.h"
#include "dialogs/ClsMiniEdit.h"
#include "settings/Settings.h"

namespace {
std::string Schluessel(int n) { return "SelectionMarker" + std::to_string(n); }

// The label back from a check box text.
std::string AusBeschriftung(HWND box) {
    std::string text(size_t(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(box, text.data(), int(text.size()))));
    for (size_t i = text.find("&&"); i != std::string::npos; i = text.find("&&", i + 1)) text.erase(i, 1);
    return text;
}
}  // namespace

std::string MarkenName(int n) {
    char wert[MarkenLaenge + 1];
    return RegReadString(Hive::CurrentUser, RegPath::Address, Schluessel(n).c_str(), std::to_string(n).c_str(), wert,
                         sizeof wert);
}

std::string MarkenBeschriftung(std::string name) {
    for (size_t i = name.find('&'); i != std::string::npos; i = name.find('&', i + 2)) name.insert(i, 1, '&');
    return name;
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
    ClsMiniEdit edit(GetParent(box_), bildschirm, AusBeschriftung(box_));
    if (edit.Execute() != IDOK) return;
    SetWindowTextA(box_, MarkenBeschriftung(edit.Text()).c_str());
    const int n = GetDlgCtrlID(box_) - (IDC_ADRESSEN_FILTER1 - 1);
    RegWriteString(Hive::CurrentUser, RegPath::Address, Schluessel(n).c_str(), edit.Text().c_str());
}
