// The calendar window's part in the reminders: warning plan and tick, and the commands for
// alarm sounds (404), the remark (821) and the warning time (824) of the clicked appointment.
#include "app/ClsMainWindow.h"
#include "dialogs/ClsAnmerkDlg.h"
#include "dialogs/ClsVorwarnZeitDlg.h"
#include "reminders/ClsAlarmDlg.h"

#include <functional>

void ClsMainWindow::PlanNextWarning() { planer_.PlaneVorwarnungen(); }

void ClsMainWindow::TimerTick() { planer_.Takt(); }

void ClsMainWindow::CmAlarmSounds(UINT) {
    ClsAlarmDlg dlg(Handle(), settings_.Sounds);
    dlg.Execute();
}

namespace {
// Runs `dialog` (true on OK) on a copy of the clicked appointment, made the current record:
// a notice may change the collection while the dialog is open. Returns the slot the record
// has afterwards, or -1 (with a beep when nothing editable was clicked).
int EditClicked(const RecordRef& hit, Termin& before, Termin& changed, const std::function<bool(Termin&)>& dialog) {
    const int slot = hit.Empty() || hit.Copy.Hat(FlagJahresKopie) ? -1 : Locate(Liste, hit);
    if (slot < 0) {
        GetHost().Beep();
        return -1;
    }
    Liste.SetzeAktuell(&Liste.Satz(slot));
    const RecordRef ref = RefTo(Liste, slot);
    if (ref.Empty()) return -1;
    before = changed = ref.Copy;
    return dialog(changed) ? Locate(Liste, ref) : -1;
}
}  // namespace

void ClsMainWindow::CmRemark(UINT) {
    Termin before, changed;
    const int now = EditClicked(input_.Hit, before, changed,
                                [&](Termin& t) { return ClsAnmerkDlg(Handle(), t).Execute() == IDOK; });
    if (now < 0) return;
    Liste.Satz(now).Beschr = changed.Beschr;
    Liste.SetzeGeaendert();
    input_.Hit = RefTo(Liste, now);
    if (before.Beschr.empty() != changed.Beschr.empty()) Invalidate(true);
}

void ClsMainWindow::CmWarningTime(UINT) {
    Termin before, changed;
    const int now = EditClicked(input_.Hit, before, changed,
                                [&](Termin& t) { return ClsVorwarnZeitDlg(Handle(), t, Jetzt()).Execute() == IDOK; });
    if (now < 0) return;
    Liste.Satz(now).Vorwarnung = changed.Vorwarnung;
    Liste.SetzeGeaendert();
    input_.Hit = RefTo(Liste, now);
    PlanNextWarning();
    Invalidate(true);
}
