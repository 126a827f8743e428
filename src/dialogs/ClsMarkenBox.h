// The two small classes of the selection markers: ClsCheckBox, a filter check box of the
// address book that opens the label editor on a right click, and ClsMiniEdit, the pop-up
// (template 6254) that edits a marker's label at the clicked point.
#pragma once
#include "framework/Dialog.h"

#include <string>

class ClsMiniEdit : public Dialog {
public:
    ClsMiniEdit(HWND parent, POINT bildschirm, const std::string& text);
    const std::string& Text() const { return text_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    POINT punkt_;
    std::string text_;
};

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

constexpr int MarkenLaenge = 9;  // characters of a marker label
// The label of marker n (1-8) from Address\SelectionMarker<n>, default "n".
std::string MarkenName(int n);
