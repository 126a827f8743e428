// Start-up and shutdown of the real ordivo.exe: the missing resource library, the second
// copy question, window title and classes, the painted views, the start picture, the
// window position, closing by command 109 and by the system menu.
#include "support/WinKit.h"

#include <memory>

using namespace kit;

namespace {
class Startup : public testing::Test {
protected:
    void SetUp() override { FreshOrdivoSettings(); }
    void TearDown() override { DeleteOrdivoSettings(); }

    // Closes the program through command 109 and expects a clean exit.
    static void ExitByCommand(Program& p, HWND frame) {
        PostCommand(FindChild(frame, "OrdivoCalendar"), 109);
        EXPECT_EQ(p.Wait(), 0);
    }
};

// Runs a copy of ordivo.exe from a directory without ORDIVO.DLL: caption|text|exit code.
std::string RunWithoutLibrary() {
    const std::string dir = MakeTempDir("nodll"), exe = dir + "\\ordivo.exe";
    if (!CopyFileA((BinDir() + "\\ordivo.exe").c_str(), exe.c_str(), FALSE)) return "copy failed";
    std::string result = "no message box";
    {
        Program p;
        if (HWND box = p.Start("", exe) ? p.WaitDialog() : nullptr) {
            result = WindowText(box) + "|" + MessageBoxText(box);
            ClickButton(box, IDOK);
            result += "|" + std::to_string(p.Wait());
        }
    }
    DeleteFileA(exe.c_str());
    RemoveDirectoryA(dir.c_str());
    return result;
}
}  // namespace

TEST_F(Startup, MissingLibraryShowsGermanOrEnglishTextAndExitsWithZero) {
    EXPECT_EQ(RunWithoutLibrary(), "Ordivo|Fehler beim Laden der ORDIVO.DLL.\nDiese mu\xDF sich im selben Verzeichnis "
                                   "befinden, wie ORDIVO.EXE.|0");
    SavedValue locale("Control Panel\\International", "Locale");
    SetUserString("Control Panel\\International", "Locale", "00000409");
    EXPECT_EQ(RunWithoutLibrary(), "Ordivo|Error on loading ORDIVO.DLL.\nIt has to be in the same directory as "
                                   "ORDIVO.EXE.|0");
}

// The view commands 351-353 switch the painted view: the grid filled white on the light
// yellow background, and only the week and month views with the magenta selection frame.
TEST_F(Startup, MainFrameTitleClassesBarsTheThreePaintedViewsAndTheSecondCopyQuestion) {
    Program p;
    ASSERT_TRUE(p.Start("-x"));  // "-x" is not a file name: no file is opened
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowText(frame), "Ordivo - [Unbenannt]");
    EXPECT_EQ(ClassOf(frame), "OrdivoFrame");
    HWND client = FindChild(frame, "OrdivoCalendar");
    ASSERT_NE(client, nullptr);
    EXPECT_NE(FindChild(frame, "OrdivoStatusBar"), nullptr);
    EXPECT_NE(FindChild(frame, "OrdivoControlBar"), nullptr);
    EXPECT_EQ(GetClassLongPtrA(client, GCL_STYLE) & CS_DBLCLKS, ULONG_PTR(CS_DBLCLKS));
    EXPECT_NE(GetMenu(frame), nullptr);

    Surface(frame, false).SavePng("startup-frame");
    WaitFor([&] { return !p.FindWindowOf("OrdivoStart"); }, 5000);
    const char* names[] = {"views-e2e-day", "views-e2e-week", "views-e2e-month"};
    for (int mode = 0; mode < 3; ++mode) {
        PostCommand(client, 351 + mode);
        Sync(frame);
        Repaint(client);
        // Wine copies the window's drawing to the screen a moment later: wait for the grid.
        std::unique_ptr<Surface> shot;
        EXPECT_TRUE(WaitFor([&] {
            shot = std::make_unique<Surface>(client);
            return shot->Width() > 200 && shot->Pixel(1, 1) == RGB(255, 255, 224) &&
                   shot->Count(RGB(255, 255, 255)) > shot->Width() * shot->Height() / 3 &&
                   (mode == 0 ? shot->Count(RGB(255, 0, 255)) == 0 : shot->Count(RGB(255, 0, 255)) > 40);
        }, 2000)) << "view " << mode;
        shot->SavePng(names[mode]);
    }

    // A second copy asks; No ends it before any window, Yes starts it.
    Program second, third;
    ASSERT_TRUE(second.Start());
    HWND question = second.WaitDialog();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(WindowText(question), "Ordivo");
    EXPECT_NE(MessageBoxText(question).find("l\xE4uft bereits"), std::string::npos);
    EXPECT_EQ(second.FindWindowOf("OrdivoFrame"), nullptr);
    ClickButton(question, IDNO);
    EXPECT_EQ(second.Wait(), 0);
    ASSERT_TRUE(third.Start());
    question = third.WaitDialog();
    ASSERT_NE(question, nullptr);
    ClickButton(question, IDYES);
    HWND thirdFrame = third.WaitWindow("OrdivoFrame");
    ASSERT_NE(thirdFrame, nullptr);
    ExitByCommand(third, thirdFrame);
    ExitByCommand(p, frame);
}

TEST_F(Startup, StartPictureForThreeSecondsThenTheFrameAtItsPositionWhichTheSystemMenuCloseSaves) {
    SetUserString("Software\\kdw\\Ordivo\\View", "WindowPos", "-20,30,640,480");
    Program p;
    ASSERT_TRUE(p.Start());
    HWND picture = p.WaitWindow("OrdivoStart", 5000);
    ASSERT_NE(picture, nullptr);
    RECT r;
    GetWindowRect(picture, &r);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}),  // centred, 20 above the middle
              std::vector<LONG>({(sw - 340) / 2, (sh - 200) / 2 - 20, (sw - 340) / 2 + 340, (sh - 200) / 2 + 180}));
    Surface(picture, false).SavePng("start-window");
    Sleep(3500);
    EXPECT_FALSE(IsWindow(picture));
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    GetWindowRect(frame, &r);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({-20, 30, 620, 510}));
    PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(p.Wait(), 0);
    EXPECT_EQ(UserString("Software\\kdw\\Ordivo\\View", "WindowPos"), "-20,30,640,480");
    EXPECT_EQ(UserString("Software\\kdw\\Ordivo\\General", "ShowMenu"), "1");
}
