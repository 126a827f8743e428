// Dialog: the DialogBoxParam thunk and the control helpers.
#include "framework/Dialog.h"

#include "framework/ReportCaught.h"

#include <exception>
#include <vector>

Dialog::Dialog(HWND parent, int templateId, HMODULE module)
    : parent_(parent), templateId_(templateId), module_(module) {}

INT_PTR Dialog::Execute() {
    return DialogBoxParamA(module_, MAKEINTRESOURCEA(templateId_), parent_, &Dialog::StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    // Never unwind into user32: report what was caught; a dialog whose set-up failed is
    // closed rather than shown half filled, any other keeps its state from before the message.
    try {
        return self->DialogProc(msg, wp, lp);
    } catch (const std::exception& e) {
        ReportCaught("dialog", msg, e.what());
    } catch (...) {
        ReportCaught("dialog", msg, "unknown exception");
    }
    if (msg == WM_INITDIALOG) EndDialog(hwnd, IDCANCEL);
    return FALSE;
}

INT_PTR Dialog::DialogProc(UINT msg, WPARAM wp, LPARAM lp) {
    INT_PTR result = FALSE;
    if (HandleMessage(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_INITDIALOG:
        Filling = true;
        SetupWindow();
        Filling = false;
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        const int notify = HIWORD(wp);
        if (OnCommand(id, notify, reinterpret_cast<HWND>(lp))) return TRUE;
        if (id == IDOK && notify == BN_CLICKED) {
            if (CanClose()) CloseDialog(IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

std::string Dialog::GetItemText(int id) const {
    HWND item = Item(id);
    const int len = GetWindowTextLengthA(item);
    std::vector<char> buf(static_cast<size_t>(len) + 1);
    GetWindowTextA(item, buf.data(), len + 1);
    return std::string(buf.data());
}

void Dialog::SetItemText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }

int Dialog::ListAdd(int id, const std::string& text) {
    return static_cast<int>(SendDlgItemMessageA(hwnd_, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
void Dialog::ListClear(int id) { SendDlgItemMessageA(hwnd_, id, LB_RESETCONTENT, 0, 0); }
int Dialog::ListSelection(int id) const { return static_cast<int>(SendDlgItemMessageA(hwnd_, id, LB_GETCURSEL, 0, 0)); }
void Dialog::ListSelect(int id, int index) { SendDlgItemMessageA(hwnd_, id, LB_SETCURSEL, index, 0); }

int Dialog::ComboAdd(int id, const std::string& text) {
    return static_cast<int>(SendDlgItemMessageA(hwnd_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
void Dialog::ComboClear(int id) { SendDlgItemMessageA(hwnd_, id, CB_RESETCONTENT, 0, 0); }
int Dialog::ComboSelection(int id) const { return static_cast<int>(SendDlgItemMessageA(hwnd_, id, CB_GETCURSEL, 0, 0)); }
void Dialog::ComboSelect(int id, int index) { SendDlgItemMessageA(hwnd_, id, CB_SETCURSEL, index, 0); }
