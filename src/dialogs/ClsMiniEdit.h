// ClsMiniEdit: the small pop-up (template 6254) that edits the label of a selection marker,
// opened with its top-left corner at a screen point.
#pragma once
#include "framework/Dialog.h"

#include <string>

constexpr int MarkenLaenge = 9;  // characters of a marker label

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
