// The address book (template 4563): browse, add, change and delete addresses, mark them with
// eight selection markers and filter the list by them. Opened with an address number it
// links: the number of the address shown on closing is the result.
#pragma once
#include "addresses/Adresse.h"
#include "dialogs/AdressRegeln.h"
#include "dialogs/ClsListEditDlg.h"
#include "dialogs/ClsCheckBox.h"

#include <cstdint>
#include <vector>

class ClsAdrListe;
class ClsListe;

class ClsAdressenDlg : public ClsListEditDlg {
public:
    static constexpr int Marken = 8;

    // nummer AdrNummer::Adressbuch: plain address book; any other: link mode showing that address.
    // `termine` are the appointments whose links a new address must not take over.
    ClsAdressenDlg(HWND parent, ClsAdrListe& liste, ClsListe& termine, uint16_t nummer);

protected:
    void AfterSetup() override;
    bool OnCommand(int id, int notify, HWND control) override;
    void DeleteEntry() override;
    void ClearFields() override;
    bool AddFromFields() override;
    bool LoadEntry(int index) override;
    bool CanAdd() override;
    void Help() override;
    INT_PTR Result() override;

private:
    void FuelleAdressen(uint16_t nummer);
    uint16_t FilterMaske() const;
    int ZeilenAdresse() const;  // list index of the address on the selected line, -1 none
    int GeladeneAdresse();      // list index of the working record's address, -1 none
    bool LadeAdresse(uint16_t nummer);
    void Filter(bool an);

    ClsAdrListe& liste_;
    ClsListe& termine_;
    Adresse arbeit_;  // the working record
    uint16_t start_;
    uint16_t aktuell_;
    std::vector<int> sichtbar_;  // list index of each line of 140
    ClsCheckBox filter_[Marken];
};

// Command 750 (plain) or 823 and the warning notice (link mode). Returns the dialog's result.
INT_PTR RunAdressenDlg(HWND owner, ClsAdrListe& liste, ClsListe& termine, uint16_t nummer);
