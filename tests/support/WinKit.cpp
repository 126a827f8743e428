// The Windows test kit: pump, registry, windows, message boxes, processes, surfaces and their
// screenshots.
#include "support/WinKit.h"

#include "core/ResString.h"

#include <objidl.h>  // before gdiplus.h, which needs it and WIN32_LEAN_AND_MEAN leaves out
#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>

namespace kit {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    for (const DWORD start = GetTickCount(); !done(); Pump(10))
        if (GetTickCount() - start > ms) return false;
    return true;
}

void SetUserValue(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(k);
}

void SetUserString(const std::string& key, const char* name, const std::string& value) {
    SetUserValue(key, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

namespace {
// The value's type and bytes; false when the key or the value is missing.
bool QueryUserValue(const std::string& key, const char* name, DWORD& type, std::vector<BYTE>& data) {
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, 0);
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size) ==
           ERROR_SUCCESS;
}
}  // namespace

std::string UserString(const std::string& key, const char* name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!QueryUserValue(key, name, type, data) || type != REG_SZ) return "";
    return std::string(data.begin(), std::find(data.begin(), data.end(), 0));
}

void DeleteUserValue(const std::string& key, const char* name) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    RegDeleteValueA(k, name);
    RegCloseKey(k);
}

void DeleteOrdivoSettings() { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\kdw\\Ordivo"); }

void FreshOrdivoSettings() {
    DeleteOrdivoSettings();
    SetUserString("Software\\kdw\\Ordivo\\General", "FirstStart", "0");
}

SavedValue::SavedValue(std::string key, std::string name)
    : key_(std::move(key)), name_(std::move(name)), existed_(QueryUserValue(key_, name_.c_str(), type_, data_)) {}

SavedValue::~SavedValue() {
    if (existed_)
        SetUserValue(key_, name_.c_str(), type_, data_.data(), DWORD(data_.size()));
    else
        DeleteUserValue(key_, name_.c_str());
}

std::string WindowText(HWND wnd) {
    char buf[1024] = {};
    SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buf, LPARAM(buf), SMTO_ABORTIFHUNG, 5000, nullptr);
    return buf;
}

std::string ClassOf(HWND wnd) {
    char cls[128] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

void SetText(HWND wnd, const std::string& text) {
    SendMessageTimeoutA(wnd, WM_SETTEXT, 0, LPARAM(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

HWND FindChild(HWND parent, const char* cls) { return FindWindowExA(parent, nullptr, cls, nullptr); }

std::string MessageBoxText(HWND box) {
    std::string best;
    for (HWND h = nullptr; (h = FindWindowExA(box, h, "Static", nullptr)) != nullptr;)
        if (WindowText(h).size() > best.size()) best = WindowText(h);
    return best;
}

bool EnterFileName(HWND dialog, const std::string& path) {
    HWND edit = GetDlgItem(dialog, 0x480);  // edt1: file name; cmb13 in the newer layout
    if (!edit && !(edit = GetDlgItem(dialog, 0x47C))) return false;
    SetText(edit, path);
    ClickButton(dialog, IDOK);
    return true;
}

void ClickButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

void PostCommand(HWND wnd, UINT id) { PostMessageA(wnd, WM_COMMAND, id, 0); }
void SendCommand(HWND wnd, UINT id) { SendMessageTimeoutA(wnd, WM_COMMAND, id, 0, SMTO_NORMAL, 20000, nullptr); }
void Sync(HWND wnd) { SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr); }

// RDW_UPDATENOW paints at once only in the window's own thread: for another process's
// window, wait until its update region is gone and the paint handler has returned.
void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitFor([&] { return !GetUpdateRect(wnd, nullptr, FALSE); }, 5000);
    Sync(wnd);
}

namespace {
BoxAnswers* activeBoxes = nullptr;
}

BoxAnswers::BoxAnswers() : hook_(SetWindowsHookExA(WH_CBT, &BoxAnswers::Hook, nullptr, GetCurrentThreadId())) {
    activeBoxes = this;
}

BoxAnswers::~BoxAnswers() {
    UnhookWindowsHookEx(hook_);
    activeBoxes = nullptr;
}

LRESULT CALLBACK BoxAnswers::Hook(int code, WPARAM wp, LPARAM lp) {
    BoxAnswers* self = activeBoxes;
    const HWND h = HWND(wp);
    if (self && code == HCBT_ACTIVATE && ClassOf(h) == "#32770" && h != self->dialog &&
        std::find(self->open_.begin(), self->open_.end(), h) == self->open_.end()) {
        if (self->takeDialog) {
            self->dialog = h;
            self->takeDialog = false;
        } else {
            self->open_.push_back(h);
            self->owners.push_back(GetWindow(h, GW_OWNER));
            int answer = IDYES;
            if (!self->answers.empty()) {
                answer = self->answers.front();
                self->answers.pop_front();
            }
            PostMessageA(h, WM_COMMAND, answer, 0);
        }
    }
    if (self && code == HCBT_DESTROYWND) {
        const auto it = std::find(self->open_.begin(), self->open_.end(), h);
        if (it != self->open_.end()) {
            self->open_.erase(it);
            self->texts.push_back(MessageBoxText(h));
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

testing::AssertionResult BoxAnswers::Showed(std::initializer_list<int> ids) {
    std::vector<std::string> expected;
    for (int id : ids) expected.push_back(LoadResString(id));
    const std::vector<std::string> shown = std::move(texts);
    texts.clear();
    if (expected == shown) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure() << "shown:";
    for (const std::string& t : shown) failure << " [" << t << "]";
    return failure;
}

namespace {
const std::function<void(HWND)>* playScript = nullptr;
BoxAnswers* playBoxes = nullptr;

void CALLBACK PlayTick(HWND, UINT, UINT_PTR id, DWORD) {
    if (!playBoxes->dialog) return;
    KillTimer(nullptr, id);
    const HWND dialog = playBoxes->dialog;
    (*playScript)(dialog);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

void PlayOnDialog(BoxAnswers& boxes, const std::function<void(HWND)>& script, const std::function<void()>& open) {
    boxes.dialog = nullptr;
    boxes.takeDialog = true;
    playScript = &script;
    playBoxes = &boxes;
    SetTimer(nullptr, 0, 30, &PlayTick);
    open();
}

std::string BinDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path).substr(0, std::string(path).find_last_of('\\'));
}

std::string MakeTempDir(const std::string& tag) {
    char tmp[MAX_PATH] = {};
    GetTempPathA(sizeof tmp, tmp);
    static int counter = 0;
    const std::string dir = std::string(tmp) + "ordivo-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

Program::~Program() {
    if (Running() && TerminateProcess(process_, 99)) WaitForSingleObject(process_, 5000);
    if (process_) CloseHandle(process_);
}

bool Program::Start(const std::string& args, const std::string& exe) {
    const std::string path = exe.empty() ? BinDir() + "\\ordivo.exe" : exe;
    std::string cmd = "\"" + path + "\"" + (args.empty() ? "" : " " + args);
    const std::string dir = path.substr(0, path.find_last_of('\\'));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(path.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    WaitForInputIdle(process_, 10000);
    return true;
}

int Program::Wait(DWORD ms) {
    DWORD code = 0;
    return process_ && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0 && GetExitCodeProcess(process_, &code) ? int(code) : -1;
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

namespace {
struct TopLevelSearch {
    DWORD pid;
    std::string cls;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != s->pid || !IsWindowVisible(wnd) || ClassOf(wnd).compare(0, s->cls.size(), s->cls) != 0) return TRUE;
    s->found = wnd;
    return FALSE;
}
}  // namespace

HWND Program::WaitWindow(const char* cls, DWORD ms) const {
    TopLevelSearch s{pid_, cls, nullptr};
    for (const DWORD start = GetTickCount();; Sleep(50)) {
        EnumWindows(&MatchTopLevel, LPARAM(&s));
        if (s.found || GetTickCount() - start >= ms) return s.found;
    }
}

HWND Program::WaitBox(const std::string& part, DWORD ms) const {
    HWND box = nullptr;
    const bool found = WaitFor([&] {
        box = FindWindowOf("#32770");
        return box && MessageBoxText(box).find(part) != std::string::npos;
    }, ms);
    return found ? box : nullptr;
}

namespace {
HBITMAP MakeDib(int width, int height, uint32_t** bits) {
    BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};  // top-down
    return CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
}

RECT ScreenRect(HWND wnd, bool client) {
    RECT r{};
    if (!client) GetWindowRect(wnd, &r);
    else if (GetClientRect(wnd, &r)) MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

Surface::Surface(int width, int height)
    : width_(width), height_(height), bitmap_(MakeDib(width, height, &bits_)), select_(dc_.Get(), bitmap_.Get()) {}

Surface::Surface(HWND wnd, bool client) : Surface(ScreenRect(wnd, client)) {}

// Wine: another process's window DC (and PrintWindow) reads back black; the screen DC
// holds what is shown, so the rectangle is copied from there.
Surface::Surface(const RECT& r) : Surface(std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top)) {
    gdi::WindowDc screen(nullptr);
    BitBlt(Dc(), 0, 0, width_, height_, screen.Get(), r.left, r.top, SRCCOPY);
}

COLORREF Surface::Pixel(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[size_t(y) * size_t(width_) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Surface::Count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) n += Pixel(x, y) == colour;
    return n;
}

// Through GDI+, which Wine implements; nothing of it is in the product.
bool Surface::SavePng(const std::string& name) const {
    using namespace Gdiplus;
    static const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    const std::string dir = BinDir() + "\\..\\..\\screenshots", path = dir + "\\" + name + ".png";
    CreateDirectoryA(dir.c_str(), nullptr);
    GdiFlush();
    const GdiplusStartupInput input;
    ULONG_PTR token = 0;
    GpBitmap* bitmap = nullptr;
    const bool ok = bits_ && GdiplusStartup(&token, &input, nullptr) == Ok &&
                    DllExports::GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppRGB,
                                                          reinterpret_cast<BYTE*>(bits_), &bitmap) == Ok &&
                    DllExports::GdipSaveImageToFile(bitmap, std::wstring(path.begin(), path.end()).c_str(), &pngEncoder, nullptr) == Ok;
    if (bitmap) DllExports::GdipDisposeImage(bitmap);
    if (token) GdiplusShutdown(token);
    return ok;
}

}  // namespace kit
