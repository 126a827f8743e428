// The warning notice, warning time, remark and alarm sounds dialogs from their templates in
// ORDIVO.DLL, driven in-process by a script on the dialog's thread; screenshots of each.
#include "dialogs/ClsAnmerkDlg.h"
#include "dialogs/ClsVorwarnDlg.h"
#include "dialogs/ClsVorwarnZeitDlg.h"
#include "dialogs/DlgSkript.h"
#include "reminders/ClsAlarmDlg.h"
#include "reminders/ReminderIds.h"
#include "addresses/ClsAdrListe.h"
#include "store/JahresKopien.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

namespace {
bool Fett(const Dlg& d, int id) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(d.Item(id), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfWeight == FW_BOLD && std::string(lf.lfFaceName) == "Arial";
}

const Zeitpunkt Jetzt12 = MachZeitpunkt(2026, 12, 5, 12, 0);

class VorwarnDlgWin : public testing::Test {
protected:
    void SetUp() override {
        liste.Reserviere(ClsListe::StartKapazitaet);
        Termin t = MachTermin(2026, 12, 7, 14, 30, 15, 45, 0, "Besprechung mit Frau M\xFCller");
        t.Vorwarnung = MachZeitpunkt(2026, 12, 5, 11, 0);
        t.Beschr = "Raum 3.14, Unterlagen zum Jahresabschluss mitbringen.";
        t.SetzePrioritaet(2);
        liste.Einfuegen(t);
    }

    // Plays the script (which ends the dialog) on the dialog that `lauf` opens.
    template <class Lauf>
    void Fahre(const std::function<void(const Dlg&)>& s, Lauf lauf) {
        ::Fahre(boxen, s, [&] { lauf(); return 0; });
    }

    FakeHost host;
    kit::BoxAnswers boxen;
    ClsListe liste;
    ClsAdrListe adressen;
};
}  // namespace

TEST_F(VorwarnDlgWin, NoticeShowsTheAppointmentAndWarnAgainStoresTheNewLead) {
    Fahre(
        [](const Dlg& d) {
            EXPECT_EQ(d.Titel() + "|" + d.Text(IDC_HW_KURZTEXT) + "|" + d.Text(IDC_HW_BESCHR),
                      "Vorwarnung|Besprechung mit Frau M\xFCller|Raum 3.14, Unterlagen zum Jahresabschluss mitbringen.");
            EXPECT_TRUE(Fett(d, IDC_HW_KURZTEXT));
            EXPECT_EQ(d.Text(IDC_HW_DATUM) + "|" + d.Text(IDC_HW_ZEIT) + "|" + d.Text(IDC_HW_PRIORITAET) + "|" +
                          d.Text(IDC_HW_TAGE) + "/" + d.Text(IDC_HW_STUNDEN) + "/" + d.Text(IDC_HW_MINUTEN),
                      " 7.12.2026|14:30|wichtig|2/2/30");
            EXPECT_FALSE(d.An(IDC_HW_TAGE) || d.An(IDC_HW_ADRESSE) || d.Markiert(IDC_HW_ERLEDIGT));
            d.Bild("vorwarnung");
            d.Klick(IDC_HW_WIEDER);
            EXPECT_TRUE(d.An(IDC_HW_TAGE) && d.An(IDC_HW_STUNDEN) && d.An(IDC_HW_MINUTEN));
            d.Text(IDC_HW_TAGE, "0");
            d.Text(IDC_HW_STUNDEN, "1");
            d.Text(IDC_HW_MINUTEN, "30");
            d.Klick(IDOK);
        },
        [&] { ZeigeVorwarnung(nullptr, liste, adressen, 0, Jetzt12); });
    EXPECT_EQ(liste.Satz(0).Vorwarnung, MachZeitpunkt(2026, 12, 7, 13, 0));
}

// The longest short text wraps within the bold label instead of losing its last line.
TEST_F(VorwarnDlgWin, NoticeHasRoomForTheLongestShortText) {
    liste.Satz(0).SetzeKurzbeschr("Jahresgespr\xE4" "ch mit der Gesch\xE4" "ftsf\xFChrung in Berlin");
    Fahre(
        [](const Dlg& d) {
            HWND feld = d.Item(IDC_HW_KURZTEXT);
            RECT platz, noetig;
            GetClientRect(feld, &platz);
            noetig = platz;
            HDC dc = GetDC(feld);
            HGDIOBJ alt = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(feld, WM_GETFONT, 0, 0)));
            DrawTextA(dc, kit::WindowText(feld).c_str(), -1, &noetig, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, alt);
            ReleaseDC(feld, dc);
            EXPECT_LE(noetig.bottom, platz.bottom);
            d.Klick(IDCANCEL);
        },
        [&] { ZeigeVorwarnung(nullptr, liste, adressen, 0, Jetzt12); });
}

TEST_F(VorwarnDlgWin, MovingAYearlyMasterMovesItsCopies) {
    liste.Leeren();
    liste.Reserviere(ClsListe::StartKapazitaet);
    Termin m = MachJahresMaster(2026, 12, 7, 14, 30, 15, 45, "Jahrestag", 3);
    m.Vorwarnung = MachZeitpunkt(2026, 12, 5, 11, 0);
    liste.Einfuegen(m);
    ASSERT_TRUE(ErzeugeJahresKopien(liste));
    Fahre([](const Dlg& d) {
        d.Text(IDC_HW_DATUM, "8.12.2026");
        d.Klick(IDOK);
    }, [&] { ZeigeVorwarnung(nullptr, liste, adressen, 0, Jetzt12); });
    ASSERT_EQ(liste.Anzahl(), 20);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(liste.Satz(i).Start, MachZeitpunkt(2026 + i, 12, 8, 14, 30)) << i;
}

TEST_F(VorwarnDlgWin, WarnAgainWithDoneKeepsTheNoticeOpenAndCancelChangesNothing) {
    const Termin vorher = liste.Satz(0);
    bool nochOffen = false;
    Fahre(
        [&](const Dlg& d) {
            ShowWindow(d.h, SW_SHOWNORMAL);  // the dialog loop shows it only once idle; ended, it is hidden
            d.Klick(IDC_HW_WIEDER);
            d.Klick(IDC_HW_ERLEDIGT);
            d.Klick(IDOK);
            nochOffen = IsWindowVisible(d.h) != FALSE;
            d.Klick(IDCANCEL);
        },
        [&] { ZeigeVorwarnung(nullptr, liste, adressen, 0, Jetzt12); });
    EXPECT_TRUE(nochOffen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Fehler!");
    EXPECT_EQ(std::make_pair(liste.Satz(0).Vorwarnung, liste.Satz(0).Flags), std::make_pair(vorher.Vorwarnung, vorher.Flags));
}

TEST_F(VorwarnDlgWin, ProgramThatCannotStartIsReportedAndTheAppointmentIsDoneAnyway) {
    liste.Satz(0).Flags = FlagProgramm;
    liste.Satz(0).Beschr = "Sicherung: #[C:\\gibt\\es\\nicht.exe /q] danach";
    ZeigeVorwarnung(nullptr, liste, adressen, 0, Jetzt12);  // no notice: nothing to script
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Programmstart: C:\\gibt\\es\\nicht.exe /q");
    EXPECT_EQ(host.messages[0].style, Mb::IconExclamation);
    EXPECT_EQ(host.messages[0].text.rfind("Die Datei wurde nicht gefunden.", 0), 0u);
    EXPECT_EQ(liste.Satz(0).Flags, FlagManuellErledigt | FlagErledigt);
}

TEST_F(VorwarnDlgWin, WarningTimeShowsTheLeadAndSetsTheNewOneInPlace) {
    Termin t = liste.Satz(0);
    Fahre(
        [](const Dlg& d) {
            EXPECT_EQ(d.Titel() + "|" + d.Text(IDC_VZ_BISHER_TAGE) + "|" + d.Text(IDC_VZ_BISHER_STUNDEN) + "|" +
                          d.Text(IDC_VZ_BISHER_MINUTEN),
                      "Vorwarnzeit|2 Tage|3 Stunden|30 Minuten");
            EXPECT_EQ(d.Text(IDC_VZ_TAGE) + "/" + d.Text(IDC_VZ_STUNDEN) + "/" + d.Text(IDC_VZ_MINUTEN), "2/2/30");
            d.Bild("vorwarnzeit");
            d.Text(IDC_VZ_TAGE, "0");
            d.Text(IDC_VZ_STUNDEN, "1");
            d.Text(IDC_VZ_MINUTEN, "30");
            d.Klick(IDOK);
        },
        [&] { ClsVorwarnZeitDlg(nullptr, t, Jetzt12).Execute(); });
    EXPECT_EQ(t.Vorwarnung, MachZeitpunkt(2026, 12, 7, 13, 0));

    t.Vorwarnung = Zeitpunkt{};
    Fahre([](const Dlg& d) { EXPECT_EQ(d.Text(IDC_VZ_BISHER_TAGE) + "|" + d.Text(IDC_VZ_BISHER_STUNDEN), "Keine|"); },
          [&] { ClsVorwarnZeitDlg(nullptr, t, Jetzt12).Execute(); });  // closed by Cancel
    EXPECT_EQ(t.Vorwarnung.Jahr, 0);
}

TEST_F(VorwarnDlgWin, RemarkShowsAndStoresTheLongText) {
    Termin t = liste.Satz(0);
    const std::string lang(300, 'x');
    Fahre(
        [&](const Dlg& d) {
            EXPECT_EQ(d.Titel() + "|" + d.Text(IDC_AM_TEXT), "Anmerkung|" + t.Beschr);
            d.Text(IDC_AM_TEXT, "Zimmer 3.14\r\nBitte p\xFCnktlich.");
            d.Bild("anmerkung");
            d.Text(IDC_AM_TEXT, lang);
            d.Klick(IDOK);
        },
        [&] { ClsAnmerkDlg(nullptr, t).Execute(); });
    EXPECT_EQ(t.Beschr, lang);
}

TEST_F(VorwarnDlgWin, AlarmSoundsOkCopiesChecksAndFilesWithoutMarkingSettingsChanged) {
    AlarmSound toene[AlarmKindCount];
    toene[1].Enabled = true;
    std::snprintf(toene[1].File, sizeof toene[1].File, "C:\\klang\\leise.wav");
    bool settingsChanged = false;
    Fahre(
        [](const Dlg& d) {
            EXPECT_EQ(d.Titel() + "|" + d.Text(IDC_AT_DATEI + 1), "Alarmt\xF6ne|C:\\klang\\leise.wav");
            EXPECT_TRUE(d.Markiert(IDC_AT_AN + 1));
            d.Klick(IDC_AT_AN + 3);
            d.Text(IDC_AT_DATEI + 3, "C:\\klang\\laut.wav");
            d.Klick(IDC_AT_AN + 1);
            d.Bild("alarmtoene");
            d.Klick(IDOK);
        },
        [&] { ClsAlarmDlg(nullptr, toene, settingsChanged).Execute(); });
    EXPECT_TRUE(!toene[1].Enabled && toene[3].Enabled && !settingsChanged);
    EXPECT_EQ(std::string(toene[1].File) + "|" + toene[3].File, "C:\\klang\\leise.wav|C:\\klang\\laut.wav");
}
