// ClsFarbenDlg: the role list, the 16 radio buttons with their colour fields, and the sample.
#include "dialogs/ClsFarbenDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "settings/Settings.h"

namespace {
constexpr int LetzteFarbe = IDC_FARBEN_PALETTE + PaletteSize - 1;
}

ClsFarbenDlg::ClsFarbenDlg(HWND parent, Settings& settings)
    : Dialog(parent, IDD_FARBEN, ResourceModule()), settings_(settings), arbeit_(settings.Look.Farben) {}

void ClsFarbenDlg::SetupWindow() {
    for (int i = 0; i < PaletteSize; ++i) felder_[i].Reset(CreateSolidBrush(PaletteColour(i).Value));
    for (int role = 0; role < ColourRoleCount; ++role) ListAdd(IDC_FARBEN_ROLLEN, arbeit_.Role(role).Name);
    ListSelect(IDC_FARBEN_ROLLEN, 0);
    ZeigeFarbe();
    muster_.TakePlaceOf(Handle(), IDC_FARBEN_MUSTER);
}

void ClsFarbenDlg::ZeigeFarbe() {
    const int role = ListSelection(IDC_FARBEN_ROLLEN);
    if (role < 0) return;
    CheckRadioButton(Handle(), IDC_FARBEN_PALETTE, LetzteFarbe, IDC_FARBEN_PALETTE + arbeit_.Role(role).Index);
}

bool ClsFarbenDlg::OnCommand(int id, int notify, HWND) {
    if (id == IDC_FARBEN_ROLLEN && notify == LBN_SELCHANGE) {
        ZeigeFarbe();
        return true;
    }
    if (id < IDC_FARBEN_PALETTE || id > LetzteFarbe || notify != BN_CLICKED) return false;
    const int role = ListSelection(IDC_FARBEN_ROLLEN);
    if (Filling || role < 0) return true;
    arbeit_.SetIndex(role, id - IDC_FARBEN_PALETTE);
    muster_.Invalidate(true);
    settings_.SettingsChanged = true;
    return true;
}

bool ClsFarbenDlg::HandleMessage(UINT msg, WPARAM, LPARAM lp, INT_PTR& result) {
    if (msg != WM_CTLCOLORSTATIC) return false;
    const int index = GetDlgCtrlID(reinterpret_cast<HWND>(lp)) - IDC_FARBEN_FELD;
    if (!IsPaletteIndex(index)) return false;
    result = reinterpret_cast<INT_PTR>(felder_[index].Get());
    return true;
}

bool ClsFarbenDlg::CanClose() {
    settings_.Look.Farben = arbeit_;
    return true;
}

bool RunFarbenDlg(HWND owner, Settings& settings) {
    ClsFarbenDlg dlg(owner, settings);
    return dlg.Execute() == IDOK;
}
