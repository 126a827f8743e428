// The warning notice (template IDD_VORWARNUNG): shows a due appointment in a bold short
// text, the time left, and lets the user move it, be warned again or mark it done.
#pragma once
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "store/RecordRef.h"

class ClsAdrListe;

class ClsVorwarnDlg : public Dialog {
public:
    ClsVorwarnDlg(HWND parent, ClsListe& liste, ClsAdrListe& adressen, int slot, const Zeitpunkt& jetzt);

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    void WiederFreigeben();

    ClsListe& liste_;
    ClsAdrListe& adressen_;
    RecordRef termin_;
    Zeitpunkt jetzt_;
    gdi::Font fett_;
};

// Serves the due warning of record `slot`: starts the program of a program reference (and
// marks the appointment done), otherwise runs the notice modally.
void ZeigeVorwarnung(HWND owner, ClsListe& liste, ClsAdrListe& adressen, int slot, const Zeitpunkt& jetzt);
