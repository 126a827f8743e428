// The print dialog (template 4222): kind and date or range, margins in centimetres checked
// against the default printer's minimum, font height and colour. Stores Margins and
// FontHeight; closes at once as cancelled when there is no default printer.
#pragma once
#include "framework/Dialog.h"
#include "printing/PrintOptions.h"
#include "settings/Settings.h"
#include "views/ViewState.h"

class ClsDruckenDlg : public Dialog {
public:
    ClsDruckenDlg(HWND parent, MainWindowSettings& settings, ViewMode mode, const SelectedDate& selected);

    // The choice of the last OK.
    const PrintOptions& Options() const { return options_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool OnCommand(int id, int notify, HWND control) override;

private:
    bool ReadDate(int field, bool monthOnly, Zeitpunkt& out);

    MainWindowSettings& settings_;
    ViewMode mode_;
    SelectedDate selected_;
    PrintOptions options_;
    int minimum_[4] = {0, 0, 0, 0};
    int shown_[4] = {0, 0, 0, 0};
};

class ClsPrinter;
class Dokument;
class Feiertage;

// Command 105: checks that there is something to print, runs the dialog, computes the
// holidays of the printed year and prints the chosen page through `printer`.
void PrintCommand(HWND owner, ClsPrinter& printer, Dokument& doc, Feiertage& feiertage, const Settings& settings,
                  MainWindowSettings& mw, ViewState& view);
