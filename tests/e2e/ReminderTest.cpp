// Reminders in the real program: warnings due at start open the notice with the
// appointment's texts and the time left; done and warn again reach the saved file; a
// program reference starts its program instead.
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "reminders/ReminderIds.h"
#include "support/WinKit.h"

using namespace kit;

namespace {
Zeitpunkt JetztLokal() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return MachZeitpunkt(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
}

long Abstand(const Zeitpunkt& von, const Zeitpunkt& bis) { return long(ToMinutes(bis)) - long(ToMinutes(von)); }

// An appointment starting `startIn` minutes from now, warning `warnungIn` minutes from now.
Termin Mit(const char* text, long startIn, long warnungIn) {
    const uint32_t jetzt = ToMinutes(JetztLokal());
    Termin t;
    t.Start = FromMinutes(uint32_t(long(jetzt) + startIn));
    t.Ende = t.Start;
    t.Flags = FlagOhneEnde;
    t.Vorwarnung = FromMinutes(uint32_t(long(jetzt) + warnungIn));
    t.SetzeKurzbeschr(text);
    return t;
}

// Written and read back by the program's own file code.
void Schreibe(const std::string& pfad, const std::vector<Termin>& termine) {
    Dokument doc;
    doc.Neu();
    for (const Termin& t : termine) doc.Liste.Einfuegen(t);
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
}

std::vector<Termin> Lies(const std::string& pfad) {
    Dokument doc;
    doc.Dateiname = pfad;
    std::vector<Termin> termine;
    if (doc.Laden() == Ladeausgang::Ok)
        for (int i = 0; i < doc.Liste.Anzahl(); ++i) termine.push_back(doc.Liste.Satz(i));
    return termine;
}

std::string Feld(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void Ankreuzen(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
    ClickButton(dialog, id);  // the notification the dialog reacts to
}

bool WartetBisZu(HWND wnd, DWORD ms = 10000) {
    for (const DWORD start = GetTickCount(); IsWindow(wnd); Sleep(50))
        if (GetTickCount() - start > ms) return false;
    return true;
}

class Reminders : public testing::Test {
protected:
    void SetUp() override {
        FreshOrdivoSettings();
        dir = MakeTempDir("remind");
        file = dir + "\\termine.odv";
    }
    void TearDown() override { DeleteOrdivoSettings(); }

    // The notice that the start shows (the program is started with the file).
    HWND StarteMitHinweis() {
        if (!program.Start(file)) return nullptr;
        return program.WaitDialog();
    }
    // Saves through command 103 and ends through 109 (nothing left to ask).
    void SpeichereUndBeende() {
        HWND frame = program.WaitWindow("OrdivoFrame");
        ASSERT_NE(frame, nullptr);
        HWND client = FindChild(frame, "OrdivoCalendar");
        SendCommand(client, 103);
        PostCommand(client, 109);
        EXPECT_EQ(program.Wait(), 0);
    }

    std::string dir, file;
    Program program;
};
}  // namespace

// Cancel's five minutes and the order of several due warnings are pinned natively.
TEST_F(Reminders, DueWarningsOpenTheNoticeOldestFirstAndWarnAgainAndDoneReachTheSavedFile) {
    Schreibe(file, {Mit("Zahnarzt", 180, -1), Mit("Zweiter Termin", 120, -3), Mit("Morgen", 2 * 1440, 1440)});
    HWND hinweis = StarteMitHinweis();
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(WindowText(hinweis), "Vorwarnung");
    EXPECT_EQ(Feld(hinweis, IDC_HW_KURZTEXT), "Zweiter Termin");  // its warning is older
    Ankreuzen(hinweis, IDC_HW_WIEDER);
    SetText(GetDlgItem(hinweis, IDC_HW_TAGE), "0");
    SetText(GetDlgItem(hinweis, IDC_HW_STUNDEN), "1");
    SetText(GetDlgItem(hinweis, IDC_HW_MINUTEN), "0");
    ClickButton(hinweis, IDOK);
    ASSERT_TRUE(WartetBisZu(hinweis));

    hinweis = program.WaitDialog();
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(Feld(hinweis, IDC_HW_KURZTEXT), "Zahnarzt");
    const std::string rest = Feld(hinweis, IDC_HW_TAGE) + "/" + Feld(hinweis, IDC_HW_STUNDEN) + "/" +
                             Feld(hinweis, IDC_HW_MINUTEN);
    EXPECT_TRUE(rest == "0/3/0" || rest == "0/2/59") << rest;  // the minute may turn meanwhile
    Surface(hinweis, false).SavePng("e2e-vorwarnung");
    Ankreuzen(hinweis, IDC_HW_ERLEDIGT);
    ClickButton(hinweis, IDOK);
    ASSERT_TRUE(WartetBisZu(hinweis));
    EXPECT_EQ(program.WaitDialog(2500), nullptr);  // nothing else is due
    SpeichereUndBeende();

    const std::vector<Termin> termine = Lies(file);
    ASSERT_EQ(termine.size(), 3u);
    EXPECT_EQ(Abstand(termine[0].Vorwarnung, termine[0].Start), 60);  // "Zweiter Termin": 1 hour before
    EXPECT_STREQ(termine[1].Kurzbeschr, "Zahnarzt");
    EXPECT_EQ(termine[1].Flags, FlagOhneEnde | FlagErledigt | FlagManuellErledigt);
    EXPECT_EQ(termine[1].Vorwarnung.Jahr, 0);
    EXPECT_EQ(Abstand(termine[2].Vorwarnung, termine[2].Start), 1440);  // untouched
}

TEST_F(Reminders, ProgramReferenceStartsItsProgramAndMarksTheAppointmentDone) {
    const std::string marke = dir + "\\gestartet.txt";
    Termin t = Mit("Sicherung", 60, -1);
    t.Flags |= FlagProgramm;
    t.Beschr = "Sicherung starten: #[cmd.exe /c echo gestartet> " + marke + "]";
    Schreibe(file, {t});
    ASSERT_TRUE(program.Start(file));
    bool gestartet = false;
    for (const DWORD start = GetTickCount(); !gestartet && GetTickCount() - start < 15000; Sleep(100))
        gestartet = GetFileAttributesA(marke.c_str()) != INVALID_FILE_ATTRIBUTES;
    EXPECT_TRUE(gestartet);
    EXPECT_EQ(program.WaitDialog(1500), nullptr);  // no notice, no message
    SpeichereUndBeende();

    const std::vector<Termin> termine = Lies(file);
    ASSERT_EQ(termine.size(), 1u);
    EXPECT_EQ(termine[0].Flags, FlagOhneEnde | FlagManuellErledigt | FlagErledigt);
    EXPECT_EQ(termine[0].Vorwarnung.Jahr, 0);
}
