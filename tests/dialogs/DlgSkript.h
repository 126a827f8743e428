// Drives a running dialog from a script on its own thread: control texts typed like a
// user, clicks, check states, and a screenshot of the dialog as shown on the screen.
#pragma once
#include "support/WinKit.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Controls of the running dialog, used from the script (same thread, so every call is direct).
struct Dlg {
    HWND h;
    HWND Item(int id) const { return GetDlgItem(h, id); }
    // Typed text: replaces the whole content like a user would (a multi-line edit reports
    // no change for WM_SETTEXT).
    void Text(int id, const std::string& s) const {
        SendMessageA(Item(id), EM_SETSEL, 0, -1);
        SendMessageA(Item(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(s.c_str()));
    }
    std::string Text(int id) const { return kit::WindowText(Item(id)); }
    void Klick(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void Fokus(int id) const { SendMessageA(h, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE); }
    bool An(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Markiert(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The lines of a list box (120: the appointment dialog's list).
    std::vector<std::string> Zeilen(int liste = 120) const {
        std::vector<std::string> out(size_t(SendMessageA(Item(liste), LB_GETCOUNT, 0, 0)));
        for (size_t i = 0; i < out.size(); ++i) {
            std::vector<char> buf(size_t(SendMessageA(Item(liste), LB_GETTEXTLEN, i, 0)) + 1);
            SendMessageA(Item(liste), LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf.data()));
            out[i] = buf.data();
        }
        return out;
    }
    // A user's pick of list line i.
    void Waehle(int i) const {
        SendMessageA(Item(120), LB_SETCURSEL, i, 0);
        SendMessageA(h, WM_COMMAND, MAKEWPARAM(120, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(120)));
    }
    std::string Titel() const { return kit::WindowText(h); }
    // The dialog as shown on the screen, into build/screenshots/<name>.png.
    void Bild(const std::string& name) const {
        SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);  // controls too
        kit::Repaint(h);
        kit::Pump(300);  // Wine: what was painted reaches the X screen at the next idle flush
        const kit::Surface bild(h, false);
        EXPECT_LT(bild.Count(RGB(0, 0, 0)), bild.Width() * bild.Height() / 4);  // painted, not a black read-back
        EXPECT_TRUE(bild.SavePng(name));
    }
    // A user's pick in a drop-down list.
    void Waehle(int id, int i) const {
        SendMessageA(Item(id), CB_SETCURSEL, i, 0);
        SendMessageA(h, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    }
};

// Opens a dialog with `run`, plays `script` on it (kit::PlayOnDialog) and returns what `run` returns.
template <class Run>
auto Fahre(kit::BoxAnswers& boxes, const std::function<void(const Dlg&)>& script, Run run) {
    decltype(run()) result{};
    kit::PlayOnDialog(boxes, [&](HWND h) { script(Dlg{h}); }, [&] { result = run(); });
    return result;
}
