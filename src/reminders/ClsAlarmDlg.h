// The alarm sounds dialog (template IDD_ALARMTOENE, command CM_ALARMTOENE): sound on or off
// and a WAV file for each of the four priorities.
#pragma once
#include "settings/Settings.h"
#include "framework/Dialog.h"

class ClsAlarmDlg : public Dialog {
public:
    // `toene`: the four sounds by priority, changed on OK (a chosen file at once, which also
    // sets `settingsChanged`).
    ClsAlarmDlg(HWND parent, AlarmSound* toene, bool& settingsChanged);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    void WaehleDatei(int prioritaet);

    AlarmSound* toene_;
    bool& settingsChanged_;
};
