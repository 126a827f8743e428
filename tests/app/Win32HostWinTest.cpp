// The product's Host: a message box belongs to the window that is active, so an open dialog
// stays disabled behind it and the calendar cannot be used while it is answered.
#include "app/Win32Host.h"
#include "support/WinKit.h"

TEST(Win32Host, MessageBoxIsOwnedByTheActiveWindow) {
    Win32Host host;
    HWND popup = CreateWindowExA(0, "STATIC", "Dialog", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(popup, nullptr);
    SetActiveWindow(popup);
    {
        kit::BoxAnswers boxes;
        host.MessageText("Text", "Ordivo", Mb::Ok);
        EXPECT_EQ(boxes.owners, std::vector<HWND>{popup});
    }
    DestroyWindow(popup);
}
