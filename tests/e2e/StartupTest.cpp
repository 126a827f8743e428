// Start-up and shutdown of the real ordivo.exe: the missing resource library, the second
// copy question, the command-line rule, window title and classes, closing by command 109.
#include "e2e/Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {
constexpr const char* kInternational = "Control Panel\\International";

class Startup : public testing::Test {
protected:
    void SetUp() override {
        DeleteOrdivoSettings();
        SetUserString("Software\\kdw\\Ordivo\\General", "FirstStart", "0");
    }
    void TearDown() override { DeleteOrdivoSettings(); }

    // Closes the program through command 109 and expects a clean exit.
    static void ExitByCommand(Program& p, HWND frame) {
        HWND client = FindChild(frame, "OrdivoCalendar");
        ASSERT_NE(client, nullptr);
        PostCommand(client, 109);
        EXPECT_EQ(p.Wait(), 0);
    }
};

// Runs ordivo.exe from a directory without ORDIVO.DLL and returns the message shown.
std::string RunWithoutLibrary(int* exitCode) {
    const std::string dir = MakeTempDir("nodll");
    const std::string exe = dir + "\\ordivo.exe";
    if (!CopyFileTo(BinDir() + "\\ordivo.exe", exe)) return "copy failed";
    Program p;
    if (!p.Start("", exe)) return "start failed";
    HWND box = p.WaitDialog();
    if (!box) return "no message box";
    std::string text = MessageBoxText(box);
    const std::string caption = WindowText(box);
    ClickButton(box, IDOK);
    *exitCode = p.Wait();
    DeleteFileA(exe.c_str());
    RemoveDirectoryA(dir.c_str());
    return caption + "|" + text;
}
}  // namespace

TEST_F(Startup, MissingLibraryShowsGermanOrEnglishTextAndExitsWithZero) {
    const std::string savedLocale = GetUserString(kInternational, "Locale");
    int code = -2;
    EXPECT_EQ(RunWithoutLibrary(&code),
              "Ordivo|Fehler beim Laden der ORDIVO.DLL.\nDiese mu\xDF sich im selben Verzeichnis befinden, "
              "wie ORDIVO.EXE.");
    EXPECT_EQ(code, 0);

    SetUserString(kInternational, "Locale", "00000409");
    code = -2;
    EXPECT_EQ(RunWithoutLibrary(&code),
              "Ordivo|Error on loading ORDIVO.DLL.\nIt has to be in the same directory as ORDIVO.EXE.");
    EXPECT_EQ(code, 0);
    SetUserString(kInternational, "Locale", savedLocale.c_str());
}

TEST_F(Startup, MainFrameTitleClassesStatusBarAndBackground) {
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
    EXPECT_EQ(GetClassLongPtrA(client, GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
    EXPECT_NE(GetMenu(frame), nullptr);

    Sync(frame);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sync(frame);
    const Capture shot = CaptureWindow(client);
    ASSERT_GT(shot.width, 100);
    // Corners: the start picture may still cover the middle.
    EXPECT_EQ(shot.Pixel(4, 4), RGB(255, 255, 224));
    EXPECT_EQ(shot.Pixel(shot.width - 5, shot.height - 5), RGB(255, 255, 224));
    SavePng(CaptureWindow(frame, false), "startup-frame");
    ExitByCommand(p, frame);
}

TEST_F(Startup, StartPictureIsCentredAboveTheMiddleForThreeSeconds) {
    Program p;
    ASSERT_TRUE(p.Start());
    HWND picture = p.WaitWindow("OrdivoStart", 5000);
    ASSERT_NE(picture, nullptr);
    RECT r;
    GetWindowRect(picture, &r);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.left, (sw - 340) / 2);
    EXPECT_EQ(r.top, (sh - 200) / 2 - 20);
    EXPECT_EQ(r.right - r.left, 340);
    EXPECT_EQ(r.bottom - r.top, 200);
    SavePng(CaptureWindow(picture, false), "start-window");
    Sleep(3500);
    EXPECT_FALSE(IsWindow(picture));
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    ExitByCommand(p, frame);
}

TEST_F(Startup, SecondCopyAsksAndNoEndsItBeforeAnyWindow) {
    Program first;
    ASSERT_TRUE(first.Start());
    HWND frame = first.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);

    Program second;
    ASSERT_TRUE(second.Start());
    HWND question = second.WaitDialog();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(WindowText(question), "Ordivo");
    EXPECT_NE(MessageBoxText(question).find("l\xE4uft bereits"), std::string::npos);
    EXPECT_EQ(second.FindWindowOf("OrdivoFrame"), nullptr);
    ClickButton(question, IDNO);
    EXPECT_EQ(second.Wait(), 0);

    Program third;
    ASSERT_TRUE(third.Start());
    question = third.WaitDialog();
    ASSERT_NE(question, nullptr);
    ClickButton(question, IDYES);
    HWND thirdFrame = third.WaitWindow("OrdivoFrame");
    ASSERT_NE(thirdFrame, nullptr);
    ExitByCommand(third, thirdFrame);
    ExitByCommand(first, frame);
}

TEST_F(Startup, SystemMenuCloseEndsCleanlyAndSavesWindowPosition) {
    SetUserString("Software\\kdw\\Ordivo\\View", "WindowPos", "-20,30,640,480");
    Program p;
    ASSERT_TRUE(p.Start());
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.left, -20);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(p.Wait(), 0);
    EXPECT_EQ(GetUserString("Software\\kdw\\Ordivo\\View", "WindowPos"), "-20,30,640,480");
    EXPECT_EQ(GetUserString("Software\\kdw\\Ordivo\\General", "ShowMenu"), "1");
}
