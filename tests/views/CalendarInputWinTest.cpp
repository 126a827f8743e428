// The Win32 parts of the calendar input in-process: the context menu built from the
// resource library's texts with its check mark and greying, and the in-place edit control.
#include "core/ResString.h"
#include "core/Host.h"
#include "views/ClsEditTerm.h"
#include "views/ContextMenu.h"

#include <gtest/gtest.h>

namespace {

Termin On(int tag, uint16_t flags = 0) {
    Termin t;
    t.Start = MachZeitpunkt(2026, 12, tag, 9, 0);
    t.Ende = MachZeitpunkt(2026, 12, tag, 10, 0);
    t.Flags = flags;
    return t;
}

const Zeitpunkt Now = MachZeitpunkt(2026, 12, 5, 12, 0);

TEST(ContextMenuWin, ItemsTextsChecksAndGreying) {
    MenuHandle menu = BuildContextMenu(On(8), Now);
    ASSERT_NE(menu.Get(), nullptr);
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 6);
    const UINT commands[] = {822, 821, 823, 824, 826, 825};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(GetMenuItemID(menu.Get(), i), commands[i]);
        char text[64] = {};
        GetMenuStringA(menu.Get(), UINT(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, LoadResString(1301 + i));
        EXPECT_GT(strlen(text), 3u);
        EXPECT_EQ(GetMenuState(menu.Get(), UINT(i), MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED), 0u);
    }
    menu = BuildContextMenu(On(1), Now);  // past: shown done, no advance warning
    EXPECT_TRUE(GetMenuState(menu.Get(), 822, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu.Get(), 824, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu.Get(), 826, MF_BYCOMMAND) & MF_GRAYED);
    menu = BuildContextMenu(On(8, FlagJaehrlich | FlagJahresKopie), Now);
    for (UINT id : commands) EXPECT_TRUE(GetMenuState(menu.Get(), id, MF_BYCOMMAND) & MF_GRAYED) << id;
}

class EditTermWin : public testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND parent = nullptr;
};

TEST_F(EditTermWin, ControlIdStyleLimitAndCaret) {
    ClsEditTerm edit;
    ASSERT_TRUE(edit.Open(parent, 10, 20, 200, "10:00 Arzt"));
    HWND w = edit.Handle();
    EXPECT_EQ(GetDlgCtrlID(w), 222);
    EXPECT_EQ(GetParent(w), parent);
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    // Wine: the edit control takes WS_BORDER out of its style and draws the border inside
    // its client area, so only the screenshots show it.
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.bottom - r.top, 24);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(SendMessageA(w, EM_GETLIMITTEXT, 0, 0), 64);
    DWORD from = 0, to = 0;
    SendMessageA(w, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(from, 10u);
    EXPECT_EQ(to, 10u);
}

TEST_F(EditTermWin, EnterPostsTheEndOfEditingAndOtherKeysType) {
    ClsEditTerm edit;
    ASSERT_TRUE(edit.Open(parent, 0, 0, 200, "abc"));
    SendMessageA(edit.Handle(), WM_CHAR, 'x', 0);
    SendMessageA(edit.Handle(), WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(edit.FirstLine(), "abcx");
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, parent, Msg::EndEdit, Msg::EndEdit, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&msg, parent, Msg::EndEdit, Msg::EndEdit, PM_REMOVE));  // once
}

TEST_F(EditTermWin, FirstLineReadsAtMost63CharactersAndOwnershipMoves) {
    ClsEditTerm edit;
    ASSERT_TRUE(edit.Open(parent, 0, 0, 200, std::string(70, 'z')));
    EXPECT_EQ(edit.FirstLine(), std::string(63, 'z'));
    SetWindowTextA(edit.Handle(), "");
    EXPECT_EQ(edit.FirstLine(), "");

    HWND w = edit.Handle();
    ClsEditTerm taken = std::move(edit);
    EXPECT_FALSE(edit.IsOpen());
    EXPECT_EQ(taken.Handle(), w);
    taken.Close();
    EXPECT_FALSE(IsWindow(w));
    // A control destroyed with its parent is closed without fault.
    ASSERT_TRUE(taken.Open(parent, 0, 0, 100, ""));
    DestroyWindow(taken.Handle());
    EXPECT_FALSE(taken.Exists());
    taken.Close();
    EXPECT_FALSE(taken.IsOpen());
}

}  // namespace
