// ClsCheckBox: a filter check box of the address book that opens ClsMiniEdit on a right
// click and stores the edited label as the marker's name.
#pragma once
#include <windows.h>

#include <string>

// Subclasses an existing check box for as long as the object lives.
class ClsCheckBox {
public:
    ClsCheckBox() = default;
    ~ClsCheckBox();
    ClsCheckBox(const ClsCheckBox&) = delete;
    ClsCheckBox& operator=(const ClsCheckBox&) = delete;

    void Binde(HWND box);
    // Right click at a screen point: edits the label and writes SelectionMarker<n> for n = id - 1309.
    void BearbeiteMarke(POINT bildschirm);

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND box_ = nullptr;
    WNDPROC original_ = nullptr;
};

// The label of marker n (1-8) from Address\SelectionMarker<n>, default "n".
std::string MarkenName(int n);
// A marker label as a check box text: its '&' is shown, not taken for a mnemonic.
std::string MarkenBeschriftung(std::string name);
