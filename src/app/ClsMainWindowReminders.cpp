// ClsMainWindow, reminders: warning plan and tick, what the scheduler
// shows (notice, sound, clock, repaint), and the commands for alarm sounds (404), the
// remark (821) and the warning time (824) of the clicked appointment.
#include "app/ClsDecoratedFrame.h"
#include "app/ClsMainWindow.h"
#include "dialogs/ClsAnmerkDlg.h"
#include "dialogs/ClsVorwarnDlg.h"
#include "dialogs/ClsVorwarnZeitDlg.h"
#include "reminders/ClsAlarmDlg.h"

#include <mmsystem.h>

#include <functional>

// The message gadget falls back to the plan's text when a menu hint ends.
void ClsMainWindow::PlanNextWarning() {
    planer_.PlaneVorwarnungen();
    if (frame_) frame_->SetDefaultStatusText(planer_.StandardStatusText());
}

void ClsMainWindow::TimerTick() {
    planer_.Takt();
    if (frame_) frame_->SetDefaultStatusText(planer_.StandardStatusText());
}

void ClsMainWindow::Hinweis(int slot) { ZeigeVorwarnung(Handle(), doc_.Liste, doc_.AdrListe, slot, Jetzt()); }

void ClsMainWindow::Ton(const std::string& datei) {
    if (datei.empty()) {
        for (int i = 0; i < 3; ++i) MessageBeep(0);
        return;
    }
    // Synchronous; a file that cannot be played gives the system's default sound.
    sndPlaySoundA(datei.c_str(), SND_SYNC);
}

void ClsMainWindow::Uhr(const std::string& text) {
    if (frame_) frame_->SetClockText(text);
}

void ClsMainWindow::Neuzeichnen() {
    CommitEdit();
    Invalidate(true);
}

// A modal dialog or message box disables the frame it belongs to; printing disables the
// calendar window while its pages are drawn from the collection.
bool ClsMainWindow::DialogOffen() const {
    return !IsWindowEnabled(Handle()) || !IsWindowEnabled(GetAncestor(Handle(), GA_ROOT));
}

void ClsMainWindow::CmAlarmSounds(UINT) {
    ClsAlarmDlg dlg(Handle(), windowSettings_.Sounds, settings_.SettingsChanged);
    dlg.Execute();
}

namespace {
// Runs `dialog` (true on OK) on a copy of the clicked appointment, made the current record:
// a notice may change the collection while the dialog is open. Returns the slot the record
// has afterwards, or -1 (with a beep when nothing editable was clicked).
int EditClicked(ClsListe& liste, const RecordRef& hit, Termin& before, Termin& changed,
                const std::function<bool(Termin&)>& dialog) {
    const int slot = hit.Empty() || hit.Copy.Hat(FlagJahresKopie) ? -1 : Locate(liste, hit);
    if (slot < 0) {
        GetHost().Beep();
        return -1;
    }
    liste.SetzeAktuell(&liste.Satz(slot));
    const RecordRef ref = RefTo(liste, slot);
    if (ref.Empty()) return -1;
    before = changed = ref.Copy;
    return dialog(changed) ? Locate(liste, ref) : -1;
}
}  // namespace

void ClsMainWindow::CmRemark(UINT) {
    Termin before, changed;
    const int now = EditClicked(doc_.Liste, HitAppointment(), before, changed,
                                [&](Termin& t) { return ClsAnmerkDlg(Handle(), t).Execute() == IDOK; });
    if (now < 0) return;
    doc_.Liste.Satz(now).Beschr = changed.Beschr;
    ChangedInPlace(now);
    if (before.Beschr.empty() != changed.Beschr.empty()) Invalidate(true);
}

void ClsMainWindow::CmWarningTime(UINT) {
    Termin before, changed;
    const int now = EditClicked(doc_.Liste, HitAppointment(), before, changed,
                                [&](Termin& t) { return ClsVorwarnZeitDlg(Handle(), t, Jetzt()).Execute() == IDOK; });
    if (now < 0) return;
    doc_.Liste.Satz(now).Vorwarnung = changed.Vorwarnung;
    ChangedInPlace(now);
    PlanNextWarning();
    Invalidate(true);
}
