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

// An appointment without end starting `startIn` minutes from now, warning `warnungIn` minutes from now.
Termin Mit(const char* text, long startIn, long warnungIn) {
    const long jetzt = long(ToMinutes(JetztLokal()));
    Termin t;
    t.Start = t.Ende = FromMinutes(uint32_t(jetzt + startIn));
    t.Vorwarnung = FromMinutes(uint32_t(jetzt + warnungIn));
    t.Flags = FlagOhneEnde;
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

bool WartetBisZu(HWND wnd) { return WaitFor([&] { return !IsWindow(wnd); }); }

class Reminders : public testing::Test {
protected:
    void SetUp() override {
        FreshOrdivoSettings();
        dir = MakeTempDir("remind");
        file = dir + "\\termine.odv";
    }
    void TearDown() override { DeleteOrdivoSettings(); }

    std::string dir, file;
    Program program;
};
}  // namespace

// Cancel's five minutes and the order of several due warnings are pinned natively. A due
// program reference starts its program instead of a notice.
TEST_F(Reminders, DueWarningsOpenTheNoticeOldestFirstAProgramStartsAndAllReachTheSavedFile) {
    const std::string marke = dir + "\\gestartet.txt";
    Termin programm = Mit("Sicherung", 60, -1);
    programm.Flags |= FlagProgramm;
    programm.Beschr = "Sicherung starten: #[cmd.exe /c echo gestartet> " + marke + "]";
    Schreibe(file, {Mit("Zahnarzt", 180, -1), Mit("Zweiter Termin", 120, -3), Mit("Morgen", 2 * 1440, 1440), programm});
    ASSERT_TRUE(program.Start(file));
    HWND hinweis = program.WaitDialog();
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
    EXPECT_TRUE(WaitFor([&] { return GetFileAttributesA(marke.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
    EXPECT_EQ(program.WaitDialog(2500), nullptr);  // nothing else is due, no message
    HWND frame = program.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    HWND client = FindChild(frame, "OrdivoCalendar");
    SendCommand(client, 103);
    PostCommand(client, 109);
    EXPECT_EQ(program.Wait(), 0);

    const std::vector<Termin> termine = Lies(file);
    ASSERT_EQ(termine.size(), 4u);
    EXPECT_STREQ(termine[0].Kurzbeschr, "Sicherung");
    EXPECT_EQ(termine[0].Flags, FlagOhneEnde | FlagManuellErledigt | FlagErledigt);
    EXPECT_EQ(Abstand(termine[1].Vorwarnung, termine[1].Start), 60);  // "Zweiter Termin": 1 hour before
    EXPECT_STREQ(termine[2].Kurzbeschr, "Zahnarzt");
    EXPECT_EQ(termine[2].Flags, FlagOhneEnde | FlagErledigt | FlagManuellErledigt);
    for (int i : {0, 2}) EXPECT_EQ(termine[i].Vorwarnung.Jahr, 0) << i;
    EXPECT_EQ(Abstand(termine[3].Vorwarnung, termine[3].Start), 1440);  // untouched
}
