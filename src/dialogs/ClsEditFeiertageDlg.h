// The holiday dialog (template 3225): lists, adds, changes and deletes the rules of the
// holiday table, reading ORDIVO.PHD when it opens and writing it when it closes, and switches
// the two computed special days (Day1, Day2) on and off.
#pragma once
#include "dialogs/ClsListEditDlg.h"
#include "dialogs/FeiertagFelder.h"

#include <string>

class Feiertage;
struct Settings;

class ClsEditFeiertageDlg : public ClsListEditDlg {
public:
    // `jahr` is the year the list shows the dates of; `datei` the holiday file.
    ClsEditFeiertageDlg(HWND parent, Feiertage& feiertage, Settings& settings, int jahr, std::string datei);

protected:
    void AfterSetup() override;
    bool OnCommand(int id, int notify, HWND control) override;
    void OnCancel() override;
    void DeleteEntry() override;
    void ClearFields() override;
    bool AddFromFields() override;
    bool FieldsValid() override;
    bool LoadEntry(int index) override;
    void Help() override;

private:
    FeiertagFelder LeseFelder() const;  // the one place that reads the fields
    int Pruefe(Feiertag& e) const;      // 0, or the message shown for the first bad field
    void ZeigeOption(FeiertagOption option);
    void FuelleListe(const Feiertag* auswahl);

    Feiertage& feiertage_;
    Settings& settings_;
    int jahr_;
    std::string datei_;
    bool dateiOffen_ = false;
    int geladen_ = -1;  // the entry shown in the fields
};

// Command 403; the caller repaints afterwards.
void RunFeiertageDlg(HWND owner, Feiertage& feiertage, Settings& settings, int jahr, const std::string& datei);
