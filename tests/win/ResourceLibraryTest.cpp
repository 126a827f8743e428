// ORDIVO.DLL as built: every string of the resource scripts is in the library with the
// same Windows-1252 text, LoadResString hands them out in two alternating buffers, and
// the menus and accelerators the program loads exist, and every dialog shows its texts whole.
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "support/RcStringTable.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

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

namespace {
BOOL CALLBACK SammleVorlage(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
    reinterpret_cast<std::vector<LPSTR>*>(ids)->push_back(name);  // numbered templates only
    return TRUE;
}
INT_PTR CALLBACK OhneReaktion(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Pixels a control needs beside its text: 0 for a label, the box and gap of a check box or
// radio button, a push button's frame; -1 for a control whose text is not measured.
int Rand(HWND c) {
    char cls[16] = {};
    GetClassNameA(c, cls, sizeof cls);
    const LONG style = GetWindowLongA(c, GWL_STYLE);
    if (lstrcmpiA(cls, "Static") == 0) return (style & SS_TYPEMASK) <= SS_RIGHT ? 0 : -1;
    if (lstrcmpiA(cls, "Button") != 0) return -1;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return 17;
    case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: return 4;
    default: return -1;
    }
}
}  // namespace

// Labels, check boxes, radio buttons and push buttons of every template show their whole text
// in the dialog's font; a label that wraps needs the height of its lines.
TEST(ResourceLibrary, EveryDialogTextFitsItsControl) {
    std::vector<LPSTR> ids;
    EnumResourceNamesA(ResourceModule(), RT_DIALOG, SammleVorlage, LONG_PTR(&ids));
    ASSERT_GT(ids.size(), 10u);
    HDC dc = GetDC(nullptr);
    for (LPSTR id : ids) {
        HWND dlg = CreateDialogParamA(ResourceModule(), id, nullptr, OhneReaktion, 0);
        ASSERT_NE(dlg, nullptr) << reinterpret_cast<INT_PTR>(id);
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char text[256] = {};
            GetWindowTextA(c, text, sizeof text);
            const int rand = Rand(c);
            if (!text[0] || rand < 0) continue;
            const bool label = rand == 0;
            RECT platz, noetig;
            GetClientRect(c, &platz);
            noetig = RECT{0, 0, platz.right - rand, 0};
            HGDIOBJ alt = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
            DrawTextA(dc, text, -1, &noetig, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
            SelectObject(dc, alt);
            EXPECT_LE(noetig.right + rand, platz.right) << "dialog " << reinterpret_cast<INT_PTR>(id) << ": " << text;
            if (label) {
                EXPECT_LE(noetig.bottom, platz.bottom) << "dialog " << reinterpret_cast<INT_PTR>(id) << ": " << text;
            }
        }
        DestroyWindow(dlg);
    }
    ReleaseDC(nullptr, dc);
}
