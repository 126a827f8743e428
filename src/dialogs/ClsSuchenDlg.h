// The search dialog (template 2334): finds appointments by their short text, lists the hits
// in date or text order and picks the date of one of them. Reads the collection only.
#pragma once
#include "framework/Dialog.h"
#include "store/ClsListe.h"

#include <string>

class ClsSuchenDlg : public Dialog {
public:
    ClsSuchenDlg(HWND parent, ClsListe& liste);

    // The start date of the hit chosen with Go to; Jahr 0 when the dialog was closed without.
    const Zeitpunkt& Ziel() const { return ziel_; }

protected:
    void SetupWindow() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    void Suchen();
    void GeheZu();

    ClsListe& liste_;
    std::string gesucht_;
    bool gespeichert_ = false;
    Zeitpunkt ziel_;
};

// Runs the dialog; the date of the chosen hit, Jahr 0 when none was chosen.
Zeitpunkt RunSuchenDlg(HWND owner, ClsListe& liste);
