// The colours dialog (template 3912, command 407): a palette colour for each colour role,
// chosen on a working copy that a sample shows and OK puts in place.
#pragma once
#include "dialogs/ClsExampleWindow.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "settings/ColourTable.h"

struct Settings;

class ClsFarbenDlg : public Dialog {
public:
    ClsFarbenDlg(HWND parent, Settings& settings);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    void ZeigeFarbe();

    Settings& settings_;
    ColourTable arbeit_;  // the working copy
    ClsExampleWindow muster_{arbeit_};
    gdi::Brush felder_[PaletteSize];  // the colour fields beside the radio buttons
};

// True after OK (the caller repaints). A colour clicked sets SettingsChanged even when the
// dialog is then cancelled.
bool RunFarbenDlg(HWND owner, Settings& settings);
