// ClsAnmerkDlg: up to 32000 characters; the record holds short texts itself and longer
// ones in blocks (Termin::Blocks), so storing is one assignment that may run out of memory.
#include "dialogs/ClsAnmerkDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "reminders/ReminderIds.h"

#include <new>

ClsAnmerkDlg::ClsAnmerkDlg(HWND parent, Termin& t)
    : Dialog(parent, IDD_ANMERKUNG, ResourceModule()), termin_(t) {}

void ClsAnmerkDlg::SetupWindow() {
    LimitText(IDC_AM_TEXT, 32000);
    SetItemText(IDC_AM_TEXT, termin_.Beschr);
}

bool ClsAnmerkDlg::CanClose() {
    try {
        termin_.Beschr = GetItemText(IDC_AM_TEXT);
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    return true;
}
