// ClsVorwarnDlg: set-up, warn again, address button, OK; and the program reference.
#include "dialogs/ClsVorwarnDlg.h"

#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "dialogs/ClsAdressenDlg.h"
#include "dialogs/ProgrammVerweis.h"
#include "dialogs/VorwarnHinweis.h"
#include "reminders/ReminderIds.h"
#include "store/JahresKopien.h"

namespace {
std::string Zahl(long n) { return std::to_string(n); }

void StarteProgramm(Termin& t) {
    std::string zeile;
    if (ProgrammZeile(t.Beschr, zeile)) {
        const UINT ergebnis = WinExec(zeile.c_str(), SW_SHOWNORMAL);
        if (const int meldung = ProgrammStartMeldung(ergebnis)) {
            const std::string text = Format(LoadResString(meldung), int(ergebnis));
            GetHost().MessageText(text, Format(LoadResString(IDS_PROG_TITEL), zeile.c_str()), Mb::IconExclamation);
        }
    }
    ProgrammVerweisErledigt(t);  // also when nothing could be started
}
}  // namespace

ClsVorwarnDlg::ClsVorwarnDlg(HWND parent, ClsListe& liste, ClsAdrListe& adressen, int slot, const Zeitpunkt& jetzt)
    : Dialog(parent, IDD_VORWARNUNG, ResourceModule()), liste_(liste), adressen_(adressen), termin_(RefTo(liste, slot)),
      jetzt_(jetzt) {}

void ClsVorwarnDlg::SetupWindow() {
    LOGFONTA lf{};
    lf.lfHeight = 2 * HIWORD(GetDialogBaseUnits());
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    fett_.Reset(CreateFontIndirectA(&lf));
    SendDlgItemMessageA(Handle(), IDC_HW_KURZTEXT, WM_SETFONT, WPARAM(fett_.Get()), FALSE);
    for (int id : {IDC_HW_TAGE, IDC_HW_STUNDEN, IDC_HW_MINUTEN}) EnableItem(id, false);
    if (termin_.Empty()) {
        EnableItem(IDC_HW_ADRESSE, false);
        return;
    }
    const Termin& t = termin_.Copy;
    const HinweisAnzeige a = ZeigeHinweis(t, jetzt_);
    SetItemText(IDC_HW_KURZTEXT, t.Kurzbeschr);
    SetItemText(IDC_HW_BESCHR, t.Beschr);
    SetItemText(IDC_HW_DATUM, a.Datum);
    SetItemText(IDC_HW_ZEIT, a.Zeit);
    SetItemText(IDC_HW_PRIORITAET, LoadResString(a.PrioritaetText));
    EnableItem(IDC_HW_ADRESSE, a.Adresse);
    SetItemText(IDC_HW_TAGE, Zahl(a.Rest.Tage));
    SetItemText(IDC_HW_STUNDEN, Zahl(a.Rest.Stunden));
    SetItemText(IDC_HW_MINUTEN, Zahl(a.Rest.Minuten));
    SetChecked(IDC_HW_ERLEDIGT, a.Erledigt);
}

void ClsVorwarnDlg::WiederFreigeben() {
    const bool an = IsChecked(IDC_HW_WIEDER);
    for (int id : {IDC_HW_TAGE, IDC_HW_STUNDEN, IDC_HW_MINUTEN}) EnableItem(id, an);
}

bool ClsVorwarnDlg::OnCommand(int id, int notify, HWND) {
    if (notify != BN_CLICKED) return false;
    if (id == IDC_HW_WIEDER) {
        WiederFreigeben();
        return true;
    }
    if (id == IDC_HW_ADRESSE) {
        // Shows the linked address; what the address book hands back is not used here.
        RunAdressenDlg(Handle(), adressen_, liste_, termin_.Copy.AdrId);
        return true;
    }
    return false;
}

bool ClsVorwarnDlg::CanClose() {
    const int slot = Locate(liste_, termin_);
    if (slot < 0) return true;  // gone meanwhile: nothing to store
    HinweisEingabe e;
    e.Datum = GetItemText(IDC_HW_DATUM);
    e.Zeit = GetItemText(IDC_HW_ZEIT);
    e.Tage = GetItemText(IDC_HW_TAGE);
    e.Stunden = GetItemText(IDC_HW_STUNDEN);
    e.Minuten = GetItemText(IDC_HW_MINUTEN);
    e.Wieder = IsChecked(IDC_HW_WIEDER);
    e.Erledigt = IsChecked(IDC_HW_ERLEDIGT);
    Termin neu;
    switch (UebernimmHinweis(termin_.Copy, e, jetzt_, neu)) {
    case HinweisOk::Ungueltig:
        Message(IDS_NEUES_DATUM_UNGUELTIG, IDS_TITEL_VERSCHIEBEN, Mb::IconExclamation | Mb::TaskModal);
        CloseDialog(0);
        return false;
    case HinweisOk::WiederUndErledigt:
        GetHost().MessageText(LoadResString(IDS_HW_WIEDER_UND_ERLEDIGT), "Fehler!", Mb::IconExclamation);
        return false;
    case HinweisOk::Gespeichert:
        break;
    }
    liste_.SetzeAktuell(&liste_.Satz(slot));
    liste_.LoescheAktuell();
    // A moved yearly master takes its copies along, as the move command does.
    if (liste_.Einfuegen(neu) && termin_.Copy.IstJahresMaster() && !(neu.Start == termin_.Copy.Start))
        ErneuereKopien(liste_, neu.Id, neu);
    return true;
}

void ZeigeVorwarnung(HWND owner, ClsListe& liste, ClsAdrListe& adressen, int slot, const Zeitpunkt& jetzt) {
    if (slot < 0 || slot >= liste.Anzahl()) return;
    if (liste.Satz(slot).Hat(FlagProgramm)) {
        const RecordRef vorher = RefTo(liste, slot);
        Termin t = vorher.Copy;
        StarteProgramm(t);
        // Looked up again: the message box let the timer and change notices run.
        const int jetztSlot = Locate(liste, vorher);
        if (jetztSlot >= 0) {
            liste.Satz(jetztSlot).Vorwarnung = t.Vorwarnung;
            liste.Satz(jetztSlot).Flags = t.Flags;
        }
        return;
    }
    ClsVorwarnDlg dlg(owner, liste, adressen, slot, jetzt);
    dlg.Execute();
}
