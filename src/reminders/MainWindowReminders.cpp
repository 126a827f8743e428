// The calendar window's part in the reminders: warning plan and tick, and the commands for
// alarm sounds (404), the remark (821) and the warning time (824) of the clicked appointment.
#include "app/ClsMainWindow.h"
#include "dialogs/ClsAnmerkDlg.h"
#include "dialogs/ClsVorwarnZeitDlg.h"
#include "reminders/ClsAlarmDlg.h"

void ClsMainWindow::PlanNextWarning() { planer_.PlaneVorwarnungen(); }

void ClsMainWindow::TimerTick() { planer_.Takt(); }

void ClsMainWindow::CmAlarmSounds(UINT) {
    ClsAlarmDlg dlg(Handle(), settings_.Sounds);
    dlg.Execute();
}

namespace {
// The clicked appointment, unless it is gone or a generated yearly copy: -1 then.
int ClickedSlot(const RecordRef& hit) {
    if (hit.Empty() || hit.Copy.Hat(FlagJahresKopie)) return -1;
    return Locate(Liste, hit);
}
}  // namespace

// The dialogs work on a copy: a notice may change the collection while they are open.
void ClsMainWindow::CmRemark(UINT) {
    const int slot = ClickedSlot(input_.Hit);
    if (slot < 0) {
        GetHost().Beep();
        return;
    }
    Liste.SetzeAktuell(&Liste.Satz(slot));
    const RecordRef before = RefTo(Liste, slot);
    Termin changed = before.Copy;
    ClsAnmerkDlg dlg(Handle(), changed);
    if (dlg.Execute() != IDOK) return;
    const int now = Locate(Liste, before);
    if (now < 0) return;
    Liste.Satz(now).Beschr = changed.Beschr;
    Liste.SetzeGeaendert();
    input_.Hit = RefTo(Liste, now);
    if (before.Copy.Beschr.empty() != changed.Beschr.empty()) Invalidate(true);
}

void ClsMainWindow::CmWarningTime(UINT) {
    const int slot = ClickedSlot(input_.Hit);
    if (slot < 0) {
        GetHost().Beep();
        return;
    }
    const RecordRef before = RefTo(Liste, slot);
    Termin changed = before.Copy;
    ClsVorwarnZeitDlg dlg(Handle(), changed, Jetzt());
    if (dlg.Execute() != IDOK) return;
    const int now = Locate(Liste, before);
    if (now < 0) return;
    Liste.Satz(now).Vorwarnung = changed.Vorwarnung;
    Liste.SetzeGeaendert();
    input_.Hit = RefTo(Liste, now);
    PlanNextWarning();
    Invalidate(true);
}
