// ClsEditTerm: the subclassed edit control of the in-place editing.
#include "views/ClsEditTerm.h"

#include "core/Host.h"
#include "views/InPlaceText.h"

#include <utility>

ClsEditTerm::ClsEditTerm(ClsEditTerm&& o) noexcept : wnd_(std::exchange(o.wnd_, nullptr)) {}

ClsEditTerm& ClsEditTerm::operator=(ClsEditTerm&& o) noexcept {
    if (this != &o) {
        Close();
        wnd_ = std::exchange(o.wnd_, nullptr);
    }
    return *this;
}

bool ClsEditTerm::Open(HWND parent, int x, int y, int width, const std::string& text) {
    Close();
    wnd_ = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, x, y,
                           width, Height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                           GetModuleHandleA(nullptr), nullptr);
    if (!wnd_) return false;
    SendMessageA(wnd_, EM_LIMITTEXT, EditTextLimit, 0);
    // The edit control's own procedure is kept in the window's user data.
    const LONG_PTR original = SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClsEditTerm::Proc));
    SetWindowLongPtrA(wnd_, GWLP_USERDATA, original);
    const int end = GetWindowTextLengthA(wnd_);
    SendMessageA(wnd_, EM_SETSEL, end, end);
    return true;
}

void ClsEditTerm::Close() {
    if (Exists()) DestroyWindow(wnd_);
    wnd_ = nullptr;
}

void ClsEditTerm::Focus() const {
    if (Exists()) SetFocus(wnd_);
}

std::string ClsEditTerm::FirstLine() const {
    char buffer[EditReadLimit + 1] = {};
    *reinterpret_cast<WORD*>(buffer) = EditReadLimit;  // EM_GETLINE reads the size from the buffer
    const LRESULT n = SendMessageA(wnd_, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, size_t(n > 0 && n <= EditReadLimit ? n : 0));
}

LRESULT CALLBACK ClsEditTerm::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CHAR && wp == VK_RETURN) {
        PostMessageA(GetParent(wnd), Msg::EndEdit, 0, 0);
        return 0;
    }
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    return original ? CallWindowProcA(original, wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
}
