// ORDIVO.DLL as built: every string of the resource scripts is in the library with the
// same Windows-1252 text, LoadResString hands them out in two alternating buffers, and
// the menus and accelerators the program loads exist.
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
    const char *a = LoadResString(1101), *b = LoadResString(1134);
    EXPECT_TRUE(a != b && a == strings.at(1101) && b == strings.at(1134));
    EXPECT_EQ(LoadResString(1201), a);  // the third call reuses the first buffer
    EXPECT_STREQ(LoadResString(99999), "");
}

TEST(ResourceLibrary, MenusAndAcceleratorsLoad) {
    for (HMENU menu : {LoadMenuA(ResourceModule(), "COMMANDS"), LoadMenuA(GetModuleHandleA(nullptr), "DUMMY")}) {
        EXPECT_NE(menu, nullptr);
        DestroyMenu(menu);
    }
    EXPECT_NE(LoadAcceleratorsA(GetModuleHandleA(nullptr), "ACCELCOMMANDS"), nullptr);
}
