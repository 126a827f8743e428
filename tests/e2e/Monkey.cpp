// The monkey's actions and its answers to whatever the program opens.
#include "e2e/Monkey.h"

#include "app/Diagnose.h"
#include "core/ResourceIds.h"

#include <algorithm>
#include <cstdarg>
#include <vector>

using namespace kit;

namespace {
// Every menu command but ending the program, the system printer set-up and the help viewer.
constexpr UINT kCommands[] = {
    CM_NEU, CM_OEFFNEN, CM_SPEICHERN, CM_SPEICHERN_UNTER, CM_DRUCKEN, CM_VORGABEN, CM_KENNWORT,
    CM_NEUER_TERMIN, CM_ALTE_LOESCHEN, CM_SUCHEN, CM_HEUTE, CM_VORWAERTS, CM_ZURUECK, CM_DATUM_WAEHLEN,
    CM_TAG, CM_WOCHE, CM_MONAT, CM_MENUELEISTE, CM_FEIERTAGE, CM_ALARMTOENE, CM_AUTOSPEICHERN,
    CM_SCHRIFTHOEHEN, CM_FARBEN, CM_EINSTELLUNGEN_SPEICHERN, CM_TAGESRASTER, CM_GROSS_VORWAERTS,
    CM_GROSS_ZURUECK, CM_ADRESSBUCH, CM_ANMERKUNG, CM_ERLEDIGT, CM_ADRESSE, CM_VORWARNZEIT, CM_ENTFERNEN,
    CM_VERSCHIEBEN, CM_INFO, CM_ICAL_EXPORT, CM_ICAL_IMPORT, CM_VCARD_EXPORT, CM_VCARD_IMPORT,
};
constexpr int kFileDialogName = 0x480, kFileDialogNameOld = 0x47C, kFileDialogTypes = 0x470;
constexpr int kMaxVisits = 12;  // then Cancel, then WM_CLOSE, then it counts as stuck
// Dialogs answered in one go before it counts as endless: a series whose warnings are all due
// shows one notice per appointment.
constexpr int kMaxRounds = 5000;

// The name a file dialog of this command is given: the calendar's, or beside it the exchange
// files, so that an export is what a later import reads; "" for any other file dialog.
std::string FileFor(UINT id, const std::string& calendar) {
    const std::string base = calendar.substr(0, calendar.rfind('.'));
    if (id == CM_NEU || id == CM_OEFFNEN || id == CM_SPEICHERN || id == CM_SPEICHERN_UNTER) return calendar;
    if (id == CM_ICAL_EXPORT || id == CM_ICAL_IMPORT) return base + ".ics";
    if (id == CM_VCARD_EXPORT || id == CM_VCARD_IMPORT) return base + ".vcf";
    return "";
}

struct Search {
    DWORD pid;
    HWND found;
};

// The window that takes input now: a menu first, then the enabled dialog or picker on top.
BOOL CALLBACK FindOpen(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != s->pid || !IsWindowVisible(wnd) || !IsWindowEnabled(wnd)) return TRUE;
    const std::string cls = ClassOf(wnd);
    if (cls == "#32768") {
        s->found = wnd;
        return FALSE;
    }
    if (!s->found && (cls == "#32770" || cls == "OrdivoSelectDate")) s->found = wnd;
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM lp) {
    if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(wnd);
    return TRUE;
}

UINT DiagnoseMessage() {
    static const UINT message = RegisterWindowMessageA(DiagnoseMessageName);
    return message;
}

LONG Style(HWND wnd) { return GetWindowLongA(wnd, GWL_STYLE); }
bool IsPushButton(HWND w) {
    const LONG type = Style(w) & BS_TYPEMASK;
    return ClassOf(w) == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}
bool IsHelp(HWND w) { return GetDlgCtrlID(w) == IDHELP || WindowText(w).find("Hilfe") != std::string::npos; }
}  // namespace

Monkey::Monkey(const Program& program, std::string file, uint32_t seed, std::FILE* log)
    : program_(program), file_(std::move(file)), rng_(seed), log_(log) {}

void Monkey::Log(const char* format, ...) {
    if (!log_) return;
    std::fprintf(log_, "%6ld ", step_);
    va_list args;
    va_start(args, format);
    std::vfprintf(log_, format, args);
    va_end(args);
    std::fputc('\n', log_);
    std::fflush(log_);
}

bool Monkey::Fail(const std::string& why) {
    Failure = "step " + std::to_string(step_) + ": " + why;
    Log("FAILED: %s", why.c_str());
    return false;
}

long Monkey::Query(int what) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(Client, DiagnoseMessage(), WPARAM(what), 0, SMTO_ABORTIFHUNG, 10000, &result)) return -1;
    return long(LRESULT(result));
}

// A mark posted behind everything posted so far comes back within 20 s: what was posted
// has been handled, or has opened the dialog or menu whose loop took the mark.
bool Monkey::Responsive() {
    if (!Client) return WaitForInputIdle(program_.Process(), 20000) != WAIT_FAILED;
    const long mark = ++mark_;
    PostMessageA(Client, DiagnoseMessage(), DiagnoseMarke, mark);
    return WaitFor([&] { return Query(DiagnoseLetzteMarke) == mark || !program_.Running(); }, 20000);
}

HWND Monkey::OpenWindow() const {
    Search s{program_.Id(), nullptr};
    EnumWindows(&FindOpen, LPARAM(&s));
    return s.found;
}

bool Monkey::Settle() {
    for (int round = 0, quiet = 0; round < kMaxRounds; ++round) {
        if (!program_.Running()) return context_ == CM_BEENDEN || Fail("the program has ended");
        if (!Responsive()) return Fail("no answer for 20 s");
        HWND wnd = OpenWindow();
        if (!wnd) {
            // Wine shows a modal dialog once its loop finds the queue empty, after the mark: a
            // second quiet round makes sure none is on its way.
            if (++quiet == 2) break;
            Sleep(20);
            continue;
        }
        quiet = 0;
        if (!Answer(wnd)) return false;
    }
    if (OpenWindow()) return Fail("dialogs keep opening");
    visits_.clear();
    context_ = 0;
    giveUp_ = false;
    return true;
}

bool Monkey::Answer(HWND wnd) {
    const int visits = ++visits_[wnd];
    const std::string cls = ClassOf(wnd), title = WindowText(wnd);
    if (visits == 1) {
        Seen.push_back(title);
        Log("open \"%s\" %s", title.c_str(), cls == "#32770" ? MessageBoxText(wnd).c_str() : cls.c_str());
    }
    if (visits > kMaxVisits + 8) return Fail("\"" + title + "\" does not close");
    if (visits > kMaxVisits) giveUp_ = true;  // the questions on the way out are answered Yes
    if (visits > kMaxVisits + 4) {
        Log("close \"%s\"", title.c_str());
        PostMessageA(wnd, WM_CLOSE, 0, 0);
    } else if (cls == "#32768") {
        const int down = Mode == Answers::Random ? Pick(12) : 0;
        Log("menu: %d down, %s", down, down ? "Enter" : "Escape");
        for (int i = 0; i < down; ++i) PostMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(wnd, WM_KEYDOWN, down ? VK_RETURN : VK_ESCAPE, 0);
    } else if (visits > kMaxVisits || (firstOfPrint_ && visits == 1) ||
               (Mode == Answers::No && cls == "OrdivoSelectDate")) {
        firstOfPrint_ = false;  // printing itself is left to the print tests
        Log("cancel \"%s\"", title.c_str());
        PostCommand(wnd, cls == "#32770" ? IDCANCEL : IDC_DATUM_SCHLIESSEN);
    } else if (cls == "OrdivoSelectDate") {
        RECT r{};
        GetClientRect(wnd, &r);
        const int x = Pick(std::max(1L, r.right)), y = Pick(std::max(1L, r.bottom));
        Log("picker: click %d,%d", x, y);
        PostMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        if (Chance(20)) PostCommand(wnd, Chance(50) ? IDC_DATUM_GEHE_ZU : IDC_DATUM_SCHLIESSEN);
    } else if (GetDlgItem(wnd, kFileDialogTypes)) {
        AnswerFileDialog(wnd);
    } else {
        AnswerDialog(wnd);
    }
    // A closed dialog is waited for until destroyed: Wine drops what its loop takes after EndDialog.
    WaitFor([&] { return !IsWindow(wnd) || IsWindowVisible(wnd); }, 5000);
    return true;
}

void Monkey::AnswerFileDialog(HWND dlg) {
    HWND name = GetDlgItem(dlg, kFileDialogName);
    if (!name) name = GetDlgItem(dlg, kFileDialogNameOld);
    const bool cancel = Mode == Answers::Random ? Chance(25) : Mode == Answers::No;
    const std::string path = FileFor(context_, file_);
    if (!name || path.empty() || cancel) {
        Log("file dialog: cancel");
        ClickButton(dlg, IDCANCEL);
        return;
    }
    Log("file dialog: %s", path.c_str());
    HWND types = GetDlgItem(dlg, kFileDialogTypes);
    SendMessageA(types, CB_SETCURSEL, 0, 0);
    // Wine: the dialog takes the type from CBN_SELENDOK.
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kFileDialogTypes, CBN_SELENDOK), LPARAM(types));
    SetText(name, path);
    ClickButton(dlg, IDOK);
}

void Monkey::AnswerDialog(HWND dlg) {
    const Answers mode = giveUp_ && Mode == Answers::Random ? Answers::Yes : Mode;
    std::vector<HWND> children, fields, buttons;
    EnumChildWindows(dlg, &CollectChild, LPARAM(&children));
    for (HWND c : children) {
        const std::string cls = ClassOf(c);
        if (IsPushButton(c)) {
            if (!IsHelp(c)) buttons.push_back(c);
        } else if (cls == "Edit" || cls == "Button" || cls == "ComboBox" || cls == "ListBox") {
            fields.push_back(c);
        }
    }
    const bool passwordDialog = std::any_of(fields.begin(), fields.end(), [](HWND f) { return Style(f) & ES_PASSWORD; });
    if (mode == Answers::Yes || (mode == Answers::Random && passwordDialog)) {
        for (HWND f : fields)
            if (Style(f) & ES_PASSWORD) SetText(f, mode == Answers::Yes || Chance(90) ? Password : RandomText());
    }
    if (mode == Answers::Random && !fields.empty() && Chance(70)) {
        for (int n = 1 + Pick(3); n > 0; --n) ChangeField(dlg, fields[size_t(Pick(int(fields.size())))]);
        if (Chance(40)) return;  // more changes on the next visit
    }
    int id = IDCANCEL;
    if (mode == Answers::Random) {
        if (!buttons.empty()) id = GetDlgCtrlID(buttons[size_t(Pick(int(buttons.size())))]);
    } else {
        static constexpr int kYes[] = {IDYES, IDOK, IDOK}, kNo[] = {IDCANCEL, IDNO, IDOK};
        for (int want : mode == Answers::Yes ? kYes : kNo)
            if (GetDlgItem(dlg, want)) {
                id = want;
                break;
            }
    }
    Log("\"%s\": button %d", WindowText(dlg).c_str(), id);
    ClickButton(dlg, id);
}

void Monkey::ChangeField(HWND dlg, HWND field) {
    const std::string cls = ClassOf(field);
    const int id = GetDlgCtrlID(field);
    if (cls == "Edit") {
        if (Style(field) & ES_PASSWORD) return;
        const std::string text = RandomText();
        Log("  field %d = \"%s\"", id, text.c_str());
        SetText(field, text);
    } else if (cls == "Button") {
        Log("  click %d", id);
        const LONG type = Style(field) & BS_TYPEMASK;
        if (type != BS_CHECKBOX && type != BS_3STATE) {  // those the dialog marks itself on the click
            const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
            const LRESULT checked = SendMessageA(field, BM_GETCHECK, 0, 0);
            SendMessageA(field, BM_SETCHECK, radio ? BST_CHECKED : (checked ? BST_UNCHECKED : BST_CHECKED), 0);
        }
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(field));
    } else {
        const bool combo = cls == "ComboBox";
        const LRESULT count = SendMessageA(field, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        if (count <= 0) return;
        const int index = Pick(int(count));
        Log("  list %d: item %d", id, index);
        SendMessageA(field, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), LPARAM(field));
        if (!combo && Chance(20)) PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), LPARAM(field));
    }
}

std::string Monkey::RandomText() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 .,:;-/\"'()%&\xE4\xF6\xFC\xDF\xC4\xD6\xDC";
    char buffer[40];
    switch (Pick(9)) {
    case 0: return "";
    case 1:
        std::snprintf(buffer, sizeof buffer, "%d.%d.%d", Pick(35), Pick(15), Chance(50) ? 1900 + Pick(300) : Pick(100));
        return buffer;
    case 2: std::snprintf(buffer, sizeof buffer, "%d:%02d", Pick(27), Pick(70)); return buffer;
    // Numbers stay below 2000: a series of that many with its warnings due already shows
    // one notice per appointment.
    case 3: std::snprintf(buffer, sizeof buffer, "%d", Chance(20) ? -Pick(1000) : Pick(2000)); return buffer;
    case 4: return std::string(size_t(200 + Pick(400)), char('a' + Pick(26)));
    default: {
        std::string text;
        for (int n = 1 + Pick(30); n > 0; --n) text += kLetters[Pick(int(sizeof kLetters) - 1)];
        return text;
    }
    }
}

std::pair<int, int> Monkey::RandomPoint() {
    RECT r{};
    GetClientRect(Client, &r);
    return {Pick(std::max(1L, r.right)), Pick(std::max(1L, r.bottom))};
}

void Monkey::PostMouse(UINT msg, WPARAM keys, int x, int y) { PostMessageA(Client, msg, keys, MAKELPARAM(x, y)); }

bool Monkey::Click(bool right) {
    const auto [x, y] = RandomPoint();
    Log("%s click %d,%d", right ? "right" : "left", x, y);
    PostMouse(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, x, y);
    if (!Settle()) return false;
    PostMouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, x, y);
    return Settle();
}

bool Monkey::DoubleClick() {
    const auto [x, y] = RandomPoint();
    Log("double click %d,%d", x, y);
    PostMouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    PostMouse(WM_LBUTTONUP, 0, x, y);
    if (!Settle()) return false;
    PostMouse(WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
    if (!Settle()) return false;
    PostMouse(WM_LBUTTONUP, 0, x, y);
    return Settle();
}

bool Monkey::Drag() {
    const auto [x0, y0] = RandomPoint();
    const auto [x1, y1] = RandomPoint();
    const WPARAM copy = Chance(30) ? MK_CONTROL : 0;
    Log("drag %d,%d -> %d,%d%s", x0, y0, x1, y1, copy ? " with Ctrl" : "");
    PostMouse(WM_LBUTTONDOWN, MK_LBUTTON | copy, x0, y0);
    if (!Settle()) return false;
    PostMouse(WM_MOUSEMOVE, MK_LBUTTON | copy, (x0 + x1) / 2, (y0 + y1) / 2);
    PostMouse(WM_MOUSEMOVE, MK_LBUTTON | copy, x1, y1);
    PostMouse(WM_LBUTTONUP, copy, x1, y1);
    return Settle();
}

bool Monkey::TypeInPlace() {
    HWND editor = FindChild(Client, "Edit");
    if (!editor) return Click(false);
    std::string text = RandomText().substr(0, 60);
    for (int n = Pick(4); n > 0; --n) text.insert(size_t(Pick(int(text.size()) + 1)), 1, '\b');
    Log("type \"%s\"", text.c_str());
    for (char c : text) PostMessageA(editor, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    if (Chance(60)) PostMessageA(editor, WM_CHAR, VK_RETURN, 1);
    return Settle();
}

bool Monkey::Key() {
    static constexpr UINT kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_RETURN, VK_CONTROL};
    const UINT key = kKeys[Pick(int(std::size(kKeys)))];
    Log("key %u", key);
    PostMessageA(Client, WM_KEYDOWN, key, 1);
    PostMessageA(Client, WM_KEYUP, key, 1);
    return Settle();
}

// The frame at a random size, now and then a tiny one, or minimised and restored.
bool Monkey::Resize() {
    HWND frame = GetParent(Client);
    if (Chance(15)) {
        Log("minimise and restore");
        ShowWindow(frame, SW_MINIMIZE);
        if (!Settle()) return false;
        ShowWindow(frame, SW_RESTORE);
        return Settle();
    }
    const int limit = Chance(30) ? 120 : 1280;
    const int w = Pick(limit), h = Pick(limit * 4 / 5);
    Log("resize %dx%d", w, h);
    SetWindowPos(frame, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    return Settle();
}

bool Monkey::Command(UINT id) {
    Log("command %u", id);
    context_ = id;
    firstOfPrint_ = id == CM_DRUCKEN;
    PostCommand(Client, id);
    return Settle();
}

bool Monkey::Step() {
    ++step_;
    if (!Settle()) return false;  // a dialog that showed late is answered before anything else
    const int roll = Pick(100);
    if (roll < 30) return Command(kCommands[Pick(int(std::size(kCommands)))]);
    if (roll < 36) return Command(CM_SPEICHERN);
    if (roll < 55) return Click(false);
    if (roll < 62) return Drag();
    if (roll < 67) return DoubleClick();
    if (roll < 72) return Click(true);
    if (roll < 88) return TypeInPlace();
    if (roll < 91) return Resize();
    return Key();
}
