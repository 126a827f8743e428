// ClsAlarmDlg: check boxes IDC_AT_AN + i, file fields IDC_AT_DATEI + i, choose buttons
// IDC_AT_WAEHLEN + i for priority i.
#include "reminders/ClsAlarmDlg.h"

#include "core/FileDialog.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "reminders/ReminderIds.h"

ClsAlarmDlg::ClsAlarmDlg(HWND parent, AlarmSound* toene, bool& settingsChanged)
    : Dialog(parent, IDD_ALARMTOENE, ResourceModule()), toene_(toene), settingsChanged_(settingsChanged) {}

void ClsAlarmDlg::SetupWindow() {
    for (int i = 0; i < AlarmKindCount; ++i) {
        SetChecked(IDC_AT_AN + i, toene_[i].Enabled);
        LimitText(IDC_AT_DATEI + i, sizeof toene_[i].File - 1);
        SetItemText(IDC_AT_DATEI + i, toene_[i].File);
    }
}

bool ClsAlarmDlg::OnCommand(int id, int notify, HWND) {
    if (notify != BN_CLICKED || id < IDC_AT_WAEHLEN || id >= IDC_AT_WAEHLEN + AlarmKindCount) return false;
    WaehleDatei(id - IDC_AT_WAEHLEN);
    return true;
}

void ClsAlarmDlg::WaehleDatei(int prioritaet) {
    FileDialog dlg(Handle(), LoadResString(IDS_WAV_FILTER), "\\windows");
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!dlg.Show(false)) return;
    AlarmSound& ton = toene_[prioritaet];
    lstrcpynA(ton.File, dlg.file, sizeof ton.File);
    SetItemText(IDC_AT_DATEI + prioritaet, ton.File);
    settingsChanged_ = true;
}

bool ClsAlarmDlg::CanClose() {
    for (int i = 0; i < AlarmKindCount; ++i) {
        toene_[i].Enabled = IsChecked(IDC_AT_AN + i);
        lstrcpynA(toene_[i].File, GetItemText(IDC_AT_DATEI + i).c_str(), sizeof toene_[i].File);
    }
    return true;
}
