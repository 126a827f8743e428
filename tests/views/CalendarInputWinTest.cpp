// The Win32 parts of the calendar input in-process: the context menu built from the
// resource library's texts with its check mark and greying, and the in-place edit control.
#include "core/Host.h"
#include "core/ResString.h"
#include "store/TerminFixtures.h"
#include "views/ClsEditTerm.h"
#include "views/ContextMenu.h"
#include "views/ContextMenuRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ContextMenuWin, TheMenuShowsTheItemsOfTheRules) {
    const Zeitpunkt now = MachZeitpunkt(2026, 12, 5, 12, 0);
    for (const Termin& t : {MachTermin(2026, 12, 8, 9, 0, 10, 0), MachTermin(2026, 12, 1, 9, 0, 10, 0),
                            MachTermin(2026, 12, 8, 9, 0, 10, 0, FlagJaehrlich | FlagJahresKopie)}) {
        const MenuHandle menu = BuildContextMenu(t, now);
        const auto items = ContextMenuItems(t, now);
        ASSERT_EQ(GetMenuItemCount(menu.Get()), int(items.size()));
        for (UINT i = 0; i < items.size(); ++i) {
            char text[64] = {};
            GetMenuStringA(menu.Get(), i, text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(menu.Get(), int(i)), items[i].Command);
            EXPECT_STREQ(text, LoadResString(items[i].TextId));
            const UINT state = GetMenuState(menu.Get(), i, MF_BYPOSITION);
            EXPECT_EQ((state & MF_GRAYED) != 0, items[i].Greyed) << items[i].Command;
            EXPECT_EQ((state & MF_CHECKED) != 0, items[i].Checked) << items[i].Command;
        }
    }
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

TEST_F(EditTermWin, ControlIdStyleLimitCaretAndEnter) {
    ClsEditTerm edit;
    ASSERT_TRUE(edit.Open(parent, 10, 20, 200, "10:00 Arzt"));
    HWND w = edit.Handle();
    EXPECT_TRUE(GetDlgCtrlID(w) == 222 && GetParent(w) == parent);
    // Wine: the edit control takes WS_BORDER out of its style and draws the border inside
    // its client area, so only the screenshots show it.
    EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & ES_AUTOHSCROLL);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(std::vector<LONG>({r.right - r.left, r.bottom - r.top}), std::vector<LONG>({200, 24}));
    EXPECT_EQ(SendMessageA(w, EM_GETLIMITTEXT, 0, 0), 64);
    DWORD from = 0, to = 0;
    SendMessageA(w, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(DWORD(10), DWORD(10)));  // the caret at the end

    SendMessageA(w, WM_CHAR, 'x', 0);
    SendMessageA(w, WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(edit.FirstLine(), "10:00 Arztx");
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
    EXPECT_TRUE(!edit.IsOpen() && taken.Handle() == w);
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
