// ORDIVO.DLL as built: every string of the resource scripts is in the library with the
// same Windows-1252 text, and the menus and accelerators the program loads exist.
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "support/RcStringTable.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(ResourceLibrary, EveryScriptStringLoadsWithTheSameText) {
    const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    ASSERT_GT(strings.size(), 40u);
    for (const auto& [id, text] : strings) {
        char buf[1024] = {};
        LoadStringA(ResourceModule(), id, buf, sizeof buf);
        EXPECT_EQ(std::string(buf), text) << "string " << id;
    }
}

TEST(ResourceLibrary, LoadResStringAlternatesTwoBuffersOf256) {
    const char* a = LoadResString(1101);
    const char* b = LoadResString(1134);
    EXPECT_NE(a, b);
    EXPECT_EQ(std::string(b), "Fehler");
    EXPECT_EQ(std::string(a).substr(0, 6), "Ordivo");
    EXPECT_EQ(LoadResString(1201), a);  // third call reuses the first buffer
    EXPECT_STREQ(LoadResString(99999), "");
}

TEST(ResourceLibrary, MenusAndAccelerators) {
    HMENU commands = LoadMenuA(ResourceModule(), "COMMANDS");
    ASSERT_NE(commands, nullptr);
    for (UINT id : {101u, 102u, 103u, 104u, 109u, 351u, 352u, 353u, 402u, 405u, 901u, 904u}) {
        char text[80] = {};
        EXPECT_GT(GetMenuStringA(commands, id, text, sizeof text, MF_BYCOMMAND), 0) << id;
    }
    DestroyMenu(commands);

    HINSTANCE exe = GetModuleHandleA(nullptr);
    HMENU dummy = LoadMenuA(exe, "DUMMY");
    ASSERT_NE(dummy, nullptr);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(dummy, 0), 0), 109u);
    DestroyMenu(dummy);

    HACCEL accel = LoadAcceleratorsA(exe, "ACCELCOMMANDS");
    ASSERT_NE(accel, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableA(accel, entries, 4), 1);
    EXPECT_EQ(entries[0].key, VK_F1);
    EXPECT_EQ(entries[0].cmd, 901);
    EXPECT_TRUE(entries[0].fVirt & FVIRTKEY);
}
