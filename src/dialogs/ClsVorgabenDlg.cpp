// ClsVorgabenDlg: a changed name must name an existing file; an empty one clears the value.
#include "dialogs/ClsVorgabenDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/RegAccess.h"
#include "core/ResourceIds.h"
#include "dialogs/DarstellungRegeln.h"
#include "settings/Settings.h"

namespace {
constexpr int Puffer = 80;  // the value as this dialog reads and writes it
}

ClsVorgabenDlg::ClsVorgabenDlg(HWND parent) : Dialog(parent, IDD_VORGABEN, ResourceModule()) {}

void ClsVorgabenDlg::SetupWindow() {
    char buf[Puffer];
    gespeichert_ = RegReadString(Hive::CurrentUser, RegPath::General, "DefaultFile", "", buf, sizeof buf);
    LimitText(IDC_VORGABEN_DATEI, Puffer - 1);
    SetItemText(IDC_VORGABEN_DATEI, gespeichert_);
}

bool ClsVorgabenDlg::CanClose() {
    const std::string name = VorgabeDateiname(GetItemText(IDC_VORGABEN_DATEI).substr(0, Puffer - 1));
    if (!name.empty() && name != gespeichert_ && GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Message(IDS_DATEI_NICHT_GEFUNDEN, IDS_TITEL_VORGABEN, Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    RegWriteString(Hive::CurrentUser, RegPath::General, "DefaultFile", name.c_str());
    return true;
}

bool RunVorgabenDlg(HWND owner) {
    ClsVorgabenDlg dlg(owner);
    return dlg.Execute() == IDOK;
}
