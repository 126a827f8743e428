// AboutDlg: the icon comes from the executable, the texts from the template.
#include "app/AboutDlg.h"

#include "core/ProgramPath.h"
#include "core/ResourceIds.h"

AboutDlg::AboutDlg(HWND parent) : Dialog(parent, IDD_INFO, ResourceModule()) {}

void AboutDlg::SetupWindow() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ORDIVO));
    SendDlgItemMessageA(Handle(), IDC_INFO_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}
