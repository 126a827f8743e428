// File commands of the real program: save with backup, save-as exports that leave the
// open file alone, the overwrite question reopening the dialog, new with auto-save on.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

using namespace kit;

namespace {
constexpr const char* kGeneral = "Software\\kdw\\Ordivo\\General";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        FreshOrdivoSettings();
        dir = MakeTempDir("files");
        file = dir + "\\B\xFCro Kalender.odv";  // an umlaut and a blank in the path
        Dokument doc;  // two appointments, written by the program's own writer
        doc.Neu();
        doc.Liste.Einfuegen(MachTermin(2026, 12, 7, 9, 30, 10, 0, 0, "Zahnarzt"));
        doc.Liste.Einfuegen(MachTermin(2026, 12, 9, 9, 30, 10, 0, 0, "Besprechung"));
        ASSERT_TRUE(SchreibeDatei(doc, file, ModusKalender));
        original = LiesBytes(file);
        ASSERT_TRUE(program.Start(file));
        frame = program.WaitWindow("OrdivoFrame");
        ASSERT_NE(frame, nullptr);
        client = FindChild(frame, "OrdivoCalendar");
        ASSERT_NE(client, nullptr);
    }
    void TearDown() override {
        if (program.Running()) {
            PostCommand(client, 109);
            EXPECT_EQ(program.Wait(), 0);
        }
        DeleteOrdivoSettings();
    }

    // Fills the save dialog: name, file type (0-based) and OK.
    void AnswerSaveDialog(const std::string& name, int type) {
        HWND dlg = program.WaitDialog();
        ASSERT_NE(dlg, nullptr);
        HWND types = GetDlgItem(dlg, 0x470);  // cmb1: file types
        ASSERT_NE(types, nullptr);
        SendMessageA(types, CB_SETCURSEL, type, 0);
        // Wine: the dialog takes the type from CBN_SELENDOK.
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), LPARAM(types));
        ASSERT_TRUE(EnterFileName(dlg, name));
    }

    Program program;
    std::string dir, file, original;
    HWND frame = nullptr, client = nullptr;
};
}  // namespace

// One run: an export, two saves, a refused overwrite, then New with auto-save on.
TEST_F(FileCommands, ExportSaveWithBakOverwriteNoAndNewWithAutoSave) {
    std::string upper = file;
    CharUpperA(&upper[0]);
    const std::string title = WindowText(frame), dbf = dir + "\\termine.dbf", bak = dir + "\\B\xFCro Kalender.BAK";
    EXPECT_EQ(title, "Ordivo - [" + upper + "]");
    PostCommand(client, 104);
    AnswerSaveDialog(dbf, 1);  // appointments as dBase table
    ASSERT_TRUE(WaitFor([&] { return Exists(dbf); }));
    Sync(client);
    const std::string bytes = LiesBytes(dbf);
    ASSERT_GT(bytes.size(), 32u);
    EXPECT_EQ(uint8_t(bytes[0]), 0x03);  // dBase III without memo
    EXPECT_EQ(WindowText(frame), title);
    EXPECT_EQ(LiesBytes(file), original);  // the open file was not written

    SendCommand(client, 103);  // still to the open file, the previous version kept as .BAK
    ASSERT_TRUE(Exists(bak));
    EXPECT_EQ(LiesBytes(bak), original);
    const std::string first = LiesBytes(file);
    EXPECT_EQ(first.size(), original.size());
    SendCommand(client, 103);
    ASSERT_TRUE(Exists(file));
    EXPECT_EQ(LiesBytes(bak), first);

    const std::string saved = LiesBytes(file);
    PostCommand(client, 104);
    AnswerSaveDialog(file, 0);
    HWND question = program.WaitBox("berschrieben");
    ASSERT_NE(question, nullptr);
    ClickButton(question, IDNO);  // reopens the save dialog
    HWND again = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        again = program.WaitDialog(100);
        return again && again != question && GetDlgItem(again, 0x470);
    }));
    ClickButton(again, IDCANCEL);
    Sync(client);
    EXPECT_EQ(LiesBytes(bak), first);
    EXPECT_EQ(LiesBytes(file), saved);

    SendCommand(client, 405);
    SendCommand(client, 408);
    EXPECT_EQ(UserString(kGeneral, "AutoSave"), "1");
    SendCommand(client, 101);  // posts 405, which switches auto-save off
    PostCommand(client, 408);  // queued behind that 405
    EXPECT_TRUE(WaitFor([] { return UserString(kGeneral, "AutoSave") == "0"; }));
    EXPECT_EQ(WindowText(frame), "Ordivo - [Unbenannt]");
}

TEST_F(FileCommands, FailedOpenLeavesNoFileName) {
    const std::string damaged = dir + "\\kaputt.odv";
    SchreibBytes(damaged, original.substr(0, original.size() / 2));  // cut in the records
    PostCommand(client, 102);
    HWND dlg = program.WaitDialog();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(EnterFileName(dlg, damaged));
    // The damaged-file message, then the new file the refusal starts.
    HWND box = program.WaitBox("kaputt.odv\nist besch\xE4" "digt");
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return WindowText(frame) == "Ordivo - [Unbenannt]"; }));
    EXPECT_EQ(LiesBytes(damaged), original.substr(0, original.size() / 2));  // left as it was
}

// A path longer than the save dialog's 80-character buffer is reported; nothing is written.
TEST_F(FileCommands, PathLongerThanTheDialogBufferIsReported) {
    const std::string lang = dir + "\\" + std::string(80, 'k') + ".odv";
    PostCommand(client, 104);
    AnswerSaveDialog(lang, 0);
    HWND box = program.WaitBox("zu lang");
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDOK);
    Sync(client);
    EXPECT_FALSE(Exists(lang));
    EXPECT_EQ(WindowText(frame).find("KKKK"), std::string::npos);

    // The alarm sound's file chooser, over an existing file of that length.
    const std::string wav = dir + "\\" + std::string(80, 'w') + ".wav";
    SchreibBytes(wav, "RIFF");
    ASSERT_TRUE(Exists(wav));
    PostCommand(client, 404);
    HWND sounds = program.WaitDialog();
    ASSERT_NE(sounds, nullptr);
    PostMessageA(sounds, WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (chooser = program.WaitDialog(100)) && chooser != sounds; }));
    ASSERT_TRUE(EnterFileName(chooser, wav));
    box = program.WaitBox("zu lang");
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDOK);
    EXPECT_EQ(WindowText(GetDlgItem(sounds, 101)), "");
    ClickButton(sounds, IDCANCEL);
}
