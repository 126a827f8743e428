// The appointment dialog (template 2838): edit one appointment, add it (also as a series or
// yearly), change or delete it, and pick existing ones from the list. Works directly on the
// collection; the result tells whether the collection was changed.
#pragma once
#include "dialogs/TerminFelder.h"
#include "framework/Dialog.h"

class ClsAdrListe;
class Dokument;

#include <cstdint>
#include <vector>

class ClsTerminDlg : public Dialog {
public:
    // Date-bound mode shows the appointments of `tag` only; general mode shows all and
    // offers `tag` (the calendar's selected day) as the date of a new appointment.
    ClsTerminDlg(HWND parent, Dokument& dok, const Zeitpunkt& tag, bool datumGebunden);

    bool SammlungGeaendert() const { return sammlungGeaendert_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;
    void OnCancel() override;

private:
    TerminFelder LeseFelder() const;  // the one place that reads the controls
    void ZeigeFelder(const TerminFelder& f);
    void ZeigeTag(bool mitDatumsfeld);
    void FuelleListe();
    void FuelleAdressen();
    void LadeZeile(int index);
    void Freigeben();
    bool DarfVerwerfen();
    void Bearbeitet(int id);
    void ZeitVerlassen(int id);
    void ListenAuswahl();
    void Hinzufuegen();
    void Aendern();
    void Loeschen();
    void Neu();
    bool Gueltig(int slot) const;

    ClsListe& liste_;
    ClsAdrListe& adressen_;
    bool datumGebunden_;
    Zeitpunkt tag_;  // date of the working record: the day the list shows in date-bound mode
    Zeitpunkt gewaehlt_;  // the calendar's selected day
    bool geaendert_ = false;
    bool geladen_ = false;
    bool datumOderZeit_ = false;
    bool sammlungGeaendert_ = false;
    int anker_ = -1;    // slot of the record on the list's first line
    int aktuell_ = -1;  // slot of the loaded record, or of the record added last
    int auswahl_ = -1;  // list line that was last allowed to load
    std::vector<uint16_t> adressNummern_;  // address number of each line of 184
};

// Runs the dialog for the calendar: general mode (command 201) or date-bound for `tag`.
// True when the collection was changed (the caller repaints).
bool RunTerminDlg(HWND owner, Dokument& dok, const Zeitpunkt& tag, bool datumGebunden);
