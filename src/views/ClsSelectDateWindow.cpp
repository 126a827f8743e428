// ClsSelectDateWindow: placement, the two buttons in dialog units, paint and click.
#include "views/ClsSelectDateWindow.h"

#include <windowsx.h>

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "dialogs/ClsGotoDlg.h"
#include "framework/Gdi.h"
#include "framework/GdiCanvas.h"
#include "settings/Settings.h"
#include "views/ClsCalendarWindow.h"

namespace {
constexpr int ButtonIds[2] = {IDC_DATUM_GEHE_ZU, IDC_DATUM_SCHLIESSEN};
constexpr int ButtonTexts[2] = {IDS_GEHE_ZU, IDS_SCHLIESSEN};
constexpr int ButtonOffsets[2] = {48, 98};  // left edge: client right − this many units − 4

// One horizontal dialog unit is a quarter of the base width, a vertical one an eighth of
// the base height.
int UnitsX(int units) { return units * LOWORD(GetDialogBaseUnits()) / 4; }
int UnitsY(int units) { return units * HIWORD(GetDialogBaseUnits()) / 8; }

int ThisYear() { return GetHost().Now().Jahr; }
}  // namespace

ClsSelectDateWindow::ClsSelectDateWindow(ClsCalendarWindow& main, const YearCalendarHolidays& holidays,
                                         YearCalendarFont& font)
    : Window(&main), main_(main), holidays_(holidays), font_(font) {
    Attr.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    Attr.title = LoadResString(IDS_TITEL_DATUM_WAEHLEN);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    const WindowPos frame = ReadWindowPos(screenW, screenH);
    const PickerOrigin at = PlacePicker(frame.X, frame.Y, screenW, screenH);
    Attr.x = at.X;
    Attr.y = at.Y;
    Attr.w = PickerWidth;
    Attr.h = PickerHeight;
}

void ClsSelectDateWindow::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));  // RGB (192, 192, 192)
}

void ClsSelectDateWindow::SetupWindow() {
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = CreateWindowExA(0, "BUTTON", LoadResString(ButtonTexts[i]), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      0, 0, UnitsX(48), UnitsY(14), Handle(),
                                      reinterpret_cast<HMENU>(INT_PTR{ButtonIds[i]}), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    PlaceButtons();
}

PickerClient ClsSelectDateWindow::Client() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return PickerClient{r.right, r.bottom, UnitsY(14)};
}

void ClsSelectDateWindow::PlaceButtons() {
    const PickerClient c = Client();
    for (int i = 0; i < 2; ++i)
        MoveWindow(buttons_[i], c.Right - UnitsX(ButtonOffsets[i]) - 4, c.Bottom - 4 - UnitsY(14), UnitsX(48), UnitsY(14),
                   TRUE);
}

void ClsSelectDateWindow::OnSize(int, int) {
    PlaceButtons();
    Invalidate(true);
}

void ClsSelectDateWindow::Paint(HDC dc, bool, const RECT&) {
    GdiCanvas canvas(dc);
    PaintDatePicker(canvas, font_, holidays_, Client(), ThisYear());
}

void ClsSelectDateWindow::OnLeftUp(int x, int y) {
    gdi::WindowDc dc(Handle());
    if (!dc.Get()) return;
    YearCalendarHitResult hit;
    {
        GdiCanvas canvas(dc.Get());
        hit = DatePickerHit(canvas, Client(), ThisYear(), x, y);
    }
    if (hit.Month == 0) return;
    main_.GoToDate(SelectedDate{hit.Year, static_cast<int8_t>(hit.Month), static_cast<int8_t>(hit.Day)});
    DestroyWindow(Handle());
}

bool ClsSelectDateWindow::OnCommand(UINT id) {
    if (id == IDC_DATUM_GEHE_ZU) {
        const Datum d = RunGotoDlg(Handle());
        if (d.Jahr >= 0) main_.GoToDate(SelectedDate{int(d.Jahr), d.Monat, d.Tag});
    } else if (id != IDC_DATUM_SCHLIESSEN) {
        return false;
    }
    DestroyWindow(Handle());
    return true;
}

// Every way of closing ends here: the calendar window takes the focus back; its reference
// to the picker counts as cleared once the window is gone.
void ClsSelectDateWindow::CleanupWindow() { SetFocus(main_.Handle()); }

bool ClsSelectDateWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    // Without the mouse: Enter runs the go-to dialog like button 801, Escape closes like 802.
    if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_ESCAPE)) {
        OnCommand(wp == VK_RETURN ? IDC_DATUM_GEHE_ZU : IDC_DATUM_SCHLIESSEN);
        result = 0;
        return true;
    }
    if (msg == WM_LBUTTONUP) {
        OnLeftUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        result = 0;
        return true;
    }
    return Window::HandleMessage(msg, wp, lp, result);
}
