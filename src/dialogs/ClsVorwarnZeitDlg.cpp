// ClsVorwarnZeitDlg: the current lead in three labels, the time left in three edits.
#include "dialogs/ClsVorwarnZeitDlg.h"

#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/TextFormat.h"
#include "dialogs/Vorlauf.h"
#include "reminders/ReminderIds.h"

ClsVorwarnZeitDlg::ClsVorwarnZeitDlg(HWND parent, Termin& t, const Zeitpunkt& jetzt)
    : Dialog(parent, IDD_VORWARNZEIT, ResourceModule()), termin_(t), jetzt_(jetzt) {}

void ClsVorwarnZeitDlg::SetupWindow() {
    if (termin_.Vorwarnung.Jahr < 1) {
        SetItemText(IDC_VZ_BISHER_TAGE, "Keine");
    } else {
        const Vorlauf bisher = TeileMinuten(MinutenBis(termin_.Vorwarnung, termin_.Start));
        SetItemText(IDC_VZ_BISHER_TAGE, Format(LoadResString(IDS_VZ_TAGE), bisher.Tage));
        SetItemText(IDC_VZ_BISHER_STUNDEN, Format(LoadResString(IDS_VZ_STUNDEN), bisher.Stunden));
        SetItemText(IDC_VZ_BISHER_MINUTEN, Format(LoadResString(IDS_VZ_MINUTEN), bisher.Minuten));
    }
    const Vorlauf rest = TeileMinuten(MinutenBis(jetzt_, termin_.Start));
    SetItemText(IDC_VZ_TAGE, std::to_string(rest.Tage));
    SetItemText(IDC_VZ_STUNDEN, std::to_string(rest.Stunden));
    SetItemText(IDC_VZ_MINUTEN, std::to_string(rest.Minuten));
    for (int id : {IDC_VZ_TAGE, IDC_VZ_STUNDEN, IDC_VZ_MINUTEN}) LimitText(id, 11);
}

bool ClsVorwarnZeitDlg::CanClose() {
    termin_.Vorwarnung = WarnungVor(termin_.Start, VorlaufMinuten(GetItemText(IDC_VZ_TAGE),
                                                                  GetItemText(IDC_VZ_STUNDEN),
                                                                  GetItemText(IDC_VZ_MINUTEN)));
    return true;
}
