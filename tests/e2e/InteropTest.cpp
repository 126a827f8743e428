// The iCalendar commands of the real program: the export goes through the save dialog, the
// import of that file through the open dialog, one question and the report, and the
// imported appointments then stand in the calendar beside the originals.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "support/WinKit.h"

using namespace kit;

namespace {
// Types `path` into the open or save dialog of `program` and presses OK.
void FillFileDialog(const Program& program, const std::string& path) {
    HWND dlg = program.WaitDialog();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(EnterFileName(dlg, path));
}

// The message box of `program` whose text contains `part`; clicked with `button`.
void Answer(const Program& program, const std::string& part, int button) {
    HWND box = program.WaitBox(part);
    ASSERT_NE(box, nullptr) << part;
    ClickButton(box, button);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
}
}  // namespace

TEST(Interop, ICalExportThenImportDoublesTheAppointments) {
    FreshOrdivoSettings();
    const std::string dir = MakeTempDir("ical"), file = dir + "\\kalender.odv", ics = dir + "\\termine.ics";
    SYSTEMTIME heute;
    GetLocalTime(&heute);  // today's week is the one the program shows
    {
        Dokument doc;
        doc.Neu();
        doc.Liste.Einfuegen(MachTermin(heute.wYear, heute.wMonth, heute.wDay, 9, 30, 10, 0, 0, "Zahnarzt M\xFCller"));
        doc.Liste.Einfuegen(
            MachTermin(heute.wYear, heute.wMonth, heute.wDay, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Urlaub"));
        ASSERT_TRUE(SchreibeDatei(doc, file, ModusKalender));
    }
    Program program;
    ASSERT_TRUE(program.Start(file));
    HWND frame = program.WaitWindow("OrdivoFrame"), client = frame ? FindChild(frame, "OrdivoCalendar") : nullptr;
    ASSERT_NE(client, nullptr);

    PostCommand(client, 130);
    FillFileDialog(program, ics);
    ASSERT_TRUE(WaitFor([&] { return LiesBytes(ics).find("END:VCALENDAR") != std::string::npos; }));

    PostCommand(client, 131);
    FillFileDialog(program, ics);
    Answer(program, "2 Termine importieren?", IDYES);
    Answer(program, "2 Termine gelesen.", IDOK);
    Surface(frame, false).SavePng("ical-import");
    SendCommand(client, 103);
    PostCommand(client, 109);
    EXPECT_EQ(program.Wait(), 0);

    FakeHost host;
    Dokument doc;
    doc.Dateiname = file;
    ASSERT_EQ(doc.Laden(), Ladeausgang::Ok);
    ASSERT_EQ(doc.Liste.Anzahl(), 4);
    EXPECT_EQ(Texte(doc.Liste), (std::vector<std::string>{"Urlaub", "Urlaub", "Zahnarzt M\xFCller", "Zahnarzt M\xFCller"}));
    DeleteOrdivoSettings();
}
