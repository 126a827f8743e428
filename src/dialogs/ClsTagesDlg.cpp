// ClsTagesDlg: shows the grid, recomputes the end times on every edit and checks on OK.
#include "dialogs/ClsTagesDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "dialogs/TagesRaster.h"
#include "settings/Settings.h"

ClsTagesDlg::ClsTagesDlg(HWND parent, Settings& settings)
    : Dialog(parent, IDD_TAGESRASTER, ResourceModule()), settings_(settings) {}

void ClsTagesDlg::SetupWindow() {
    SetItemText(IDC_RASTER_START_AM, Format("%d:%02d", settings_.StartAM / 60, settings_.StartAM % 60));
    SetItemText(IDC_RASTER_SCHRITT_AM, Format("%d", settings_.StepAM));
    SetItemText(IDC_RASTER_START_PM, Format("%d:%02d", settings_.StartPM / 60, settings_.StartPM % 60));
    SetItemText(IDC_RASTER_SCHRITT_PM, Format("%d", settings_.StepPM));
    ZeigeEnden();
}

// Unchecked: a text that is no time shows no end.
void ClsTagesDlg::ZeigeEnden() {
    const struct {
        int start, schritt, ende;
    } spalten[] = {{IDC_RASTER_START_AM, IDC_RASTER_SCHRITT_AM, IDC_RASTER_ENDE_AM},
                   {IDC_RASTER_START_PM, IDC_RASTER_SCHRITT_PM, IDC_RASTER_ENDE_PM}};
    for (const auto& s : spalten) {
        const int start = LiesRasterZeit(GetItemText(s.start), true);
        const int schritt = LiesRasterZeit(GetItemText(s.schritt), false);
        SetItemText(s.ende, start < 0 || schritt < 0 ? std::string() : RasterEnde(start, schritt));
    }
}

bool ClsTagesDlg::OnCommand(int, int notify, HWND) {
    if (notify == EN_CHANGE && !Filling) ZeigeEnden();
    return false;
}

bool ClsTagesDlg::CanClose() {
    TagesRaster r;
    const int meldung = PruefeRaster(GetItemText(IDC_RASTER_START_AM), GetItemText(IDC_RASTER_SCHRITT_AM),
                                     GetItemText(IDC_RASTER_START_PM), GetItemText(IDC_RASTER_SCHRITT_PM), r);
    if (meldung != 0) {
        Message(meldung, IDS_TITEL_RASTER, Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    settings_.StartAM = r.StartAM;
    settings_.StepAM = r.StepAM;
    settings_.StartPM = r.StartPM;
    settings_.StepPM = r.StepPM;
    settings_.SettingsChanged = true;
    return true;
}

bool RunTagesDlg(HWND owner, Settings& settings) {
    ClsTagesDlg dlg(owner, settings);
    return dlg.Execute() == IDOK;
}
