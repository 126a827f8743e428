// ClsDecoratedFrame: bars, placement and menu hints of the main frame.
#include "app/ClsDecoratedFrame.h"

#include "app/ClsStartWindow.h"
#include "app/TTipControlBar.h"
#include "app/TTipStatusBar.h"
#include "core/ResourceIds.h"
#include "settings/Settings.h"
#include "views/ClsCalendarWindow.h"

namespace {
// Button bar: bitmap and command per button, 0/0 for a separator.
struct ButtonDef {
    int bitmap;
    UINT command;
};
constexpr ButtonDef kButtons[] = {
    {IDB_GROSS_ZURUECK, CM_GROSS_ZURUECK}, {IDB_ZURUECK, CM_ZURUECK},
    {IDB_VORWAERTS, CM_VORWAERTS}, {IDB_GROSS_VORWAERTS, CM_GROSS_VORWAERTS}, {0, 0},
    {IDB_OEFFNEN, CM_OEFFNEN}, {IDB_SPEICHERN, CM_SPEICHERN}, {IDB_DRUCKEN, CM_DRUCKEN}, {0, 0},
    {IDB_ADRESSBUCH, CM_ADRESSBUCH}, {0, 0},
    {IDB_NEUER_TERMIN, CM_NEUER_TERMIN}, {IDB_SUCHEN, CM_SUCHEN}, {0, 0},
    {IDB_HEUTE, CM_HEUTE}, {IDB_DATUM_WAEHLEN, CM_DATUM_WAEHLEN}, {0, 0},
    {IDB_TAG, CM_TAG}, {IDB_WOCHE, CM_WOCHE}, {IDB_MONAT, CM_MONAT}, {IDB_MENUELEISTE, CM_MENUELEISTE}, {0, 0},
    {IDB_HILFE, CM_HILFE}, {0, 0},
    {IDB_BEENDEN, CM_BEENDEN},
};
// The normal position is in workspace coordinates, which start at the work area: moved into
// screen coordinates, so that it is stored as the frame is created (no drift when the
// taskbar is at the top or left).
RECT ScreenRect(RECT r) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi))
        OffsetRect(&r, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    return r;
}
}  // namespace

ClsDecoratedFrame::ClsDecoratedFrame(const std::string& title, ClsCalendarWindow* client)
    : DecoratedFrame(title, client, true), calendar_(client) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    const int deskX = GetSystemMetrics(SM_XVIRTUALSCREEN), deskY = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const ScreenArea desktop{deskX, deskY, deskX + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                             deskY + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const WindowPos pos = UsableWindowPos(ReadWindowPos(screenW, screenH), desktop, screenW, screenH);
    Attr.x = pos.X;
    Attr.y = pos.Y;
    Attr.w = pos.Width;
    Attr.h = pos.Height;
    lastPlacement_ = RECT{pos.X, pos.Y, pos.X + pos.Width, pos.Y + pos.Height};
}

ClsDecoratedFrame::~ClsDecoratedFrame() {
    WriteWindowPos(WindowPos{lastPlacement_.left, lastPlacement_.top,
                             lastPlacement_.right - lastPlacement_.left,
                             lastPlacement_.bottom - lastPlacement_.top});
}

void ClsDecoratedFrame::SetupWindow() {
    startWindow_ = std::make_unique<ClsStartWindow>(this);
    startWindow_->Create();
    if (!SetTimer(StartTimer, 3000)) timerDone_ = true;
    DecoratedFrame::SetupWindow();
    if (timerDone_) startWindow_.reset();
    else startShown_ = true;
}

void ClsDecoratedFrame::OnTimer(UINT_PTR id) {
    if (id != StartTimer) return;
    timerDone_ = true;
    if (startShown_) {
        startWindow_.reset();
        startShown_ = false;
    }
    KillTimer(StartTimer);
}

void ClsDecoratedFrame::BuildControlBar(TToolTip* tip) {
    auto bar = std::make_unique<TTipControlBar>(tip);
    HINSTANCE inst = GetModuleHandleA(nullptr);
    for (const auto& b : kButtons) {
        if (b.command == 0) bar->AddSeparator(6);
        else bar->AddButton(LoadBitmapA(inst, MAKEINTRESOURCEA(b.bitmap)), b.command);
    }
    InsertTop(std::move(bar));
}

void ClsDecoratedFrame::BuildStatusBar(TToolTip* tip) {
    auto status = std::make_unique<TTipStatusBar>(tip, MessageGadget, 10);
    status->AddTextGadget(MessageGadget, 48, true);
    // Wide enough for the whole clock text (date, two blanks, time with seconds) in the gadget font.
    status->AddTextGadget(ClockGadget, status->CharsFor("88.88.8888  88:88:88"), true);
    InsertBottom(std::move(status));
}

void ClsDecoratedFrame::SetStatusText(const std::string& text) {
    if (Status()) Status()->SetText(MessageGadget, text);
}

void ClsDecoratedFrame::SetDefaultStatusText(const std::string& text) {
    if (auto* status = static_cast<TTipStatusBar*>(Status())) status->SetDefaultText(text);
}

void ClsDecoratedFrame::SetClockText(const std::string& text) {
    if (Status()) Status()->SetText(ClockGadget, text);
}

void ClsDecoratedFrame::OnMenuHint(UINT id) {
    if (auto* status = static_cast<TTipStatusBar*>(Status())) status->SetCommandHint(id, false);
}

bool ClsDecoratedFrame::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SYSCOMMAND && calendar_) calendar_->CommitEdit();  // minimise, move, close: commit the typed line first
    if (msg == WM_DESTROY || msg == WM_MOVE || msg == WM_SIZE) {
        WINDOWPLACEMENT wpl{};
        wpl.length = sizeof wpl;
        if (Handle() && GetWindowPlacement(Handle(), &wpl)) lastPlacement_ = ScreenRect(wpl.rcNormalPosition);
    }
    return DecoratedFrame::HandleMessage(msg, wp, lp, result);
}
