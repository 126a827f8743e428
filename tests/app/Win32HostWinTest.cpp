// The product's Host: a message box belongs to the window that is active, so an open dialog
// stays disabled behind it and the calendar cannot be used while it is answered.
#include "app/Win32Host.h"

#include <gtest/gtest.h>

namespace {
HWND shownOwner = nullptr;
HHOOK hook = nullptr;

// Notes the owner of the message box as it is activated and closes it.
LRESULT CALLBACK CloseBox(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        char cls[16] = {};
        GetClassNameA(HWND(wp), cls, sizeof cls);
        if (std::string(cls) == "#32770") {
            shownOwner = GetWindow(HWND(wp), GW_OWNER);
            PostMessageA(HWND(wp), WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wp, lp);
}
}  // namespace

TEST(Win32Host, MessageBoxIsOwnedByTheActiveWindow) {
    Win32Host host;
    HWND popup = CreateWindowExA(0, "STATIC", "Dialog", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(popup, nullptr);
    SetActiveWindow(popup);
    hook = SetWindowsHookExA(WH_CBT, &CloseBox, nullptr, GetCurrentThreadId());
    host.MessageText("Text", "Ordivo", Mb::Ok);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(shownOwner, popup);
    DestroyWindow(popup);
}
