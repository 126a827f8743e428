// ClsSchriftHoeheDlg: shows the heights and checks them on OK.
#include "dialogs/ClsSchriftHoeheDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "dialogs/DarstellungRegeln.h"
#include "settings/Settings.h"

ClsSchriftHoeheDlg::ClsSchriftHoeheDlg(HWND parent, Settings& settings, int zeilenHoehe)
    : Dialog(parent, IDD_SCHRIFTHOEHEN, ResourceModule()), settings_(settings), zeilenHoehe_(zeilenHoehe) {}

void ClsSchriftHoeheDlg::SetupWindow() {
    SetItemText(IDC_SCHRIFT_AKTUELL, Format("%d", zeilenHoehe_));
    SetItemText(IDC_SCHRIFT_MIN, Format("%d", settings_.Look.MinStdFontHeight));
    SetItemText(IDC_SCHRIFT_MAX, Format("%d", settings_.Look.MaxStdFontHeight));
}

bool ClsSchriftHoeheDlg::CanClose() {
    int min = 0, max = 0;
    const int meldung = PruefeSchriftHoehen(GetItemText(IDC_SCHRIFT_MIN), GetItemText(IDC_SCHRIFT_MAX), min, max);
    if (meldung != 0) {
        Message(meldung, IDS_TITEL_SCHRIFTHOEHEN, Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    settings_.Look.MinStdFontHeight = min;
    settings_.Look.MaxStdFontHeight = max;
    settings_.SettingsChanged = true;
    return true;
}

bool RunSchriftHoeheDlg(HWND owner, Settings& settings, int zeilenHoehe) {
    ClsSchriftHoeheDlg dlg(owner, settings, zeilenHoehe);
    return dlg.Execute() == IDOK;
}
