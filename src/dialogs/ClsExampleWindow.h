// The colours dialog's sample: day headings and appointment lines painted from the
// dialog's working copy of the colour roles.
#pragma once
#include "framework/Window.h"

class ColourTable;

class ClsExampleWindow : public Window {
public:
    explicit ClsExampleWindow(const ColourTable& farben) : farben_(farben) {}

    // Creates the sample in place of the dialog control `id`, taking over its place and id.
    bool TakePlaceOf(HWND dialog, int id);

protected:
    const char* ClassName() const override { return "OrdivoExample"; }
    void Paint(HDC dc, bool erase, const RECT& rect) override;

private:
    const ColourTable& farben_;
};
