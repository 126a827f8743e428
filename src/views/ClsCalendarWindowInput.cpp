// The calendar window's mouse, keyboard and in-place editing: selecting days, the editor
// over a line, dragging appointments to another day or time, the context menu with
// command 822, and the appointment dialog on a double click or Enter.
#include "views/ClsCalendarWindow.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "dialogs/ClsTerminDlg.h"
#include "document/Dokument.h"
#include "settings/Settings.h"
#include "views/ContextMenu.h"
#include "views/ContextMenuRules.h"
#include "views/DragDrop.h"
#include "views/InPlaceCommit.h"
#include "views/InPlaceText.h"
#include "views/Navigation.h"

#include <windowsx.h>

#include <cstdlib>

namespace {

constexpr int DragDistance = 4;  // pixels in x or y that make a release a drop

void ShowDragCursor(int id) { SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))); }

void ShowArrow() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }

bool IsYearlyCopy(const RecordRef& ref) { return !ref.Empty() && ref.Copy.Hat(FlagJahresKopie); }

}  // namespace

const MessageEntry<ClsCalendarWindow> ClsCalendarWindow::kMessages[] = {
    {WM_LBUTTONDOWN, &ClsCalendarWindow::OnLeftDown},
    {WM_LBUTTONUP, &ClsCalendarWindow::OnLeftUp},
    {WM_LBUTTONDBLCLK, &ClsCalendarWindow::OnDoubleClick},
    {WM_RBUTTONDOWN, &ClsCalendarWindow::OnRightDown},
    {WM_MOUSEMOVE, &ClsCalendarWindow::OnMouseMove},
    {WM_CAPTURECHANGED, &ClsCalendarWindow::OnCaptureChanged},
    {WM_KEYDOWN, &ClsCalendarWindow::OnKeyDown},
    {WM_KEYUP, &ClsCalendarWindow::OnKeyUp},
    {Msg::EndEdit, &ClsCalendarWindow::OnEndEdit},
};

bool ClsCalendarWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (DispatchWindowMessage(this, kMessages, msg, wp, lp, result)) return true;
    return Window::HandleMessage(msg, wp, lp, result);
}

Zeitpunkt ClsCalendarWindow::SelectedDay() const {
    return ActiveDay(view_.Selected, settings_.Mode);
}

RecordRef ClsCalendarWindow::CommitEdit() {
    if (!input_.Editor.IsOpen()) return RecordRef{};
    // Taken over first, so that a commit reached while the overlap question is open finds none.
    ClsEditTerm editor = std::move(input_.Editor);
    const RecordRef edited = std::move(input_.Edited);
    input_.Edited = RecordRef{};
    RecordRef stored;
    if (editor.Exists()) stored = StoreEditText(doc_.Liste, edited, editor.FirstLine(), input_.Opened, SelectedDay());
    const bool focused = editor.HasFocus();
    editor.Close();
    if (focused) SetFocus(Handle());
    // Repainted at once: the hit grid must describe the changed collection.
    Invalidate(true);
    UpdateWindow(Handle());
    return stored;
}

LRESULT ClsCalendarWindow::OnEndEdit(WPARAM, LPARAM) {
    CommitEdit();
    return 0;
}

void ClsCalendarWindow::OpenEditor(int x, int y) {
    std::string text;
    if (!input_.Hit.Empty()) {
        input_.Edited = RefTo(doc_.Liste, input_.Hit.Slot);
        if (input_.Edited.Empty()) return;  // no memory for the copy: message 1106 shown
        text = EditorText(input_.Edited.Copy);
    } else if (settings_.Mode == ViewMode::Day && y <= view_.Grid.TimeGridBottom) {
        Zeitpunkt row;
        if (DropTargetAt(view_.Hits, x, y, row)) text = RowTimeText(row);
    }
    const EditArea& r = input_.EditRect;
    input_.Editor.Open(Handle(), r.Left, r.Top - (ClsEditTerm::Height - view_.Grid.RowHeight) / 2, r.Right - r.Left,
                       text);
    input_.Opened = input_.Editor.FirstLine();  // as the control holds it
}

// Clicks read the hit grid, which holds slot numbers: a repaint still pending after a change
// of the collection (a drop, a command) is done first, so that the grid describes it.
void ClsCalendarWindow::PaintPending() {
    if (GetUpdateRect(Handle(), nullptr, FALSE)) UpdateWindow(Handle());
}

LRESULT ClsCalendarWindow::OnLeftDown(WPARAM, LPARAM lp) {
    PaintPending();
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    input_.ButtonSeen = true;
    SelectedDate probe = view_.Selected;
    if (PointToDay(x, y, settings_.Mode, view_.Grid, probe) < 0) {
        GetHost().Beep();
        return 0;
    }
    CommitEdit();
    const AppointmentHit hit = HitAppointmentAt(view_.Hits, view_.Grid, x, y, true);
    input_.Hit = RefTo(doc_.Liste, hit.Appointment);
    input_.EditRect = hit.Rect;
    if (!hit.Editable) input_.EditRect.Right = 0;
    SetCapture(Handle());
    const bool yearlyCopy = IsYearlyCopy(input_.Hit);
    if (hit.Editable) {
        DrawSelectionFrame(PointToDay(x, y, settings_.Mode, view_.Grid, view_.Selected));
        if (yearlyCopy) Message(IDS_JAHRESKOPIE_NICHT_AENDERBAR, IDS_TITEL_HINWEIS, Mb::Ok | Mb::IconExclamation);
        else OpenEditor(x, y);
    }
    if (input_.Hit.Empty()) {
        // Without an editor the calendar itself takes the keys.
        if (input_.Editor.IsOpen()) input_.Editor.Focus();
        else SetFocus(Handle());
    } else if (!yearlyCopy) {
        // A generated yearly copy is never written: moving it would be lost, so it is not dragged.
        input_.DragOrigin = POINT{x, y};
        input_.DragArmed = true;
        ShowDragCursor(IDCUR_VERSCHIEBEN);
    }
    return 0;
}

LRESULT ClsCalendarWindow::OnLeftUp(WPARAM wp, LPARAM lp) {
    if (!input_.ButtonSeen) return 0;
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    const bool armed = input_.DragArmed;
    input_.DragArmed = false;
    ReleaseCapture();
    input_.Editor.Focus();
    if (armed) {
        ShowArrow();
        if (std::abs(x - input_.DragOrigin.x) >= DragDistance || std::abs(y - input_.DragOrigin.y) >= DragDistance) {
            Drop(x, y, (wp & MK_CONTROL) != 0);
            return 0;
        }
    }
    const int day = PointToDay(x, y, settings_.Mode, view_.Grid, view_.Selected);
    if (day != -1) {
        DrawSelectionFrame(day);
        view_.Selected.Day = static_cast<int8_t>(day);
    }
    return 0;
}

void ClsCalendarWindow::Drop(int x, int y, bool copy) {
    Zeitpunkt target;
    if (!DropTargetAt(view_.Hits, x, y, target)) {
        GetHost().Beep();
        return;
    }
    RecordRef dragged = input_.Hit;
    Termin moved;
    if (!DroppedCopy(dragged.Copy, target, settings_.Mode, moved)) return;
    // An open edit is stored first; when it edits the dragged record, the record stored
    // in its place is the one that moves.
    const int draggedSlot = Locate(doc_.Liste, dragged);
    const bool editsDragged = input_.Editor.IsOpen() && draggedSlot >= 0 && Locate(doc_.Liste, input_.Edited) == draggedSlot;
    RecordRef stored = CommitEdit();
    if (editsDragged) dragged = std::move(stored);
    if (!PlaceDrop(doc_.Liste, dragged, moved, copy)) {
        GetHost().Beep();
        return;
    }
    input_.Hit = RecordRef{};
    Invalidate(true);
}

LRESULT ClsCalendarWindow::OnMouseMove(WPARAM wp, LPARAM) {
    // Ctrl is also read here, so the copy cursor shows while another window has the keys.
    if (input_.DragArmed) ShowDragCursor((wp & MK_CONTROL) ? IDCUR_KOPIEREN : IDCUR_VERSCHIEBEN);
    return 0;
}

LRESULT ClsCalendarWindow::OnCaptureChanged(WPARAM, LPARAM lp) {
    // Capture taken by another window (a message box): the release will not come here.
    if (reinterpret_cast<HWND>(lp) != Handle() && input_.DragArmed) {
        input_.DragArmed = false;
        ShowArrow();
    }
    return 0;
}

void ClsCalendarWindow::OpenAppointmentDialog(const Zeitpunkt& tag) {
    // Stored first: the dialog may change or delete the record the editor holds.
    CommitEdit();
    if (RunTerminDlg(Handle(), doc_, tag, true)) {
        CommitEdit();
        Invalidate(true);
    }
}

LRESULT ClsCalendarWindow::OnDoubleClick(WPARAM, LPARAM lp) {
    const int day = PointToDay(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), settings_.Mode, view_.Grid, view_.Selected);
    const SelectedDate& s = view_.Selected;
    if (day < 0) GetHost().Beep();
    else OpenAppointmentDialog(DayOf(SelectedDate{s.Year, s.Month, static_cast<int8_t>(day)}));
    return 0;
}

LRESULT ClsCalendarWindow::OnRightDown(WPARAM, LPARAM lp) {
    PaintPending();
    if (input_.DragArmed) {
        GetHost().Beep();
        return 0;
    }
    CommitEdit();
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    // Like a left click, a right click selects the day it hits.
    const int day = PointToDay(x, y, settings_.Mode, view_.Grid, view_.Selected);
    if (day < 0) {
        GetHost().Beep();
        return 0;
    }
    DrawSelectionFrame(day);
    view_.Selected.Day = static_cast<int8_t>(day);
    const AppointmentHit hit = HitAppointmentAt(view_.Hits, view_.Grid, x, y, false);
    input_.Hit = RefTo(doc_.Liste, hit.Appointment);
    if (input_.Hit.Empty()) return 0;
    MenuHandle menu = BuildContextMenu(input_.Hit.Copy, Jetzt());
    if (!menu.Get()) return 0;
    const RECT line{hit.Rect.Left, hit.Rect.Top, hit.Rect.Right, hit.Rect.Bottom};
    UINT command = 0;
    {
        gdi::WindowDc dc(Handle());
        if (dc.Get()) InvertRect(dc.Get(), &line);
        POINT at{x, y};
        ClientToScreen(Handle(), &at);
        command = UINT(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
        if (dc.Get()) InvertRect(dc.Get(), &line);
    }
    if (command) OnCommand(command);
    return 0;
}

void ClsCalendarWindow::ToggleDone() {
    const int slot = Locate(doc_.Liste, input_.Hit);
    if (slot < 0 || IsYearlyCopy(input_.Hit)) {
        GetHost().Beep();
        return;
    }
    doc_.Liste.SetzeAktuell(&doc_.Liste.Satz(slot));
    Termin changed = input_.Hit.Copy;
    if (!::ToggleDone(changed, Jetzt())) return;
    // Looked up again: the question left the message loop running.
    const int now = Locate(doc_.Liste, input_.Hit);
    if (now < 0) return;
    doc_.Liste.Satz(now).Flags = changed.Flags;
    input_.Hit = RefTo(doc_.Liste, now);
    doc_.Liste.SetzeGeaendert();
    AppointmentChanged();
    CommitEdit();
    Invalidate(true);
}

void ClsCalendarWindow::MoveSelection(ArrowKey key) {
    const ViewMode mode = settings_.Mode;
    if (mode == ViewMode::Day) return;
    const Zeitpunkt to = ArrowKeyTarget(mode, key, SelectedDay());
    if (to.Jahr < MinYear || to.Jahr > MaxYear) {
        GetHost().Beep();
        return;
    }
    const bool otherMonth = mode == ViewMode::Month && (to.Monat != view_.Selected.Month || to.Jahr != view_.Selected.Year);
    if (otherMonth) CommitEdit();  // before the shown date changes: the text stays on its day
    view_.Selected = SelectedDate{to.Jahr, to.Monat, to.Tag};
    if (otherMonth) {
        // The month view follows a selection that leaves the month.
        ViewDateChanged();
        Invalidate(true);
    } else {
        DrawSelectionFrame(to.Tag);
    }
}

LRESULT ClsCalendarWindow::OnKeyDown(WPARAM wp, LPARAM) {
    switch (wp) {
    case VK_RETURN: OpenAppointmentDialog(SelectedDay()); break;
    case VK_PRIOR: GetHost().PostCommand(CM_ZURUECK); break;
    case VK_NEXT: GetHost().PostCommand(CM_VORWAERTS); break;
    case VK_LEFT: MoveSelection(ArrowKey::Left); break;
    case VK_RIGHT: MoveSelection(ArrowKey::Right); break;
    case VK_UP: MoveSelection(ArrowKey::Up); break;
    case VK_DOWN: MoveSelection(ArrowKey::Down); break;
    case VK_CONTROL:
        if (input_.DragArmed) ShowDragCursor(IDCUR_KOPIEREN);
        break;
    default: break;
    }
    return 0;
}

LRESULT ClsCalendarWindow::OnKeyUp(WPARAM wp, LPARAM) {
    if (wp == VK_CONTROL && input_.DragArmed) ShowDragCursor(IDCUR_VERSCHIEBEN);
    return 0;
}
