// AboutDlg: the icon comes from the executable, the texts from the template.
#include "app/AboutDlg.h"

#include "core/ProgramPath.h"

namespace {
constexpr int IdIcon = 100;
}

AboutDlg::AboutDlg(HWND parent) : Dialog(parent, 4269, ResourceModule()) {}

void AboutDlg::SetupWindow() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4444));
    SendDlgItemMessageA(Handle(), IdIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}
