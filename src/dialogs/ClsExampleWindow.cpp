// ClsExampleWindow: placed where the template's frame was, painted with DrawColourSample.
#include "dialogs/ClsExampleWindow.h"

#include "dialogs/DarstellungRegeln.h"
#include "framework/GdiCanvas.h"

bool ClsExampleWindow::TakePlaceOf(HWND dialog, int id) {
    HWND platz = GetDlgItem(dialog, id);
    if (!platz) return false;
    RECT r{};
    GetWindowRect(platz, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    DestroyWindow(platz);
    Attr.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    Attr.id = UINT_PTR(id);
    Attr.parentHandle = dialog;
    Attr.x = r.left;
    Attr.y = r.top;
    Attr.w = r.right - r.left;
    Attr.h = r.bottom - r.top;
    return Create();
}

void ClsExampleWindow::Paint(HDC dc, bool, const RECT&) {
    RECT r{};
    GetClientRect(Handle(), &r);
    GdiCanvas canvas(dc);
    DrawColourSample(canvas, farben_, r.right, r.bottom);
}
